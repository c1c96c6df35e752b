// The check for earlier nominations through the real window and the real engine, against a
// loopback stand-in for the wiki's API: what the status line says, and that only a
// renomination changes the tag, the log line and the discussion pane.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <string>
#include <vector>

#include "tests/qt/event_loop_wait.h"
#include "tests/qt/quick_panes.h"
#include "tests/qt/stand_in_wiki.h"
#include "window/qt/form1_window.h"
#include "window/qt/utf8.h"

namespace nominator {
namespace {

using namespace std::chrono_literals;
using support::ArrivedRequest;
using support::StubAnswer;
using testing::HasSubstr;

const auto kNoonOnMarch7 = std::chrono::sys_days{std::chrono::year{2026} / 3 / 7} + 12h;
constexpr int kEngineStartMs = 60000;
// The window gives up on the wiki after 10 s.
constexpr int kAnswerMs = 20000;

constexpr std::string_view kDiscussionPath = "/wiki/Wikipedia:Articles_for_deletion/";

StubAnswer Json(std::string body) {
    return {200, "application/json; charset=utf-8", "", std::move(body), false};
}

// The API's answer (format version 1) for an article in namespace 0 with these earlier
// discussion pages.
std::string Answer(const std::string& article, const std::string& pageFlags,
                   const std::vector<std::string>& discussions) {
    std::string allpages;
    for (const std::string& discussion : discussions) {
        if (!allpages.empty()) allpages += ",";
        allpages += R"({"pageid":7,"ns":4,"title":"Wikipedia:Articles for deletion/)" + discussion +
                    R"("})";
    }
    return R"({"batchcomplete":"","query":{"pages":{"1":{"ns":0,"title":")" + article + "\"" +
           pageFlags + R"(}},"allpages":[)" + allpages + "]}}";
}

struct CheckRow {
    const char* name;
    const char* title;
    StubAnswer answer;
    const char* status;
    const char* toolTip;  // a part of it; empty: none
    bool warning;
    const char* tag;
    const char* logLine;
    const char* discussion;  // the discussion pane's last request, after the path
};

void PrintTo(const CheckRow& row, std::ostream* out) { *out << row.name; }

const CheckRow kRows[] = {
    {"FirstNomination", "Sample page", Json(Answer("Sample page", "", {})), "First nomination", "",
     false, "{{subst:afd}}", "{{subst:afd3 | pg=Sample page}}", "Sample%20page"},
    {"ThirdNomination", "Sample page",
     Json(Answer("Sample page", "",
                 {"Sample page", "Sample page (2nd nomination)", "Sample page and more"})),
     "3rd nomination: earlier discussions found", "", false, "{{subst:afdx|3rd}}",
     "{{subst:afd3 | pg=Sample page (3rd nomination)}}", "Sample%20page%20(3rd%20nomination)"},
    {"LowerCaseTitle", "sample_page ", Json(Answer("Sample page", "", {"Sample page"})),
     "2nd nomination: earlier discussions found", "", false, "{{subst:afdx|2nd}}",
     "{{subst:afd3 | pg=Sample page (2nd nomination)}}", "Sample%20page%20(2nd%20nomination)"},
    {"MissingArticle", "Sample page", Json(Answer("Sample page", R"(,"missing":"")", {})),
     "No article of this title on the wiki", "", true, "{{subst:afd}}",
     "{{subst:afd3 | pg=Sample page}}", "Sample%20page"},
    {"Redirect", "Sample page", Json(Answer("Sample page", R"(,"redirect":"")", {})),
     "This title is a redirect", "", true, "{{subst:afd}}", "{{subst:afd3 | pg=Sample page}}",
     "Sample%20page"},
    {"AlreadyTagged", "Sample page",
     Json(Answer("Sample page",
                 R"(,"templates":[{"ns":10,"title":"Template:Article for deletion/dated"}])",
                 {"Sample page"})),
     "Already nominated: the article carries a deletion tag", "", true, "{{subst:afdx|2nd}}",
     "{{subst:afd3 | pg=Sample page (2nd nomination)}}", "Sample%20page%20(2nd%20nomination)"},
    {"ServerError",
     "Sample page",
     {500, "text/html", "", "<p>down</p>", false},
     "Could not check for earlier nominations",
     "HTTP status 500",
     false,
     "{{subst:afd}}",
     "{{subst:afd3 | pg=Sample page}}",
     "Sample%20page"},
    {"HtmlAnswer",
     "Sample page",
     {200, "text/html", "", "<p>{}</p>", false},
     "Could not check for earlier nominations",
     "text/html",
     false,
     "{{subst:afd}}",
     "{{subst:afd3 | pg=Sample page}}",
     "Sample%20page"},
    {"NoAnswer",
     "Sample page",
     {200, "application/json", "", "", true},
     "Could not check for earlier nominations",
     "no answer within",
     false,
     "{{subst:afd}}",
     "{{subst:afd3 | pg=Sample page}}",
     "Sample%20page"},
};

