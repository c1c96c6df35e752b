// A wiki login survives every end the program can handle: the signals that ask a program to
// end and the window closed. The browser engine writes its cookies to disk on a timer of about
// 30 s and when it shuts down, so a login made a moment before the end is kept only if the
// program ends the normal way. Real program, real engine, real keys into the login form of the
// local MediaWiki, which then says whom the next run's requests log in.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "tests/program/program_run.h"
#include "tests/support/engine_environment.h"
#include "tests/support/local_wiki.h"
#include "tests/support/x_window_close.h"

namespace nominator {
namespace {

using support::ArrivedRequest;
using support::Clock;

constexpr std::uint32_t kTabKeysym = 0xff09;
constexpr std::uint32_t kReturnKeysym = 0xff0d;
constexpr std::uint32_t kSelectAllKeysym = 'a';
constexpr std::chrono::seconds kPersonsPause{1};
constexpr std::string_view kLoginPicture =
    "/w/resources/src/mediawiki.special.userlogin.login.styles/images/";

std::vector<ArrivedRequest> From(std::vector<ArrivedRequest> requests, std::size_t first) {
    requests.erase(requests.begin(), requests.begin() + static_cast<std::ptrdiff_t>(
                                                            std::min(first, requests.size())));
    return requests;
}

// Opens the wiki's login form in the article's pane, its title typed as the article's, and fills
// it in with real keys: the form puts the page's focus on the user name itself, a click on the
// pane's scroll bar gives the page the keys, Tab moves on to the password, and Return logs in.
// True once a request carries a login the wiki knows.
bool LogIn(ProgramRun& run, support::LocalWiki& wiki) {
    support::StubWikiServer& tlsEnd = wiki.tlsEnd();
    const std::size_t before = tlsEnd.requests().size();
    run.click("Text1");
    run.input().key(kSelectAllKeysym, support::XInput::Modifier::Control);
    run.input().type("Special:UserLogin");
    run.clickAfd();
    // The login page's own style sheet puts a picture beside the form: the engine asks for it
    // once the form is laid out, and the form's fields can take the focus.
    const bool formShown = tlsEnd.waitFor(
        [before](const std::vector<ArrivedRequest>& requests) {
            const std::vector<ArrivedRequest> since = From(requests, before);
            return std::any_of(since.begin(), since.end(), [](const ArrivedRequest& request) {
                return request.target.starts_with(kLoginPicture);
            });
        },
        Clock::now() + kEngineGiveUp);
    if (!formShown) return false;
    run.clickAt(support::ScrollBarOf("Browser"));
    // The panes' own window takes the keyboard focus from Form1's, and the engine then passes it
    // on to the page, which no one outside can see: keys sent before would miss the field, so
    // the hand waits a moment, as a person's would.
    const auto focusDeadline = Clock::now() + kEngineGiveUp;
    while (run.input().focusWindow() == run.window() && Clock::now() < focusDeadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::this_thread::sleep_for(kPersonsPause);
    run.input().type(wiki.userName());
    run.input().key(kTabKeysym);
    run.input().type(wiki.password());
    run.input().key(kReturnKeysym);
    run.input().sync();
    return tlsEnd.waitFor(
        [&](const std::vector<ArrivedRequest>& requests) {
            const std::vector<ArrivedRequest> since = From(requests, before);
            return std::any_of(since.begin(), since.end(), [&](const ArrivedRequest& request) {
                const std::string cookies = HeaderOf(request, "Cookie");
                return !cookies.empty() && wiki.loggedInUser(cookies) == wiki.userName();
            });
        },
        Clock::now() + kEngineGiveUp);
}

struct EndRow {
    const char* name;
    // Ends the program right after the login.
    void (*end)(ProgramRun& run);
};

void PrintTo(const EndRow& row, std::ostream* out) { *out << row.name; }

const EndRow kEnds[] = {
    {"SIGTERM", [](ProgramRun& run) { run.process().signal(SIGTERM); }},
    {"SIGINT", [](ProgramRun& run) { run.process().signal(SIGINT); }},
    {"SIGHUP", [](ProgramRun& run) { run.process().signal(SIGHUP); }},
    {"WindowClosed",
     [](ProgramRun& run) {
         const std::optional<xcb_window_t> window = run.window();
         ASSERT_TRUE(window) << "Form1 is not on screen";
         support::AskToClose(*window);
     }},
    // The window has gone and the engine is shutting down when the second signal comes.
    {"SecondSignalWhileEnding",
     [](ProgramRun& run) {
         run.process().signal(SIGTERM);
         ASSERT_TRUE(run.waitUntilWindowGone()) << "the window stayed after SIGTERM";
         run.process().signal(SIGINT);
     }},
};

class LoginSurvivesTest : public testing::TestWithParam<EndRow> {};

TEST_P(LoginSurvivesTest, TheNextRunSendsTheLoginFromAllThreePanes) {
    const EndRow& row = GetParam();
    support::LocalWiki wiki;
    const ScratchFolder scratch;
    const std::filesystem::path profile = scratch.path() / "profile";
    const support::Environment engine = support::EngineEnvironment(wiki.port());

    {
        ProgramRun first(profile, engine, scratch.path() / "first.log");
        ASSERT_TRUE(first.waitForWindow()) << first.output();
        ASSERT_TRUE(LogIn(first, wiki)) << "the wiki never saw the login\n" << first.output();

        const support::TimePoint asked = Clock::now();
        row.end(first);
        const std::optional<int> status = first.process().waitForEnd(kEndsWithin);
        ASSERT_TRUE(status) << "still running " << kEndsWithin.count() << " s later";
        EXPECT_EQ(*status, 0) << first.output();
        std::cout << row.name << ": the program ended "
                  << support::MillisBetween(asked, Clock::now()) << " ms after it was asked\n";
    }

    const std::size_t before = wiki.tlsEnd().requests().size();
    ProgramRun second(profile, engine, scratch.path() / "second.log");
    ASSERT_TRUE(second.waitForWindow()) << second.output();
    second.clickAfd();
    ASSERT_TRUE(WaitForThreePanes(wiki.tlsEnd(), before)) << "the three panes did not all load\n"
                                                          << second.output();
    for (const ArrivedRequest& request : PaneRequests(wiki.tlsEnd().requests(), before)) {
        SCOPED_TRACE(request.target);
        EXPECT_EQ(wiki.loggedInUser(HeaderOf(request, "Cookie")), wiki.userName());
    }
}

INSTANTIATE_TEST_SUITE_P(Ends, LoginSurvivesTest, testing::ValuesIn(kEnds),
                         [](const testing::TestParamInfo<EndRow>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace nominator
