// The check for earlier nominations through the real window and the real engine, against the
// local MediaWiki and its pages (tests/wiki/pages), and, for what a real wiki cannot be made to
// do, against answers its TLS end gives instead: what the status line says, also once the wiki
// has said which edits are saved, and that only a renomination changes the tag, the log line and
// the discussion pane.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "tests/qt/event_loop_wait.h"
#include "tests/qt/quick_panes.h"
#include "tests/qt/stand_in_wiki.h"
#include "tests/support/gui_test_constants.h"
#include "window/qt/form1_window.h"
#include "window/qt/utf8.h"

namespace nominator {
namespace {

using support::kEngineGiveUpMs;

using support::ArrivedRequest;
using support::StubAnswer;
using testing::_;
using testing::HasSubstr;
using testing::IsEmpty;
using testing::Not;

// The window gives up on the wiki after 10 s.
constexpr int kAnswerMs = 20000;

// How long the window may take to read an answer the wiki has sent.
constexpr int kReadMs = 2000;

constexpr std::string_view kDiscussionPath = "/wiki/Wikipedia:Articles_for_deletion/";

struct CheckRow {
    const char* name;
    const char* title;
    // What the wiki's API answers instead of the wiki itself; nothing: the wiki answers.
    std::optional<StubAnswer> answer;
    const char* status;  // what it starts with
    testing::Matcher<std::string> toolTip;
    bool warning;
    const char* tag;
    const char* logLine;
    const char* discussion;  // the discussion pane's last request, after the path
    const char* checked;     // the title the check asks the API about, as in its address
};

void PrintTo(const CheckRow& row, std::ostream* out) { *out << row.name; }

// Without the check's answer, the article's creator is not known either.
constexpr const char* kCheckFailed =
    "Could not check for earlier nominations. Could not find out who created the article: no "
    "notice to leave";

const CheckRow kRows[] = {
    {"FirstNomination", "Plain article", std::nullopt, "First nomination", _, false,
     "{{subst:afd}}", "{{subst:afd3 | pg=Plain article}}", "Plain%20article", "Plain%20article"},
    // Two earlier discussions, and one of another article whose title starts the same.
    {"ThirdNomination", "Sample page", std::nullopt, "3rd nomination: earlier discussions found", _,
     false, "{{subst:afdx|3rd}}", "{{subst:afd3 | pg=Sample page (3rd nomination)}}",
     "Sample%20page%20(3rd%20nomination)", "Sample%20page"},
    {"LowerCaseTitle", "sample_page ", std::nullopt, "3rd nomination: earlier discussions found", _,
     false, "{{subst:afdx|3rd}}", "{{subst:afd3 | pg=Sample page (3rd nomination)}}",
     "Sample%20page%20(3rd%20nomination)", "Sample%20page"},
    {"MissingArticle", "No such article", std::nullopt,
     "No article of this title on the wiki. No creator found for the article: no notice to leave",
     _, true, "{{subst:afd}}", "{{subst:afd3 | pg=No such article}}", "No%20such%20article",
     "No%20such%20article"},
    {"Redirect", "Sample redirect", std::nullopt,
     "This title is a redirect. No creator found for the article: no notice to leave", _, true,
     "{{subst:afd}}", "{{subst:afd3 | pg=Sample redirect}}", "Sample%20redirect",
     "Sample%20redirect"},
    {"OtherNamespace", "Template:Afd", std::nullopt, "Not in the article namespace", _, true,
     "{{subst:afd}}", "{{subst:afd3 | pg=Template:Afd}}", "Template:Afd", "Template:Afd"},
    // Tagged with {{subst:afd}} when the wiki was built, its discussion open.
    {"AlreadyTagged", "Tagged article", std::nullopt,
     "Already nominated: the article carries a deletion tag", _, true, "{{subst:afdx|2nd}}",
     "{{subst:afd3 | pg=Tagged article (2nd nomination)}}", "Tagged%20article%20(2nd%20nomination)",
     "Tagged%20article"},
    // Today's Main Page links it.
    {"LinkedFromTheMainPage", "Main Page article", std::nullopt,
     "Linked from the Main Page today: a nomination now is usually closed at once", Not(IsEmpty()),
     true, "{{subst:afd}}", "{{subst:afd3 | pg=Main Page article}}", "Main%20Page%20article",
     "Main%20Page%20article"},
    // Kept three weeks before the day, as the talk page's banner and the closing line say.
    {"KeptWeeksAgo", "Recently kept article", std::nullopt,
     "2nd nomination: the last discussion closed as keep on 14 February 2026", _, true,
     "{{subst:afdx|2nd}}", "{{subst:afd3 | pg=Recently kept article (2nd nomination)}}",
     "Recently%20kept%20article%20(2nd%20nomination)", "Recently%20kept%20article"},
    // Closed years ago, without a talk page: the date is the closing line's.
    {"ClosedYearsAgo", "Long ago kept article", std::nullopt,
     "2nd nomination: the last discussion closed as no consensus on 3 May 2019", _, false,
     "{{subst:afdx|2nd}}", "{{subst:afd3 | pg=Long ago kept article (2nd nomination)}}",
     "Long%20ago%20kept%20article%20(2nd%20nomination)", "Long%20ago%20kept%20article"},
    // Proposed for deletion, as a biography too: the article's fill takes the tag out.
    {"ProposedForDeletion", "Proposed article", std::nullopt,
     "First nomination. The proposed-deletion tag is removed by this edit", _, false,
     "{{subst:afd}}", "{{subst:afd3 | pg=Proposed article}}", "Proposed%20article",
     "Proposed%20article"},
    {"ABiographyProposedForDeletion", "Proposed biography", std::nullopt,
     "First nomination. The proposed-deletion tag is removed by this edit", _, false,
     "{{subst:afd}}", "{{subst:afd3 | pg=Proposed biography}}", "Proposed%20biography",
     "Proposed%20biography"},
    // Its speedy-deletion tag transcludes the template every such tag is built on.
    {"SpeedyTagged", "Speedy article", std::nullopt,
     "The article carries a speedy-deletion tag, which stays: an administrator decides on it",
     testing::StartsWith("First nomination"), true, "{{subst:afd}}",
     "{{subst:afd3 | pg=Speedy article}}", "Speedy%20article", "Speedy%20article"},
    {"ServerError", "Sample page", StubAnswer{500, "text/html", "", "<p>down</p>", false},
     kCheckFailed, HasSubstr("HTTP status 500"), false, "{{subst:afd}}",
     "{{subst:afd3 | pg=Sample page}}", "Sample%20page", "Sample%20page"},
    {"HtmlAnswer", "Sample page", StubAnswer{200, "text/html", "", "<p>{}</p>", false},
     kCheckFailed, HasSubstr("text/html"), false, "{{subst:afd}}",
     "{{subst:afd3 | pg=Sample page}}", "Sample%20page", "Sample%20page"},
    {"NoAnswer", "Sample page", StubAnswer{200, "application/json", "", "", true}, kCheckFailed,
     HasSubstr("no answer within"), false, "{{subst:afd}}", "{{subst:afd3 | pg=Sample page}}",
     "Sample%20page", "Sample%20page"},
};

std::vector<ArrivedRequest> RequestsFor(std::string_view prefix) {
    std::vector<ArrivedRequest> found;
    for (const ArrivedRequest& request : LoopbackWiki().tlsEnd().requests()) {
        if (request.target.starts_with(prefix)) found.push_back(request);
    }
    return found;
}

// The window's questions about which of the nomination's edits are saved.
std::size_t SavedEditsQuestions() {
    const std::vector<ArrivedRequest> asked = RequestsFor("/w/api.php?action=query&titles=");
    return static_cast<std::size_t>(
        std::count_if(asked.begin(), asked.end(), [](const auto& request) {
            return request.target.find("&prop=templates") != std::string::npos;
        }));
}

class NominationCheckTest : public testing::TestWithParam<CheckRow> {
protected:
    static void SetUpTestSuite() { LoopbackWiki(); }

