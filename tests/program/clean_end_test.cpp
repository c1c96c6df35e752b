// A wiki login, and the window's size and place, survive every end the program can handle: the
// signals that ask a program to end and the window closed, also after closing asked about
// unsaved changes. The browser engine writes its cookies to disk on a timer of about 30 s and
// when it shuts down, so a login made a moment before the end is kept only if the program ends
// the normal way. Real program, real engine, real keys into the login form of the local
// MediaWiki, which then says whom the next run's requests log in; a loopback stand-in for the
// wiki where the test needs a page of its own.
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
#include "tests/support/gui_test_constants.h"
#include "tests/support/local_wiki.h"
#include "tests/support/stub_wiki_server.h"
#include "tests/support/x_window_close.h"

namespace nominator {
namespace {

using namespace support::keysym;

using support::ArrivedRequest;
using support::Clock;
using support::StubAnswer;
using testing::HasSubstr;

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
    run.clickAt(support::PaneScrollBar());
    // The panes' own window takes the keyboard focus from Form1's, and the engine then passes it
    // on to the page, which no one outside can see: keys sent before would miss the field, so
    // the hand waits a moment, as a person's would.
    const auto focusDeadline = Clock::now() + kEngineGiveUp;
    while (run.input().focusWindow() == run.window() && Clock::now() < focusDeadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::this_thread::sleep_for(kPersonsPause);
    run.input().type(wiki.userName());
    run.input().key(kTab);
    run.input().type(wiki.password());
    run.input().key(kReturn);
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
    // Both runs without a single inotify instance to be had (see WithoutInotify()).
    bool withoutInotify = false;
};

void CloseTheWindow(ProgramRun& run) {
    const std::optional<xcb_window_t> window = run.window();
    ASSERT_TRUE(window) << "Form1 is not on screen";
    support::AskToClose(*window);
}

void PrintTo(const EndRow& row, std::ostream* out) { *out << row.name; }

const EndRow kEnds[] = {
    {"SIGTERM", [](ProgramRun& run) { run.process().signal(SIGTERM); }},
    {"SIGINT", [](ProgramRun& run) { run.process().signal(SIGINT); }},
    {"SIGHUP", [](ProgramRun& run) { run.process().signal(SIGHUP); }},
    {"WindowClosed", CloseTheWindow},
    // A busy desktop's programs may have taken every inotify instance the user may have.
    {"WindowClosedWithoutInotify", CloseTheWindow, true},
    {"SIGTERMWithoutInotify", [](ProgramRun& run) { run.process().signal(SIGTERM); }, true},
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
    support::LocalWiki wiki;
    const ScratchFolder scratch;
    const std::filesystem::path profile = scratch.path() / "profile";
    const support::Environment engine = support::EngineEnvironment(wiki.port());
    const std::vector<std::string> launcher =
        row.withoutInotify ? WithoutInotify() : std::vector<std::string>{};

    {
        ProgramRun first(profile, engine, scratch.path() / "first.log", launcher);
        ASSERT_TRUE(first.waitForWindow()) << first.output();
        ASSERT_TRUE(LogIn(first, wiki)) << "the wiki never saw the login\n" << first.output();
        // The engine holds one as a rule; none at all shows the row's machine is the one meant.
        if (row.withoutInotify) {
            EXPECT_EQ(first.inotifyInstances(), 0);
        } else {
            EXPECT_GT(first.inotifyInstances(), 0);
        }
        // After the login, which finds the form's scroll bar in the design-size layout.
        ASSERT_TRUE(first.place(kDraggedTo)) << "the panes did not grow with the window";

        const support::TimePoint asked = Clock::now();
        row.end(first);
        const std::optional<int> status = first.process().waitForEnd(kEndsWithin);
        ASSERT_TRUE(status) << "still running " << kEndsWithin.count() << " s later";
        EXPECT_EQ(*status, 0) << first.output();
        std::cout << row.name << ": the program ended "
                  << support::MillisBetween(asked, Clock::now()) << " ms after it was asked\n";
    }

    const std::size_t before = wiki.tlsEnd().requests().size();
    ProgramRun second(profile, engine, scratch.path() / "second.log", launcher);
    ASSERT_TRUE(second.waitForWindow()) << second.output();
    EXPECT_EQ(second.geometry(), kDraggedTo);
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

// Asked for by the stand-in's logged-in page: its request carries the cookie once the engine
// has taken it.
constexpr std::string_view kAfterLogin = "/after-login.png";

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
void ExpectTheNextRunSendsTheLogin(support::StubWikiServer& wiki, const ScratchFolder& scratch,
                                   const support::Environment& engine, const std::string& cookie) {
    wiki.answer("/", [](const ArrivedRequest&) {
        StubAnswer answer;
        answer.body = "<!DOCTYPE html><p>A page.</p>";
        return answer;
    });
    const std::size_t before = wiki.requests().size();
    ProgramRun second(scratch.path() / "profile", engine, scratch.path() / "second.log");
    ASSERT_TRUE(second.waitForWindow()) << second.output();
    second.clickAfd();
    ASSERT_TRUE(WaitForThreePanes(wiki, before)) << "the three panes did not all load\n"
                                                 << second.output();
    for (const ArrivedRequest& request : PaneRequests(wiki.requests(), before)) {
        SCOPED_TRACE(request.target);
        EXPECT_THAT(HeaderOf(request, "Cookie"), HasSubstr(cookie));
    }
}

// An editor as the wiki's, filling the page: it asks before it is closed once it holds text,
// and reports when it takes the keys and what is typed.
constexpr char kEditor[] = R"html(<title>Editing</title><body style="margin:0">
<textarea id="text" style="position:absolute;left:0;top:0;width:100%;height:100%"></textarea>
<script>
const text = document.getElementById('text');
text.addEventListener('input', () => { new Image().src = '/typed?' + text.value; });
text.addEventListener('focus', () => { new Image().src = '/focused'; });
addEventListener('beforeunload', event => {
  if (text.value) { event.preventDefault(); event.returnValue = ''; }
});
</script>)html";

constexpr char kCloseQuestion[] = "Close the window?";
constexpr std::uint32_t kLetterC = 0x63;

// Closing the window with unsaved changes in a page asks first, once for all the tabs: Cancel
// keeps the program and the page as they were, Close ends the program cleanly, the login kept.
TEST(UnsavedChangesTest, ClosingAsksAndCancelKeepsThePageAndCloseEndsWithTheLoginKept) {
    const std::string cookie = "afd_login=UnsavedChanges";
    support::StubWikiServer wiki;
    ServeLogin(wiki, cookie, kEditor);
    wiki.answer("/typed", [](const ArrivedRequest&) { return StubAnswer{}; });
    wiki.answer("/focused", [](const ArrivedRequest&) { return StubAnswer{}; });
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
        ASSERT_TRUE(first.clickIntoPane([&wiki](support::TimePoint deadline) {
            return wiki.waitFor(
                [](const std::vector<ArrivedRequest>& requests) {
                    return std::any_of(requests.begin(), requests.end(), [](const auto& request) {
                        return request.target == "/focused";
                    });
                },
                deadline);
        })) << "no click gave the page the keys";
        first.input().type("unsaved");
        first.input().sync();
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

}  // namespace
}  // namespace nominator