std::vector<ArrivedRequest> RequestsFor(std::string_view prefix) {
    std::vector<ArrivedRequest> found;
    for (const ArrivedRequest& request : StandInWiki().requests()) {
        if (request.target.starts_with(prefix)) found.push_back(request);
    }
    return found;
}

class NominationCheckTest : public testing::TestWithParam<CheckRow> {
protected:
    static void SetUpTestSuite() { StandInWiki(); }

    void SetUp() override {
        StandInWiki().answer(
            "/w/api.php", [answer = GetParam().answer](const ArrivedRequest&) { return answer; });
        ASSERT_TRUE(window.load());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_TRUE(
            QTest::qWaitFor([] { return FindPane("Browser3") != nullptr; }, kEngineStartMs));
    }

    Form1Window window{[] { return kNoonOnMarch7; }};
};

TEST_P(NominationCheckTest, TheStatusSaysWhatTheWikiAnsweredAndOnlyARenominationRewrites) {
    const CheckRow& row = GetParam();
    const std::size_t discussionsBefore = RequestsFor(kDiscussionPath).size();
    window.box(Box::Text1)->setText(QString::fromUtf8(row.title));
    QTest::mouseClick(window.command1(), Qt::LeftButton);
    QLabel* status = window.status();
    EXPECT_TRUE(status->isVisible());

    ASSERT_TRUE(WaitInEventLoop(
        [&] { return status->text() != QStringLiteral("Checking for earlier nominations..."); },
        kAnswerMs))
        << "the status still says it is checking";
    EXPECT_EQ(ToUtf8(status->text()), row.status) << ToUtf8(status->toolTip());
    EXPECT_THAT(ToUtf8(status->toolTip()), HasSubstr(row.toolTip));
    EXPECT_EQ(status->palette().color(QPalette::WindowText) !=
                  window.palette().color(QPalette::WindowText),
              row.warning);
    EXPECT_EQ(ToUtf8(window.box(Box::Text2)->text()), row.tag);
    EXPECT_EQ(ToUtf8(window.box(Box::Text5)->text()), row.logLine);
    // Text3 keeps the title as typed.
    EXPECT_THAT(ToUtf8(window.box(Box::Text3)->text()),
                HasSubstr(std::string("pg=") + row.title + "| text="));

    const std::string discussion = std::string(kDiscussionPath) + row.discussion;
    ASSERT_TRUE(WaitInEventLoop(
        [&] {
            const auto requests = RequestsFor(kDiscussionPath);
            return requests.size() > discussionsBefore && requests.back().target == discussion;
        },
        kAnswerMs))
        << "the discussion pane never asked for " << discussion
        << "; last: " << RequestsFor(kDiscussionPath).back().target;
    const std::vector<ArrivedRequest> checks = RequestsFor("/w/api.php");
    ASSERT_FALSE(checks.empty());
    EXPECT_THAT(checks.back().target, HasSubstr("&titles=Sample%20page&"));
}

INSTANTIATE_TEST_SUITE_P(Answers, NominationCheckTest, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace nominator