    void SetUp() override {
        support::StubWikiServer& tlsEnd = LoopbackWiki().tlsEnd();
        if (const std::optional<StubAnswer>& answer = GetParam().answer) {
            tlsEnd.answer("/w/api.php",
                          [answer = *answer](const ArrivedRequest&) { return answer; });
        } else {
            tlsEnd.passOn("/w/api.php");
        }
        ASSERT_TRUE(window.load());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_TRUE(
            QTest::qWaitFor([] { return FindPane("Browser3") != nullptr; }, kEngineGiveUpMs));
    }

    Form1Window window{[] { return kNoonOnMarch7; }};
};

TEST_P(NominationCheckTest, TheStatusSaysWhatTheWikiAnsweredAndOnlyARenominationRewrites) {
    const CheckRow& row = GetParam();
    const std::size_t discussionsBefore = RequestsFor(kDiscussionPath).size();
    const std::size_t savedEditsBefore = SavedEditsQuestions();
    window.box(Box::Text1)->setText(QString::fromUtf8(row.title));
    QTest::mouseClick(window.command1(), Qt::LeftButton);
    QLabel* status = window.status();
    EXPECT_TRUE(status->isVisible());

    // The check's own line comes first, and what the review found a moment after it.
    EXPECT_TRUE(
        WaitInEventLoop([&] { return ToUtf8(status->text()).starts_with(row.status); }, kAnswerMs));
    ASSERT_NE(status->text(), QStringLiteral("Checking for earlier nominations..."))
        << "the status still says it is checking";
    // What follows says whether the article's creator gets a notice, which depends on who is
    // logged in to the panes.
    EXPECT_THAT(ToUtf8(status->text()), testing::StartsWith(row.status))
        << ToUtf8(status->toolTip());
    EXPECT_THAT(ToUtf8(status->toolTip()), row.toolTip);
    EXPECT_EQ(status->palette().color(QPalette::WindowText) !=
                  window.palette().color(QPalette::WindowText),
              row.warning);
    EXPECT_EQ(ToUtf8(window.box(Box::Text2)->text()), row.tag);
    EXPECT_EQ(ToUtf8(window.box(Box::Text5)->text()), row.logLine);
    // Text3 keeps the title as typed.
    EXPECT_THAT(ToUtf8(window.box(Box::Text3)->text()),
                HasSubstr(std::string("pg=") + row.title + "| text="));

    // The wiki may send the pane on to the page's canonical address: any request will do.
    const std::string discussion = std::string(kDiscussionPath) + row.discussion;
    ASSERT_TRUE(WaitInEventLoop(
        [&] {
            const auto requests = RequestsFor(kDiscussionPath);
            return std::any_of(requests.begin() + static_cast<std::ptrdiff_t>(discussionsBefore),
                               requests.end(),
                               [&](const auto& request) { return request.target == discussion; });
        },
        kAnswerMs))
        << "the discussion pane never asked for " << discussion;
    // The pages' own scripts may ask the API too.
    const std::vector<ArrivedRequest> checks =
        RequestsFor("/w/api.php?action=query&list=allpages&");
    ASSERT_FALSE(checks.empty());
    EXPECT_THAT(checks.back().target, HasSubstr(std::string("&titles=") + row.checked + "&"));

    // The window asks which edits are saved once the pages have loaded; none is, whatever the
    // article already holds, and what the check found still stands. A stand-in answer answers
    // that question too, or never.
    if (row.answer) return;
    ASSERT_TRUE(
        WaitInEventLoop([&] { return SavedEditsQuestions() > savedEditsBefore; }, kAnswerMs))
        << "the window never asked which edits are saved";
    EXPECT_FALSE(WaitInEventLoop(
        [&] {
            const std::string text = ToUtf8(status->text());
            return !text.starts_with(row.status) || text.find("Saved:") != std::string::npos;
        },
        kReadMs))
        << "once the wiki said which edits are saved, the status says: " << ToUtf8(status->text());
}

INSTANTIATE_TEST_SUITE_P(Answers, NominationCheckTest, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace nominator
