// A wiki login, and the window's size and place, survive every end the program can handle: the
// signals that ask a program to end and the window closed, also after closing asked about
// unsaved changes. The browser engine
// writes its cookies to disk on a timer of about 30 s and when it shuts down, so a login made a
// moment before the end is kept only if the program ends the normal way. Real program, real engine,
// a loopback stand-in for the wiki.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdint>
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

// The stand-in logs the panes in with a session cookie (no expiry) on every page, which holds
// `body`; the page's image comes back with the cookie once the engine has taken it.
void ServeLogin(support::StubWikiServer& wiki, const std::string& cookie,
                const std::string& body = "<p>Logged in.</p>") {
    wiki.answer("/", [cookie, body](const ArrivedRequest&) {
        StubAnswer answer;
        answer.extraHeaders = "Set-Cookie: " + cookie + "; Path=/; Secure; HttpOnly\r\n";
        answer.body = "<!DOCTYPE html>" + body + "<img src=\"" + std::string(kAfterLogin) + "\">";
        return answer;
    });
    wiki.answer(std::string(kAfterLogin), [](const ArrivedRequest&) { return StubAnswer{}; });
}

std::string Targets(const std::vector<ArrivedRequest>& requests) {
    std::string targets;
    for (const ArrivedRequest& request : requests) targets += request.target + "\n";
    return targets;
}

bool LoggedIn(const support::StubWikiServer& wiki, const std::string& cookie) {
    return wiki.waitFor(
        [&cookie](const std::vector<ArrivedRequest>& requests) {
            return std::any_of(requests.begin(), requests.end(), [&](const auto& request) {
                return request.target == kAfterLogin &&
                       HeaderOf(request, "Cookie").find(cookie) != std::string::npos;
            });
        },
        Clock::now() + kEngineGiveUp);
}

// A run after the one that logged in: the stand-in sets no cookie any more, so only what the
// profile kept can be sent, and each of the three panes must send it.
// With `openedAt`, the window must open there.
void ExpectTheNextRunSendsTheLogin(support::StubWikiServer& wiki, const ScratchFolder& scratch,
                                   const support::Environment& engine, const std::string& cookie,
                                   const std::optional<ScreenRect>& openedAt = std::nullopt) {
    wiki.answer("/", [](const ArrivedRequest&) {
        StubAnswer answer;
        answer.body = "<!DOCTYPE html><p>A page.</p>";
        return answer;
    });
    const std::size_t before = wiki.requests().size();
    ProgramRun second(scratch.path() / "profile", engine, scratch.path() / "second.log");
    ASSERT_TRUE(second.waitForWindow()) << second.output();
    if (openedAt) {
        EXPECT_EQ(second.geometry(), *openedAt);
    }
    second.clickAfd();
    ASSERT_TRUE(WaitForThreePanes(wiki, before)) << "the three panes did not all load\n"
                                                 << second.output();
    for (const ArrivedRequest& request : PaneRequests(wiki.requests(), before)) {
        SCOPED_TRACE(request.target);
        EXPECT_THAT(HeaderOf(request, "Cookie"), HasSubstr(cookie));
    }
}

class LoginSurvivesTest : public testing::TestWithParam<EndRow> {};

// Larger than the design size, as a user drags it; no window manager moves it meanwhile.
constexpr ScreenRect kDraggedTo = {40, 30, 1100, 800};

TEST_P(LoginSurvivesTest, TheNextRunSendsTheLoginFromAllThreePanesAndOpensAtTheLastSize) {
    const EndRow& row = GetParam();
    // The cookie's value tells the rows apart.
    const std::string cookie = std::string("afd_login=") + row.name;
    support::StubWikiServer wiki;
    ServeLogin(wiki, cookie);
    const ScratchFolder scratch;
    const support::Environment engine = support::EngineEnvironment(wiki.port());

    {
        ProgramRun first(scratch.path() / "profile", engine, scratch.path() / "first.log");
        ASSERT_TRUE(first.waitForWindow()) << first.output();
        first.clickAfd();
        ASSERT_TRUE(LoggedIn(wiki, cookie)) << "the panes never sent the login back\n"
                                            << first.output();
        ASSERT_TRUE(first.place(kDraggedTo)) << "the panes did not grow with the window";

        const support::TimePoint asked = Clock::now();
        row.end(first);
        const std::optional<int> status = first.process().waitForEnd(kEndsWithin);
        ASSERT_TRUE(status) << "still running " << kEndsWithin.count() << " s later";
        EXPECT_EQ(*status, 0) << first.output();
        std::cout << row.name << ": the program ended "
                  << support::MillisBetween(asked, Clock::now()) << " ms after it was asked\n";
    }
    ExpectTheNextRunSendsTheLogin(wiki, scratch, engine, cookie, kDraggedTo);
}

