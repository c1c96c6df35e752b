// A wiki login, and the window's size and place, survive every end the program can handle: the
// signals that ask a program to end and the window closed. The browser engine writes its
// cookies to disk on a timer of about 30 s and when it shuts down, so a login made a moment
// before the end is kept only if the program ends the normal way. Real program, real engine, a
// loopback stand-in for the wiki.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/program/program_run.h"
#include "tests/support/engine_environment.h"
#include "tests/support/stub_wiki_server.h"
#include "tests/support/x_window_close.h"

namespace nominator {
namespace {

using support::ArrivedRequest;
using support::Clock;
using support::StubAnswer;
using testing::HasSubstr;

// Asked for by the logged-in page: its request carries the cookie once the engine has taken it.
constexpr std::string_view kAfterLogin = "/after-login.png";

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

// Larger than the design size, as a user drags it; no window manager moves it meanwhile.
constexpr ScreenRect kDraggedTo = {40, 30, 1100, 800};

TEST_P(LoginSurvivesTest, TheNextRunSendsTheLoginFromAllThreePanesAndOpensAtTheLastSize) {
    const EndRow& row = GetParam();
    // A session cookie (no expiry), its value telling the rows apart.
    const std::string cookie = std::string("afd_login=") + row.name;
    support::StubWikiServer wiki;
    wiki.answer("/", [&cookie](const ArrivedRequest&) {
        StubAnswer answer;
        answer.extraHeaders = "Set-Cookie: " + cookie + "; Path=/; Secure; HttpOnly\r\n";
        answer.body =
            "<!DOCTYPE html><p>Logged in.</p><img src=\"" + std::string(kAfterLogin) + "\">";
        return answer;
    });
    wiki.answer(std::string(kAfterLogin), [](const ArrivedRequest&) { return StubAnswer{}; });
    const ScratchFolder scratch;
    const std::filesystem::path profile = scratch.path() / "profile";
    const support::Environment engine = support::EngineEnvironment(wiki.port());

    {
        ProgramRun first(profile, engine, scratch.path() / "first.log");
        ASSERT_TRUE(first.waitForWindow()) << first.output();
        first.clickAfd();
        const bool loggedIn = wiki.waitFor(
            [&cookie](const std::vector<ArrivedRequest>& requests) {
                return std::any_of(requests.begin(), requests.end(), [&](const auto& request) {
                    return request.target == kAfterLogin &&
                           HeaderOf(request, "Cookie").find(cookie) != std::string::npos;
                });
            },
            Clock::now() + kEngineGiveUp);
        ASSERT_TRUE(loggedIn) << "the panes never sent the login back\n" << first.output();
        ASSERT_TRUE(first.place(kDraggedTo)) << "the panes did not grow with the window";

        const support::TimePoint asked = Clock::now();
        row.end(first);
        const std::optional<int> status = first.process().waitForEnd(kEndsWithin);
        ASSERT_TRUE(status) << "still running " << kEndsWithin.count() << " s later";
        EXPECT_EQ(*status, 0) << first.output();
        std::cout << row.name << ": the program ended "
                  << support::MillisBetween(asked, Clock::now()) << " ms after it was asked\n";
    }

    // From now on the stand-in sets no cookie: only what the profile kept can be sent.
    wiki.answer("/", [](const ArrivedRequest&) {
        StubAnswer answer;
        answer.body = "<!DOCTYPE html><p>A page.</p>";
        return answer;
    });
    const std::size_t before = wiki.requests().size();
    ProgramRun second(profile, engine, scratch.path() / "second.log");
    ASSERT_TRUE(second.waitForWindow()) << second.output();
    EXPECT_EQ(second.geometry(), kDraggedTo);
    second.clickAfd();
    ASSERT_TRUE(WaitForThreePanes(wiki, before)) << "the three panes did not all load\n"
                                                 << second.output();
    for (const ArrivedRequest& request : PaneRequests(wiki.requests(), before)) {
        SCOPED_TRACE(request.target);
        EXPECT_THAT(HeaderOf(request, "Cookie"), HasSubstr(cookie));
    }
}

INSTANTIATE_TEST_SUITE_P(Ends, LoginSurvivesTest, testing::ValuesIn(kEnds),
                         [](const testing::TestParamInfo<EndRow>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace nominator