// An editor as the wiki's, filling the page: it asks before it is closed once it holds text,
// and reports the typing.
constexpr char kEditor[] = R"html(<title>Editing</title><body style="margin:0">
<textarea id="text" style="position:absolute;left:0;top:0;width:100%;height:100%"></textarea>
<script>
const text = document.getElementById('text');
text.addEventListener('input', () => { new Image().src = '/typed?' + text.value; });
addEventListener('beforeunload', event => {
  if (text.value) { event.preventDefault(); event.returnValue = ''; }
});
</script>)html";

constexpr char kCloseQuestion[] = "Close the window?";
constexpr std::uint32_t kEscape = 0xff1b;
constexpr std::uint32_t kLetterC = 0x63;

// Closing the window with unsaved changes in a page asks first, once for all the tabs: Cancel
// keeps the program and the page as they were, Close ends the program cleanly, the login kept.
TEST(UnsavedChangesTest, ClosingAsksAndCancelKeepsThePageAndCloseEndsWithTheLoginKept) {
    const std::string cookie = "afd_login=UnsavedChanges";
    support::StubWikiServer wiki;
    ServeLogin(wiki, cookie, kEditor);
    wiki.answer("/typed", [](const ArrivedRequest&) { return StubAnswer{}; });
    const ScratchFolder scratch;
    const support::Environment engine = support::EngineEnvironment(wiki.port());
    {
        ProgramRun first(scratch.path() / "profile", engine, scratch.path() / "first.log");
        const std::optional<xcb_window_t> form1 = first.waitForWindow();
        ASSERT_TRUE(form1) << first.output();
        first.clickAfd();
        ASSERT_TRUE(LoggedIn(wiki, cookie)) << first.output();
        // The article's editor shows in tab 0 once all three pages have loaded.
        ASSERT_TRUE(wiki.waitFor(
            [](const std::vector<ArrivedRequest>& requests) {
                return std::count_if(requests.begin(), requests.end(), [](const auto& request) {
                           return request.target == kAfterLogin;
                       }) >= 3;
            },
            Clock::now() + kEngineGiveUp));
        first.typeIntoPane("unsaved");
        ASSERT_TRUE(wiki.waitFor(
            [](const std::vector<ArrivedRequest>& requests) {
                return std::any_of(requests.begin(), requests.end(), [](const auto& request) {
                    return request.target == "/typed?unsaved";
                });
            },
            Clock::now() + kEngineGiveUp))
            << "the page never saw the typing\n"
            << first.output() << Targets(wiki.requests());

        const auto askToClose = [&] { support::AskToClose(*form1); };
        ASSERT_TRUE(first.answerQuestion(askToClose, kCloseQuestion, kEscape))
            << "closing did not ask\n"
            << first.output();
        EXPECT_FALSE(first.process().waitForEnd(std::chrono::seconds(2)))
            << "Cancel ended the program";
        EXPECT_EQ(first.window(), form1) << "Cancel took the window off the screen";

        // The page kept its text, so closing asks again; this time the user closes.
        ASSERT_TRUE(first.answerQuestion(askToClose, kCloseQuestion, kLetterC,
                                         support::XInput::Modifier::Alt))
            << "the second close did not ask\n"
            << first.output();
        const std::optional<int> status = first.process().waitForEnd(kEndsWithin);
        ASSERT_TRUE(status) << "still running " << kEndsWithin.count() << " s after Close";
        EXPECT_EQ(*status, 0) << first.output();
    }
    ExpectTheNextRunSendsTheLogin(wiki, scratch, engine, cookie);
}

INSTANTIATE_TEST_SUITE_P(Ends, LoginSurvivesTest, testing::ValuesIn(kEnds),
                         [](const testing::TestParamInfo<EndRow>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace nominator
