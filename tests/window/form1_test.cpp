#include "window/form1.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/creator_query.h"
#include "core/nomination_page.h"
#include "core/nomination_plan.h"
#include "core/nomination_review.h"
#include "core/saved_edits.h"
#include "core/status_catalogue.h"
#include "tests/window/fake_view.h"
#include "window/close_question.h"
#include "window/pane_labels.h"

namespace nominator {
namespace {

using std::chrono::sys_days;
using namespace std::chrono_literals;
using testing::Contains;
using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;
using testing::Not;
using testing::StartsWith;

// The panes of the nomination's edits, as the plan numbers them.
Pane PaneOfKind(EditKind kind) { return static_cast<Pane>(*EditOfKind(PlanNomination({}), kind)); }
const Pane kArticlePane = PaneOfKind(EditKind::ArticleTag);
const Pane kDiscussionPane = PaneOfKind(EditKind::Discussion);
const Pane kLogPane = PaneOfKind(EditKind::DayLog);
const Pane kTalkPane = PaneOfKind(EditKind::CreatorNotice);

// One second before the new year in UTC: today and tomorrow fall in different months and years.
const auto kNewYearsEve = sys_days{std::chrono::year{2026} / 12 / 31} + 23h + 59min + 59s;

const std::string kTodaysLog =
    "https://en.wikipedia.org/w/index.php?title=Wikipedia:Articles_for_deletion/Log/"
    "2026_December_31&action=edit";
const std::string kTomorrowsLog =
    "https://en.wikipedia.org/w/index.php?title=Wikipedia:Articles_for_deletion/Log/"
    "2027_January_1&action=edit";

// The check that a click on the title Sample asks for.
const std::string kSampleCheck =
    "https://en.wikipedia.org/w/api.php?action=query&list=allpages&apnamespace=4"
    "&apprefix=Articles%20for%20deletion/Sample&apfilterredir=nonredirects&aplimit=max"
    "&titles=Sample&prop=info%7Ctemplates%7Crevisions"
    "&tltemplates=Template:Article%20for%20deletion/dated%7CTemplate:AfDM"
    "%7CTemplate:Proposed%20deletion/dated%7CTemplate:Prod%20blp/dated%7CTemplate:Db-meta"
    "&rvdir=newer&rvlimit=1&rvprop=user%7Ccontent&rvslots=main&meta=userinfo&format=json";

std::vector<std::string> Joined(std::vector<std::string> first,
                                const std::vector<std::string>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

// The seven steps of a nomination of Sample, as they have always run.
const std::vector<std::string> kSampleSteps = {
    "show Text2",
    "show Text3",
    "show Text5",
    "show Tabby",
    "set Text3 {{subst:afd2 | pg=Sample| text=Not notable}} ~~~~",
    "set Text5 {{subst:afd3 | pg=Sample}}",
    "hide Text6",
    "navigate Browser https://en.wikipedia.org/w/index.php?title=Sample&action=edit",
    "navigate Browser3 " + kTodaysLog,
    "navigate Browser2 https://en.wikipedia.org/wiki/Wikipedia:Articles_for_deletion/Sample",
    "navigate Browser4 about:blank",
};

// What follows them: the status line, and the check under the click's ticket.
std::vector<std::string> SampleCheckSteps(int ticket) {
    return {"show Status", "set Status Checking for earlier nominations...",
            "request " + std::to_string(ticket) + " " + kSampleCheck};
}

const std::vector<std::string> kSampleNomination = Joined(kSampleSteps, SampleCheckSteps(1));

// Answers of the wiki's API to the check, as it sends them in its default format. The user,
// Nominator, created Sample, unless an answer says otherwise.
const std::string kUser = R"("userinfo":{"id":1,"name":"Nominator"})";
std::string FirstRevisionBy(const std::string& user, const std::string& text = "Text") {
    return R"("revisions":[{"user":")" + user + R"(","slots":{"main":{"*":")" + text + R"("}}}])";
}
const std::string kFirstNominationAnswer =
    R"({"batchcomplete":"","query":{"allpages":[],"pages":{"123":{"pageid":123,"ns":0,)"
    R"("title":"Sample","contentmodel":"wikitext","lastrevid":1,"length":100,)" +
    FirstRevisionBy("Nominator") + "}}," + kUser + "}}";
const std::string kThirdNominationAnswer =
    R"({"batchcomplete":"","query":{"allpages":[)"
    R"({"pageid":1,"ns":4,"title":"Wikipedia:Articles for deletion/Sample"},)"
    R"j({"pageid":2,"ns":4,"title":"Wikipedia:Articles for deletion/Sample (2nd nomination)"},)j"
    R"({"pageid":3,"ns":4,"title":"Wikipedia:Articles for deletion/Sample and more"}],)"
    R"("pages":{"123":{"pageid":123,"ns":0,"title":"Sample",)" +
    FirstRevisionBy("Nominator") + "}}," + kUser + "}}";
const std::string kMissingSecondNominationAnswer =
    R"({"query":{"allpages":[{"pageid":1,"ns":4,"title":"Wikipedia:Articles for deletion/Sample"}],)"
    R"("pages":{"-1":{"ns":0,"title":"Sample","missing":""}},)" +
    kUser + "}}";
const std::string kRedirectAnswer =
    R"({"query":{"allpages":[],"pages":{"7":{"ns":0,"title":"Sample","redirect":"",)" +
    FirstRevisionBy("Nominator", "#REDIRECT [[Example]]") + "}}," + kUser + "}}";
const std::string kTaggedAnswer =
    R"({"query":{"allpages":[],"pages":{"7":{"ns":0,"title":"Sample","templates":[)"
    R"({"ns":10,"title":"Template:Article for deletion/dated"}],)" +
    FirstRevisionBy("Nominator") + "}}," + kUser + "}}";

// What the status line adds when the user created the article, and when the wiki said nothing
// of its creator.
const std::string kOwnArticle = ". You created the article: no notice needed";
const std::string kCreatorUnknown =
    ". Could not find out who created the article: no notice to leave";

// What a renomination answer for Sample writes: the third nomination's tag, log line and page.
const std::vector<std::string> kThirdNominationWrites = {
    "set Text2 {{subst:afdx|3rd}}",
    "set Text5 {{subst:afd3 | pg=Sample (3rd nomination)}}",
    "navigate Browser2 https://en.wikipedia.org/wiki/Wikipedia:Articles_for_deletion/"
    "Sample%20(3rd%20nomination)",
};

// The question which of Sample's edits the wiki holds, after the check found this discussion.
// The plan of the Nth nomination of Sample on New Year's Eve, the notice in the state given.
NominationPlan SamplePlan(int nomination = 1, NoticeState notice = NoticeState::Unknown,
                          const std::string& creator = "") {
    return PlanNomination({.typedTitle = "Sample",
                           .name = "Sample",
                           .reason = "Not notable",
                           .logKey = "2026_December_31",
                           .number = nomination,
                           .notice = notice,
                           .creator = creator});
}

std::string AskSaved(int ticket, int nomination = 1) {
    return "ask saved " + std::to_string(ticket) + " " +
           SavedEditsUrls(SamplePlan(nomination)).at(0);
}

// The same when the check found the article tagged already, in this revision.
std::string AskSavedAfter(int ticket, long long revision) {
    NominationPlan plan = SamplePlan();
    plan.front().savedAfterRevision = revision;
    return "ask saved " + std::to_string(ticket) + " " + SavedEditsUrls(plan).at(0);
}

// The question what the wiki's reviewers would look at, once the creator is settled.
std::string AskReview(int ticket, int nomination = 1, const std::string& creator = "") {
    return "ask review " + std::to_string(ticket) + " " +
           ReviewUrl("Sample",
                     nomination > 1 ? "Wikipedia:Articles for deletion/" +
                                          NominationPage("Sample", nomination - 1)
                                    : "",
                     creator);
}

// The status line's changes among the operations.
std::vector<std::string> StatusesOf(const std::vector<std::string>& operations) {
    std::vector<std::string> statuses;
    for (const std::string& operation : operations) {
        if (operation.starts_with("set Status")) statuses.push_back(operation);
    }
    return statuses;
}

class Form1Test : public testing::Test {
protected:
    // A nomination of Sample, its operations cleared so that a test sees only what follows.
    void nominateSample() {
        view.type(Box::Text1, "Sample");
        view.type(Box::Reason, "Not notable");
        form.Command1_Click();
        view.clearOperations();
    }

    FakeView view;
    Form1 form{view, [] { return kNewYearsEve; }};
};

TEST_F(Form1Test, LoadFillsTheHiddenLogLineForTheDesignTitle) {
    form.Form_Load();
    EXPECT_THAT(view.operations(),
                ElementsAre("panes Tab 0 Article editor: The article in the wiki's editor | "
                            "Tab 1 Deletion discussion: The article's deletion discussion page | "
                            "Tab 2 Day's log editor: The day's deletion log in the wiki's editor | "
                            "Tab 3 Creator's talk page: The article creator's talk page in the "
                            "wiki's editor",
                            "set Text5 {{subst:afd3 | pg=Word}}"));
    EXPECT_THAT(form.CurDate, IsEmpty());
}

TEST_F(Form1Test, NominationShowsFillsNavigatesAndAsksInOrder) {
    view.type(Box::Text1, "Sample");
    view.type(Box::Reason, "Not notable");
    form.Command1_Click();
    EXPECT_THAT(view.operations(), ElementsAreArray(kSampleNomination));
    EXPECT_EQ(form.CurDate, "2026_December_31");
}

TEST_F(Form1Test, EveryNominationRebuildsFromTheCurrentTextsAndNeverWritesTheTag) {
    view.type(Box::Text1, "First");
    form.Command1_Click();
    view.type(Box::Text1, "AT&T");
    view.type(Box::Reason, "");
    view.clearOperations();
    form.Command1_Click();
    EXPECT_THAT(view.operations(), Contains("set Text3 {{subst:afd2 | pg=AT&T| text=}} ~~~~"));
    EXPECT_THAT(view.operations(), Contains("navigate Browser https://en.wikipedia.org/w/"
                                            "index.php?title=AT%26T&action=edit"));
    EXPECT_THAT(view.operations(), Not(Contains(StartsWith("set Text2"))));
}

TEST_F(Form1Test, ALowerCaseTitleNamesTheDiscussionUnderTheWikisName) {
    view.type(Box::Text1, " sample__page ");
    view.type(Box::Reason, "r");
    form.Command1_Click();
    EXPECT_THAT(view.operations(),
                ElementsAreArray(std::vector<std::string>{
                    "show Text2",
                    "show Text3",
                    "show Text5",
                    "show Tabby",
                    "set Text3 {{subst:afd2 | pg= sample__page | text=r}} ~~~~",
                    "set Text5 {{subst:afd3 | pg=Sample page}}",
                    "hide Text6",
                    "navigate Browser https://en.wikipedia.org/w/"
                    "index.php?title=%20sample__page%20&action=edit",
                    "navigate Browser3 " + kTodaysLog,
                    "navigate Browser2 https://en.wikipedia.org/wiki/"
                    "Wikipedia:Articles_for_deletion/Sample%20page",
                    "navigate Browser4 about:blank",
                    "show Status",
                    "set Status Checking for earlier nominations...",
                    "request 1 https://en.wikipedia.org/w/api.php?action=query&list=allpages"
                    "&apnamespace=4&apprefix=Articles%20for%20deletion/Sample%20page"
                    "&apfilterredir=nonredirects&aplimit=max&titles=Sample%20page"
                    "&prop=info%7Ctemplates%7Crevisions"
                    "&tltemplates=Template:Article%20for%20deletion/dated%7CTemplate:AfDM"
                    "%7CTemplate:Proposed%20deletion/dated%7CTemplate:Prod%20blp/dated"
                    "%7CTemplate:Db-meta&rvdir=newer&rvlimit=1&rvprop=user%7Ccontent&rvslots=main&"
                    "meta=userinfo"
                    "&format=json",
                }));
}

struct AnswerCase {
    const char* name;
    std::string body;
    std::vector<std::string> operations;
};

void PrintTo(const AnswerCase& row, std::ostream* out) { *out << row.name; }

class Form1AnswerTest : public Form1Test, public testing::WithParamInterface<AnswerCase> {};

TEST_P(Form1AnswerTest, SetsTheStatusAndRewritesOnlyForARenomination) {
    nominateSample();
    form.NominationCheckAnswered(1, GetParam().body);
    EXPECT_THAT(view.operations(), ElementsAreArray(GetParam().operations));
}

// After each, the question which of the nomination's edits the wiki holds.
const AnswerCase kAnswers[] = {
    {"FirstNomination",
     kFirstNominationAnswer,
     {"set Status First nomination" + kOwnArticle, AskSaved(1), AskReview(1)}},
    {"ThirdNomination", kThirdNominationAnswer,
     Joined(kThirdNominationWrites,
            {"set Status 3rd nomination: earlier discussions found" + kOwnArticle, AskSaved(1, 3),
             AskReview(1, 3)})},
    {"MissingArticleWithAnEarlierNomination",
     kMissingSecondNominationAnswer,
     {"set Text2 {{subst:afdx|2nd}}", "set Text5 {{subst:afd3 | pg=Sample (2nd nomination)}}",
      "navigate Browser2 https://en.wikipedia.org/wiki/Wikipedia:Articles_for_deletion/"
      "Sample%20(2nd%20nomination)",
      "set Status (warning) No article of this title on the wiki. No creator found for the "
      "article: no notice to leave | tip: 2nd nomination: earlier discussions found",
      AskSaved(1, 2), AskReview(1, 2)}},
    {"Redirect",
     kRedirectAnswer,
     {"set Status (warning) This title is a redirect. No creator found for the article: no notice "
      "to leave | tip: First nomination",
      AskSaved(1), AskReview(1)}},
    {"AlreadyTagged",
     kTaggedAnswer,
     {"set Status (warning) Already nominated: the article carries a deletion tag" + kOwnArticle +
          " | tip: First nomination",
      AskSavedAfter(1, 0), AskReview(1)}},
    {"Html",
     "<html><body>Bad gateway</body></html>",
     {"set Status Could not check for earlier nominations" + kCreatorUnknown +
          " | tip: the answer is not JSON",
      AskSaved(1)}},
    {"ApiError",
     R"({"error":{"code":"maxlag","info":"Waiting for a database server"}})",
     {"set Status Could not check for earlier nominations" + kCreatorUnknown +
          " | tip: the wiki answered with an error: maxlag (Waiting for a database server)",
      AskSaved(1)}},
};

INSTANTIATE_TEST_SUITE_P(Answers, Form1AnswerTest, testing::ValuesIn(kAnswers),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form1Test, AFailedCheckOnlySaysSoWithItsReason) {
    nominateSample();
    form.NominationCheckFailed(1, "the wiki answered with HTTP status 500");
    EXPECT_THAT(view.operations(),
                ElementsAre("set Status Could not check for earlier nominations" + kCreatorUnknown +
                                " | tip: the wiki answered with HTTP status 500",
                            AskSaved(1)));
}

TEST_F(Form1Test, AnOutcomeForAnEarlierClickChangesNothing) {
    nominateSample();
    form.Command1_Click();
    view.clearOperations();
    form.NominationCheckAnswered(1, kThirdNominationAnswer);
    form.NominationCheckFailed(1, "timed out");
    EXPECT_THAT(view.operations(), IsEmpty());

    form.NominationCheckAnswered(2, kThirdNominationAnswer);
    EXPECT_THAT(view.operations(), Contains("set Text2 {{subst:afdx|3rd}}"));
}

TEST_F(Form1Test, OnlyTheFirstOutcomeOfACheckCounts) {
    nominateSample();
    form.NominationCheckFailed(1, "timed out");
    view.clearOperations();
    form.NominationCheckAnswered(1, kThirdNominationAnswer);
    form.NominationCheckFailed(1, "timed out again");
    EXPECT_THAT(view.operations(), IsEmpty());
}

TEST_F(Form1Test, AnOutcomeBeforeAnyClickChangesNothing) {
    form.NominationCheckAnswered(0, kThirdNominationAnswer);
    form.NominationCheckAnswered(1, kThirdNominationAnswer);
    form.NominationCheckFailed(1, "timed out");
    EXPECT_THAT(view.operations(), IsEmpty());
}

TEST_F(Form1Test, EveryClickAsksUnderANewTicket) {
    nominateSample();
    form.Command1_Click();
    EXPECT_THAT(view.operations().back(), StartsWith("request 2 "));
}

// The answer is about the name that was asked for, even when the title box has changed since.
TEST_F(Form1Test, TheAnswerNamesThePageOfTheTitleAskedFor) {
    nominateSample();
    view.type(Box::Text1, "Other");
    form.NominationCheckAnswered(1, kThirdNominationAnswer);
    EXPECT_THAT(view.operations(),
                ElementsAreArray(
                    Joined(kThirdNominationWrites,
                           {"set Status 3rd nomination: earlier discussions found" + kOwnArticle,
                            AskSaved(1, 3), AskReview(1, 3)})));
}

// A nomination fills the editors its panes show after its click: one shown before, even at the
// same address (the day's log, the same article again), belongs to the earlier nomination.
TEST_F(Form1Test, TheNextClickPutsBackTheFirstNominationsTag) {
    nominateSample();
    form.NominationCheckAnswered(1, kThirdNominationAnswer);
    view.clearOperations();
    form.Command1_Click();

    EXPECT_THAT(view.operations(),
                ElementsAreArray(Joined(Joined(kSampleSteps, {"set Text2 {{subst:afd}}"}),
                                        SampleCheckSteps(2))));

    // Put back once, it is the design text again and later clicks leave Text2 alone.
    view.clearOperations();
    form.Command1_Click();
    EXPECT_THAT(view.operations(), Not(Contains(testing::HasSubstr("Text2 "))));
}

TEST_F(Form1Test, ATagTheUserEditedStays) {
    nominateSample();
    form.NominationCheckAnswered(1, kThirdNominationAnswer);
    view.type(Box::Text2, "{{subst:afdx|3rd}} ");
    view.clearOperations();
    form.Command1_Click();
    form.Command1_Click();
    EXPECT_THAT(view.operations(), Not(Contains(StartsWith("set Text2"))));
    EXPECT_EQ(view.text(Box::Text2), "{{subst:afdx|3rd}} ");
}

// A pane whose page the user kept, for its unsaved changes, over the nomination's page.
struct BehindStep {
    enum Kind { Stayed, Arrived, Answered, Nominated } kind;
    Pane pane = kArticlePane;
    const char* page = "";
};

struct BehindRow {
    const char* name;
    std::vector<BehindStep> steps;
    // The status line after the last step; "" when the last step did not set it.
    std::string status;
};

void PrintTo(const BehindRow& row, std::ostream* out) { *out << row.name; }

class PanesBehindTest : public Form1Test, public testing::WithParamInterface<BehindRow> {};

TEST_P(PanesBehindTest, TheStatusLineSaysWhichTabStillShowsWhichPage) {
    nominateSample();
    for (const BehindStep& step : GetParam().steps) {
        view.clearOperations();
        switch (step.kind) {
            case BehindStep::Stayed:
                form.PaneStayed(step.pane, step.page);
                break;
            case BehindStep::Arrived:
                form.PaneArrived(step.pane);
                break;
            case BehindStep::Answered:
                form.NominationCheckAnswered(1, kFirstNominationAnswer);
                break;
            case BehindStep::Nominated:
                form.Command1_Click();
                break;
        }
    }
    std::vector<std::string> statuses;
    for (const std::string& operation : view.operations()) {
        if (operation.starts_with("set Status")) statuses.push_back(operation);
    }
    if (GetParam().status.empty()) {
        EXPECT_THAT(statuses, IsEmpty());
    } else {
        EXPECT_THAT(statuses, ElementsAre(GetParam().status));
    }
}

const std::string kTabZeroBehind =
    "set Status (warning) Tab 0 still shows an earlier page, kept for its unsaved changes: "
    "\"Editing AT&T\" | tip: Still shown: tab 0: \"Editing AT&T\". Click AFD again (Next Day "
    "-> for the log) to open this nomination's pages.\n";

const BehindRow kBehindRows[] = {
    {"StayingWarnsAboveTheCheck",
     {{BehindStep::Stayed, kArticlePane, "Editing AT&T"}},
     kTabZeroBehind + "Checking for earlier nominations..."},
    {"TheCheckAnsweringKeepsTheWarning",
     {{BehindStep::Stayed, kArticlePane, "Editing AT&T"}, {BehindStep::Answered}},
     kTabZeroBehind + "First nomination" + kOwnArticle},
    {"ANewNominationKeepsTheWarningUntilThePaneArrives",
     {{BehindStep::Stayed, kArticlePane, "Editing AT&T"}, {BehindStep::Nominated}},
     kTabZeroBehind + "Checking for earlier nominations..."},
    {"ArrivingBringsBackTheCheck",
     {{BehindStep::Stayed, kArticlePane, "Editing AT&T"},
      {BehindStep::Answered},
      {BehindStep::Arrived, kArticlePane}},
     "set Status First nomination" + kOwnArticle},
    {"AnotherPaneArrivingChangesNothing",
     {{BehindStep::Stayed, kArticlePane, "Editing AT&T"}, {BehindStep::Arrived, kLogPane}},
     ""},
    {"TwoTabsBehindAreNamedTogether",
     {{BehindStep::Stayed, kLogPane, "Editing the log"},
      {BehindStep::Stayed, kArticlePane, "Editing AT&T"}},
     "set Status (warning) Tabs 0 and 2 still show earlier pages, kept for their unsaved changes: "
     "\"Editing AT&T\" and \"Editing the log\" | tip: Still shown: tab 0: \"Editing AT&T\" and "
     "tab 2: \"Editing the log\". Click AFD again (Next Day -> for the log) to open this "
     "nomination's pages.\nChecking for earlier nominations..."},
    {"OneOfTwoArriving",
     {{BehindStep::Stayed, kLogPane, "Editing the log"},
      {BehindStep::Stayed, kArticlePane, "Editing AT&T"},
      {BehindStep::Arrived, kLogPane}},
     kTabZeroBehind + "Checking for earlier nominations..."},
};

INSTANTIATE_TEST_SUITE_P(Steps, PanesBehindTest, testing::ValuesIn(kBehindRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form1Test, APaneBehindBeforeAnyNominationShowsTheStatusLine) {
    form.PaneStayed(kLogPane, "Editing the log");
    ASSERT_THAT(view.operations(), Not(IsEmpty()));
    EXPECT_EQ(view.operations().front(), "show Status");
    EXPECT_THAT(view.operations().back(),
                StartsWith("set Status (warning) Tab 2 still shows an earlier page"));
}

// It stays while the rest of the line changes underneath (the check, the saves), until the
// pane loads another page or the next click.
TEST_F(Form1Test, WhatAPaneDidNotKeepShowsOnTheStatusLineUntilThePaneMovesOn) {
    const std::string refused =
        "set Status (warning) Tab 3 did not open \"file:///etc/hostname\": the tabs show only the "
        "wiki, and only web and mail addresses go to your browser | tip: file:///etc/hostname";
    form.PaneNoticed(kTalkPane, PaneNotice::AddressRefused, "file:///etc/hostname", "");
    EXPECT_THAT(view.operations(), ElementsAre("show Status", refused));

    nominateSample();
    form.PaneNoticed(kTalkPane, PaneNotice::AddressRefused, "file:///etc/hostname", "");
    form.NominationCheckAnswered(1, kFirstNominationAnswer);
    form.PaneLoaded(kArticlePane);
    EXPECT_EQ(StatusesOf(view.operations()), (std::vector<std::string>{refused, refused}));

    view.clearOperations();
    form.PaneLoaded(kTalkPane);
    EXPECT_EQ(StatusesOf(view.operations()),
              (std::vector<std::string>{"set Status First nomination" + kOwnArticle}));

    form.PaneNoticed(kTalkPane, PaneNotice::AddressRefused, "file:///etc/hostname", "");
    view.clearOperations();
    form.Command1_Click();
    EXPECT_EQ(StatusesOf(view.operations()),
              (std::vector<std::string>{"set Status " + StatusText(StatusId::Checking)}));
}

TEST_F(Form1Test, NextDayAlwaysCountsFromTodayAndTouchesOnlyTheLogPane) {
    form.DayPlus_Click();
    form.DayPlus_Click();
    EXPECT_THAT(view.operations(), ElementsAre("navigate Browser3 " + kTomorrowsLog,
                                               "navigate Browser3 " + kTomorrowsLog));
    EXPECT_EQ(form.CurDate, "2027_January_1");
}

TEST_F(Form1Test, NominationAfterNextDayGoesBackToToday) {
    form.DayPlus_Click();
    form.Command1_Click();
    EXPECT_EQ(form.CurDate, "2026_December_31");
    // The log pane's last navigation is to today's log.
    std::vector<std::string> logNavigations;
    for (const std::string& operation : view.operations()) {
        if (operation.starts_with("navigate Browser3 ")) logNavigations.push_back(operation);
    }
    EXPECT_THAT(logNavigations, ElementsAre("navigate Browser3 " + kTomorrowsLog,
                                            "navigate Browser3 " + kTodaysLog));
}

TEST_F(Form1Test, TheClockIsReadAtEveryClick) {
    auto now = kNewYearsEve;
    Form1 ticking{view, [&now] { return now; }};
    ticking.Command1_Click();
    now += 1s;
    ticking.Command1_Click();
    EXPECT_EQ(ticking.CurDate, "2027_January_1");
}

// A failing view operation ends the handler right there: nothing after it is attempted.
TEST_F(Form1Test, AFailingOperationEndsTheNominationThere) {
    for (std::size_t failing = 0; failing < kSampleNomination.size(); ++failing) {
        SCOPED_TRACE("failing: " + kSampleNomination[failing]);
        FakeView failingView;
        failingView.type(Box::Text1, "Sample");
        failingView.type(Box::Reason, "Not notable");
        failingView.failAt(failing);
        Form1 failingForm{failingView, [] { return kNewYearsEve; }};

        EXPECT_THROW(failingForm.Command1_Click(), std::runtime_error);
        const std::vector<std::string> before(
            kSampleNomination.begin(),
            kSampleNomination.begin() + static_cast<std::ptrdiff_t>(failing));
        EXPECT_THAT(failingView.operations(), ElementsAreArray(before));
    }
}

TEST_F(Form1Test, AFailingNavigationEndsNextDay) {
    view.failAt(0);
    EXPECT_THROW(form.DayPlus_Click(), std::runtime_error);
    EXPECT_THAT(view.operations(), IsEmpty());
}

// What the panes report of their editors, and what Form1 puts into them.
struct FillStep {
    enum Kind { Shown, Filled, Answered, ThirdAnswered, Failed, NextDay, Nominated, TypedTag } kind;
    Pane pane = kArticlePane;
    std::string page = {};
    std::string text = {};
};

struct FillRow {
    const char* name;
    std::vector<FillStep> steps;
    // The fills asked for, and any warning about a text that has no place, in order.
    std::vector<std::string> fills;
};

void PrintTo(const FillRow& row, std::ostream* out) { *out << row.name; }

class FillTest : public Form1Test, public testing::WithParamInterface<FillRow> {};

TEST_P(FillTest, EachEditorGetsItsTextOnceTheCheckHasAnswered) {
    nominateSample();
    int ticket = 1;
    for (const FillStep& step : GetParam().steps) {
        switch (step.kind) {
            case FillStep::Shown:
                form.EditorShown(step.pane, step.page, step.text);
                break;
            case FillStep::Filled:
                form.EditorFilled(step.pane, step.page);
                break;
            case FillStep::Answered:
                form.NominationCheckAnswered(ticket, kFirstNominationAnswer);
                break;
            case FillStep::ThirdAnswered:
                form.NominationCheckAnswered(ticket, kThirdNominationAnswer);
                break;
            case FillStep::Failed:
                form.NominationCheckFailed(ticket, "timed out");
                break;
            case FillStep::NextDay:
                form.DayPlus_Click();
                break;
            case FillStep::Nominated:
                form.Command1_Click();
                ++ticket;
                break;
            case FillStep::TypedTag:
                view.type(Box::Text2, step.text);
                break;
        }
    }
    std::vector<std::string> fills;
    for (const std::string& operation : view.operations()) {
        if (operation.starts_with("fill ") || operation.find("No place") != std::string::npos) {
            fills.push_back(operation);
        }
    }
    EXPECT_THAT(fills, ElementsAreArray(GetParam().fills));
}

const std::string kTagSummary =
    " | summary: Nominated for deletion; see [[:Wikipedia:Articles for deletion/Sample]].";
const std::string kArticle = "{{Short description|A sample}}\n'''Sample''' is a word.";
const std::string kTaggedArticle =
    "{{Short description|A sample}}\n{{subst:afd}}\n'''Sample''' is a word.";
const std::string kTodaysLogPage = "Wikipedia:Articles_for_deletion/Log/2026_December_31";
const std::string kLogText =
    "<!-- Add new entries to the TOP of the following list -->\n"
    "{{Wikipedia:Articles for deletion/Older}}\n";

const std::string kSampleLogFill =
    "fill Browser3 " + kTodaysLogPage + " | shown: " + kLogText +
    " | text: <!-- Add new entries to the TOP of the following list -->\n{{subst:afd3 | "
    "pg=Sample}}\n{{Wikipedia:Articles for deletion/Older}}\n | summary: Adding "
    "[[:Wikipedia:Articles for deletion/Sample]].";

std::string ArticleFill(const std::string& shown, const std::string& text) {
    return "fill Browser Sample | shown: " + shown + " | text: " + text + kTagSummary;
}

const FillRow kFillRows[] = {
    {"AnEditorShownBeforeTheAnswerWaitsForIt",
     {{FillStep::Shown, kArticlePane, "Sample", kArticle}, {FillStep::Answered}},
     {ArticleFill(kArticle, kTaggedArticle)}},
    {"AFailedCheckFillsToo",
     {{FillStep::Failed}, {FillStep::Shown, kArticlePane, "Sample", kArticle}},
     {ArticleFill(kArticle, kTaggedArticle)}},
    {"NothingBeforeTheCheckHasAnswered", {{FillStep::Shown, kArticlePane, "Sample", kArticle}}, {}},
    {"TheTagAsTheUserEditedIt",
     {{FillStep::Answered},
      {FillStep::TypedTag, kArticlePane, "", "{{subst:afd|help=off}}"},
      {FillStep::Shown, kArticlePane, "Sample", "Word."}},
     {ArticleFill("Word.", "{{subst:afd|help=off}}\nWord.")}},
    {"AnotherPagesEditorGetsNothing",
     {{FillStep::Answered}, {FillStep::Shown, kArticlePane, "Other", kArticle}},
     {}},
    {"AnEditorThatHoldsTheTagGetsNothing",
     {{FillStep::Answered}, {FillStep::Shown, kArticlePane, "Sample", kTaggedArticle}},
     {}},
    // The page read anew, because the user typed before the fill arrived.
    {"ReadAnewUntilFilled",
     {{FillStep::Answered},
      {FillStep::Shown, kArticlePane, "Sample", "a"},
      {FillStep::Shown, kArticlePane, "Sample", "ab"}},
     {ArticleFill("a", "{{subst:afd}}\na"), ArticleFill("ab", "{{subst:afd}}\nab")}},
    {"OncePerNomination",
     {{FillStep::Answered},
      {FillStep::Shown, kArticlePane, "Sample", "a"},
      {FillStep::Filled, kArticlePane, "Sample"},
      {FillStep::Shown, kArticlePane, "Sample", "a"},
      {FillStep::Nominated},
      {FillStep::Answered},
      {FillStep::Shown, kArticlePane, "Sample", "a"}},
     {ArticleFill("a", "{{subst:afd}}\na"), ArticleFill("a", "{{subst:afd}}\na")}},
    {"TheNewDiscussionPage",
     {{FillStep::Answered},
      {FillStep::Shown, kDiscussionPane, "Wikipedia:Articles_for_deletion/Sample", ""}},
     {"fill Browser2 Wikipedia:Articles_for_deletion/Sample | shown:  | text: {{subst:afd2 | "
      "pg=Sample| text=Not notable}} ~~~~ | summary: Creating deletion discussion page for "
      "[[:Sample]]."}},
    {"ARenominationsPages",
     {{FillStep::ThirdAnswered},
      {FillStep::Shown, kDiscussionPane, "Wikipedia:Articles_for_deletion/Sample", ""},
      {FillStep::Shown, kDiscussionPane, "Wikipedia:Articles_for_deletion/Sample_(3rd_nomination)",
       ""},
      {FillStep::Shown, kLogPane, kTodaysLogPage, kLogText}},
     {"fill Browser2 Wikipedia:Articles_for_deletion/Sample_(3rd_nomination) | shown:  | text: "
      "{{subst:afd2 | pg=Sample| text=Not notable}} ~~~~ | summary: Creating deletion discussion "
      "page for [[:Sample]].",
      "fill Browser3 " + kTodaysLogPage + " | shown: " + kLogText +
          " | text: <!-- Add new entries to the TOP of the following list -->\n{{subst:afd3 | "
          "pg=Sample (3rd nomination)}}\n{{Wikipedia:Articles for deletion/Older}}\n | summary: "
          "Adding [[:Wikipedia:Articles for deletion/Sample (3rd nomination)]]."}},
    {"ALogWithoutItsMarkerSaysToPasteByHand",
     {{FillStep::Answered}, {FillStep::Shown, kLogPane, kTodaysLogPage, "Nothing here."}},
     {"set Status (warning) No place for the log line on this log page: paste it at the top of "
      "the list by hand" +
      kOwnArticle + " | tip: First nomination"}},
    // The same address, the day's log, for the next nomination: only the editor shown after its
    // click is the next nomination's.
    {"ALaterNominationFillsOnlyWhatShowsAfterItsClick",
     {{FillStep::Answered},
      {FillStep::Shown, kLogPane, kTodaysLogPage, kLogText},
      {FillStep::Filled, kLogPane, kTodaysLogPage},
      {FillStep::Nominated},
      {FillStep::Answered},
      {FillStep::Shown, kLogPane, kTodaysLogPage, kLogText}},
     {kSampleLogFill, kSampleLogFill}},
    {"NextDaysLogGetsTheLineAgain",
     {{FillStep::Answered},
      {FillStep::Shown, kLogPane, kTodaysLogPage, kLogText},
      {FillStep::Filled, kLogPane, kTodaysLogPage},
      {FillStep::NextDay},
      {FillStep::Shown, kLogPane, kTodaysLogPage, kLogText},
      {FillStep::Shown, kLogPane, "Wikipedia:Articles_for_deletion/Log/2027_January_1", kLogText}},
     {kSampleLogFill,
      "fill Browser3 Wikipedia:Articles_for_deletion/Log/2027_January_1 | shown: " + kLogText +
          " | text: <!-- Add new entries to the TOP of the following list -->\n{{subst:afd3 | "
          "pg=Sample}}\n{{Wikipedia:Articles for deletion/Older}}\n | summary: Adding "
          "[[:Wikipedia:Articles for deletion/Sample]]."}},
};

INSTANTIATE_TEST_SUITE_P(Steps, FillTest, testing::ValuesIn(kFillRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The first nomination's answer, the article carrying these templates as the API names them.
std::string AnswerWithTemplates(const std::string& templates) {
    return R"({"query":{"allpages":[],"pages":{"7":{"ns":0,"title":"Sample","templates":[)" +
           templates + "]," + FirstRevisionBy("Nominator") + "}}," + kUser + "}}";
}

const std::string kProposedAnswer =
    AnswerWithTemplates(R"({"ns":10,"title":"Template:Proposed deletion/dated"})");
const std::string kSpeedyAnswer = AnswerWithTemplates(
    R"({"ns":10,"title":"Template:Db-a7"},{"ns":10,"title":"Template:Db-meta"})");
const std::string kProposedArticle =
    "{{Proposed deletion/dated|concern=Not {{em|notable}}|timestamp=20261230000000}}\n" + kArticle;
const std::string kRemovedNote = ". The proposed-deletion tag is removed by this edit";

struct DeletionTagRow {
    const char* name;
    std::string answer;
    // What the article's editor shows; nothing for an editor not shown yet.
    std::optional<std::string> article;
    // The status lines and fills, in order, from the check's answer on.
    std::vector<std::string> operations;
};

void PrintTo(const DeletionTagRow& row, std::ostream* out) { *out << row.name; }

class DeletionTagTest : public Form1Test, public testing::WithParamInterface<DeletionTagRow> {};

TEST_P(DeletionTagTest, TheArticlesOtherDeletionTagsAreSaidAndOnlyProposedDeletionGoes) {
    nominateSample();
    form.NominationCheckAnswered(1, GetParam().answer);
    if (GetParam().article) form.EditorShown(kArticlePane, "Sample", *GetParam().article);
    std::vector<std::string> operations;
    for (const std::string& operation : view.operations()) {
        if (operation.starts_with("set Status") || operation.starts_with("fill ")) {
            operations.push_back(operation);
        }
    }
    EXPECT_THAT(operations, ElementsAreArray(GetParam().operations));
}

const DeletionTagRow kDeletionTagRows[] = {
    {"TheCheckForeseesTheRemoval",
     kProposedAnswer,
     std::nullopt,
     {"set Status First nomination" + kRemovedNote + kOwnArticle}},
    {"TheFillTakesTheTagOut",
     kProposedAnswer,
     kProposedArticle,
     {"set Status First nomination" + kRemovedNote + kOwnArticle,
      ArticleFill(kProposedArticle, kTaggedArticle)}},
    {"ATagTheCheckDidNotSeeGoesAndIsSaid",
     kFirstNominationAnswer,
     kProposedArticle,
     {"set Status First nomination" + kOwnArticle,
      "set Status First nomination" + kRemovedNote + kOwnArticle,
      ArticleFill(kProposedArticle, kTaggedArticle)}},
    // Never closed in the editor's text: the fill leaves it, and the line says to remove it.
    {"ATagTheFillCannotTakeOutWarns",
     kProposedAnswer,
     "{{Proposed deletion/dated|concern=x\n" + kArticle,
     {"set Status First nomination" + kRemovedNote + kOwnArticle,
      "set Status (warning) The article's proposed-deletion tag is still in its editor: remove it "
      "by hand" +
          kOwnArticle + " | tip: First nomination",
      ArticleFill("{{Proposed deletion/dated|concern=x\n" + kArticle,
                  "{{subst:afd}}\n{{Proposed deletion/dated|concern=x\n" + kArticle)}},
    {"TheSpeedyTagStaysAndWarns",
     kSpeedyAnswer,
     "{{db-a7}}\n" + kArticle,
     {"set Status (warning) The article carries a speedy-deletion tag, which stays: an "
      "administrator decides on it" +
          kOwnArticle + " | tip: First nomination",
      ArticleFill("{{db-a7}}\n" + kArticle, "{{subst:afd}}\n{{db-a7}}\n" + kArticle)}},
};

INSTANTIATE_TEST_SUITE_P(Steps, DeletionTagTest, testing::ValuesIn(kDeletionTagRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The next nomination is another article's: what the last fill took out is not its.
TEST_F(Form1Test, TheNextClickForgetsWhatTheFillTookOut) {
    nominateSample();
    form.NominationCheckAnswered(1, kFirstNominationAnswer);
    form.EditorShown(kArticlePane, "Sample", kProposedArticle);
    form.Command1_Click();
    view.clearOperations();
    form.NominationCheckAnswered(2, kFirstNominationAnswer);
    EXPECT_THAT(StatusesOf(view.operations()),
                ElementsAre("set Status First nomination" + kOwnArticle));
}

// Answers to the question which of Sample's edits the wiki holds (format version 2).
std::string SavedAnswer(bool tag, bool discussion, bool logLine) {
    std::string templates = tag ? R"(,"templates":[{"ns":10,"title":"Template:AfDM"}])" : "";
    return std::string(R"({"query":{"pages":[{"ns":0,"title":"Sample")") + templates +
           R"(},{"ns":4,"title":"Wikipedia:Articles for deletion/Sample")" +
           (discussion ? "" : R"(,"missing":true)") +
           R"(},{"ns":4,"title":"Wikipedia:Articles for deletion/Log/2026 December 31")" +
           (logLine ? R"(,"templates":[{"ns":4,"title":"Wikipedia:Articles for deletion/Sample"}])"
                    : "") +
           "}]}}";
}

struct SavedStep {
    enum Kind { Answered, Loaded, Saved, SavedFailed, Nominated } kind;
    int ticket = 1;
    std::string body = {};
};

struct SavedRow {
    const char* name;
    std::vector<SavedStep> steps;
    // The questions asked and the status lines set, in order, after the check's answer.
    std::vector<std::string> operations;
    // What closing asks then, with no tab holding unsaved changes.
    std::optional<std::string> closeQuestion;
};

void PrintTo(const SavedRow& row, std::ostream* out) { *out << row.name; }

class SavedEditsTest : public Form1Test, public testing::WithParamInterface<SavedRow> {};

TEST_P(SavedEditsTest, TheStatusLineFollowsTheSaves) {
    nominateSample();
    form.NominationCheckAnswered(1, kFirstNominationAnswer);
    view.clearOperations();
    for (const SavedStep& step : GetParam().steps) {
        switch (step.kind) {
            case SavedStep::Answered:
                form.NominationCheckAnswered(step.ticket, kFirstNominationAnswer);
                break;
            case SavedStep::Loaded:
                form.PaneLoaded(kArticlePane);
                break;
            case SavedStep::Saved:
                form.SavedEditsAnswered(step.ticket, step.body);
                break;
            case SavedStep::SavedFailed:
                form.SavedEditsFailed(step.ticket, "timed out");
                break;
            case SavedStep::Nominated:
                form.Command1_Click();
                break;
        }
    }
    std::vector<std::string> operations;
    for (const std::string& operation : view.operations()) {
        if (operation.starts_with("ask saved") || operation.starts_with("set Status")) {
            operations.push_back(operation);
        }
    }
    EXPECT_THAT(operations, ElementsAreArray(GetParam().operations));
    EXPECT_EQ(form.CloseQuestion({}), GetParam().closeQuestion);
}

const SavedRow kSavedRows[] = {
    {"NothingSavedKeepsTheCheckSaying",
     {{SavedStep::Saved, 1, SavedAnswer(false, false, false)}},
     {"set Status First nomination" + kOwnArticle},
     std::nullopt},
    {"PartSavedSaysWhatIsMissing",
     {{SavedStep::Saved, 1, SavedAnswer(true, false, false)}},
     {"set Status Saved: article tag. Not yet saved: discussion, log line" + kOwnArticle},
     "The nomination of Sample is not complete: the discussion and the log line are not saved. "
     "Close anyway?"},
    {"AllSavedIsComplete",
     {{SavedStep::Saved, 1, SavedAnswer(true, true, true)}},
     {"set Status Nomination complete: tag, discussion and log line saved" + kOwnArticle},
     std::nullopt},
    // One question at a time: loads meanwhile make one more after it.
    {"LoadsWhileAskingAskOnceMore",
     {{SavedStep::Loaded},
      {SavedStep::Loaded},
      {SavedStep::Saved, 1, SavedAnswer(true, false, false)}},
     {"set Status Saved: article tag. Not yet saved: discussion, log line" + kOwnArticle,
      AskSaved(2)},
     "The nomination of Sample is not complete: the discussion and the log line are not saved. "
     "Close anyway?"},
    {"AFailureKeepsWhatWasKnown",
     {{SavedStep::Saved, 1, SavedAnswer(true, false, false)},
      {SavedStep::Loaded},
      {SavedStep::SavedFailed, 2}},
     {"set Status Saved: article tag. Not yet saved: discussion, log line" + kOwnArticle,
      AskSaved(2)},
     "The nomination of Sample is not complete: the discussion and the log line are not saved. "
     "Close anyway?"},
    {"AnAnswerAboutTheLastNominationIsStale",
     {{SavedStep::Nominated}, {SavedStep::Saved, 1, SavedAnswer(true, true, false)}},
     {"set Status Checking for earlier nominations..."},
     std::nullopt},
    {"ANewNominationSaysCheckingNotTheEarlierOnesSaves",
     {{SavedStep::Saved, 1, SavedAnswer(true, false, false)}, {SavedStep::Nominated}},
     {"set Status Saved: article tag. Not yet saved: discussion, log line" + kOwnArticle,
      "set Status Checking for earlier nominations..."},
     std::nullopt},
    {"NoQuestionBeforeTheCheckHasAnswered",
     {{SavedStep::Nominated}, {SavedStep::Loaded}},
     {"set Status Checking for earlier nominations..."},
     std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Steps, SavedEditsTest, testing::ValuesIn(kSavedRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Form1Test, ClosingBeforeAnyNominationAsksOnlyAboutUnsavedTabs) {
    EXPECT_EQ(form.CloseQuestion({}), std::nullopt);
    EXPECT_EQ(form.CloseQuestion({2}),
              UnsavedChangesQuestion({2}, PaneLabelsOf(PlanNomination({}))));
}

// The notice to the article's creator, on the creator's talk page.
const std::string kCreatorTalk = "User talk:Creator";

// A check's answer: the nomination's earlier discussions as in `allpages`, Sample's revisions.
std::string CheckAnswer(const std::string& revisions, const std::string& allpages = "",
                        const std::string& continuation = "") {
    return "{" + continuation + R"("query":{"allpages":[)" + allpages +
           R"(],"pages":{"123":{"ns":0,"title":"Sample",)" + revisions + "}}," + kUser + "}}";
}
const std::string kByCreator = CheckAnswer(FirstRevisionBy("Creator"));
const std::string kThirdByCreator =
    CheckAnswer(FirstRevisionBy("Creator"),
                R"({"ns":4,"title":"Wikipedia:Articles for deletion/Sample"},)"
                R"j({"ns":4,"title":"Wikipedia:Articles for deletion/Sample (2nd nomination)"})j");
// The article began as a redirect; the wiki has more revisions.
const std::string kBornARedirect =
    CheckAnswer(FirstRevisionBy("Redirector", "#REDIRECT [[Example]]"), "",
                R"("continue":{"rvcontinue":"20260101|2","continue":"||"},)");
const std::string kRevisionsFromARedirect = CheckAnswer(
    R"("revisions":[{"user":"Redirector","slots":{"main":{"*":"#REDIRECT [[Example]]"}}},)"
    R"({"user":"192.0.2.7","anon":"","slots":{"main":{"*":"Text"}}}])");

// The question which edits the wiki holds, once a notice to this talk page is due.
std::string AskSavedWithTalk(int ticket, const std::string& talk, int nomination = 1) {
    const std::string creator = talk.substr(talk.find(':') + 1);
    return "ask saved " + std::to_string(ticket) + " " +
           SavedEditsUrls(SamplePlan(nomination, NoticeState::Due, creator)).at(0);
}

// The wiki's answer when nothing of the three edits is saved, and the talk page as `talk` says.
std::string TalkAnswer(const std::string& talk, const std::string& page = "Sample") {
    return R"({"query":{"pages":[{"ns":0,"title":"Sample"},)"
           R"({"ns":4,"title":"Wikipedia:Articles for deletion/)" +
           page +
           R"(","missing":true},)"
           R"({"ns":4,"title":"Wikipedia:Articles for deletion/Log/2026 December 31"},)"
           R"({"ns":3,"title":"User talk:Creator",)" +
           talk + "}]}}";
}
const std::string kTalkEditable = TalkAnswer(R"("actions":{"edit":true})");
const std::string kTalkProtected = TalkAnswer(R"("actions":{"edit":false})");
const std::string kNoticeSaved = TalkAnswer(
    R"("actions":{"edit":true},"links":[{"ns":4,"title":"Wikipedia:Articles for deletion/Sample"}])");

// The review found nothing to warn of, and of a creator who is a bot.
const std::string kNothingReviewed = R"({"batchcomplete":true,"query":{}})";
const std::string kReviewedBot =
    R"({"query":{"users":[{"userid":7,"name":"Creator","groups":["*","user","bot"]}]}})";
const std::string kReviewedBlocked =
    R"({"query":{"users":[{"userid":7,"name":"Creator","blockid":3,"blockedby":"Admin",)"
    R"("groups":["*","user"]}]}})";
const std::string kReviewCreator = AskReview(1, 1, "Creator");

const std::string kOpenTalk =
    "navigate Browser4 "
    "https://en.wikipedia.org/w/index.php?title=User%20talk:Creator&action=edit";
const std::string kNotice = "{{subst:Afd notice|1=Sample}} ~~~~";
const std::string kNoticeSummary =
    " | summary: Notification: [[Wikipedia:Articles for deletion/Sample|nomination]] of "
    "[[:Sample]] at [[WP:AFD|articles for deletion]].";

struct NoticeStep {
    enum Kind { Checked, CreatorAnswered, CreatorFailed, Reviewed, Saved, Shown, Nominated } kind;
    int ticket = 1;
    std::string body = {};
    std::string page = {};
};

struct NoticeRow {
    const char* name;
    std::vector<NoticeStep> steps;
    // Every operation after the click, reads left out.
    std::vector<std::string> operations;
    std::optional<std::string> closeQuestion = std::nullopt;
};

void PrintTo(const NoticeRow& row, std::ostream* out) { *out << row.name; }

class NoticeTest : public Form1Test, public testing::WithParamInterface<NoticeRow> {};

TEST_P(NoticeTest, TheCreatorIsToldUnlessThereIsAReasonNotTo) {
    nominateSample();
    for (const NoticeStep& step : GetParam().steps) {
        switch (step.kind) {
            case NoticeStep::Checked:
                form.NominationCheckAnswered(step.ticket, step.body);
                break;
            case NoticeStep::CreatorAnswered:
                form.CreatorAnswered(step.ticket, step.body);
                break;
            case NoticeStep::CreatorFailed:
                form.CreatorFailed(step.ticket, "timed out");
                break;
            case NoticeStep::Reviewed:
                form.ReviewAnswered(step.ticket, step.body);
                break;
            case NoticeStep::Saved:
                form.SavedEditsAnswered(step.ticket, step.body);
                break;
            case NoticeStep::Shown:
                form.EditorShown(kTalkPane, step.page, step.body);
                break;
            case NoticeStep::Nominated:
                form.Command1_Click();
                view.clearOperations();
                break;
        }
    }
    EXPECT_THAT(view.operations(), ElementsAreArray(GetParam().operations));
    EXPECT_EQ(form.CloseQuestion({}), GetParam().closeQuestion);
}

const NoticeRow kNoticeRows[] = {
    {"AnotherUsersArticleOpensTheirTalkPageAndFillsTheNotice",
     {{NoticeStep::Checked, 1, kByCreator},
      {NoticeStep::Reviewed, 1, kNothingReviewed},
      {NoticeStep::Saved, 1, kTalkEditable},
      {NoticeStep::Shown, 1, "Welcome!\n", "User_talk:Creator"}},
     {"set Text6 " + kNotice, "show Text6", "set Status First nomination",
      AskSavedWithTalk(1, kCreatorTalk), kReviewCreator, "set Status First nomination", kOpenTalk,
      "set Status First nomination",
      "fill Browser4 User_talk:Creator | shown: Welcome!\n | text: Welcome!\n\n" + kNotice +
          kNoticeSummary}},
    {"ARenominationsNoticeCarriesTheOrder",
     {{NoticeStep::Checked, 1, kThirdByCreator}},
     Joined(kThirdNominationWrites,
            {"set Text6 {{subst:Afd notice|1=Sample|order=&#32;(3rd nomination)}} ~~~~",
             "show Text6", "set Status 3rd nomination: earlier discussions found",
             AskSavedWithTalk(1, kCreatorTalk, 3), AskReview(1, 3, "Creator")})},
    {"NoEditorIsFilledBeforeTheTalkPageIsKnownToBeEditable",
     {{NoticeStep::Checked, 1, kByCreator}, {NoticeStep::Shown, 1, "", "User_talk:Creator"}},
     {"set Text6 " + kNotice, "show Text6", "set Status First nomination",
      AskSavedWithTalk(1, kCreatorTalk), kReviewCreator}},
    // Until the review has said whether the creator is a bot, the talk page waits.
    {"TheTalkPageWaitsForTheReview",
     {{NoticeStep::Checked, 1, kByCreator},
      {NoticeStep::Saved, 1, kTalkEditable},
      {NoticeStep::Reviewed, 1, kNothingReviewed}},
     {"set Text6 " + kNotice, "show Text6", "set Status First nomination",
      AskSavedWithTalk(1, kCreatorTalk), kReviewCreator, "set Status First nomination", kOpenTalk,
      "set Status First nomination"}},
    {"ABotIsToldNothing",
     {{NoticeStep::Checked, 1, kByCreator},
      {NoticeStep::Saved, 1, kTalkEditable},
      {NoticeStep::Reviewed, 1, kReviewedBot}},
     {"set Text6 " + kNotice, "show Text6", "set Status First nomination",
      AskSavedWithTalk(1, kCreatorTalk), kReviewCreator, "set Status First nomination",
      "hide Text6", "set Status First nomination. The creator is a bot: no notice needed"}},
    {"ABlockedCreatorIsStillOfferedTheNotice",
     {{NoticeStep::Checked, 1, kByCreator},
      {NoticeStep::Reviewed, 1, kReviewedBlocked},
      {NoticeStep::Saved, 1, kTalkEditable}},
     {"set Text6 " + kNotice, "show Text6", "set Status First nomination",
      AskSavedWithTalk(1, kCreatorTalk), kReviewCreator,
      "set Status First nomination. The creator is blocked", kOpenTalk,
      "set Status First nomination. The creator is blocked"}},
    {"AnotherPagesEditorGetsNothing",
     {{NoticeStep::Checked, 1, kByCreator},
      {NoticeStep::Reviewed, 1, kNothingReviewed},
      {NoticeStep::Saved, 1, kTalkEditable},
      {NoticeStep::Shown, 1, "", "User_talk:Someone_else"}},
     {"set Text6 " + kNotice, "show Text6", "set Status First nomination",
      AskSavedWithTalk(1, kCreatorTalk), kReviewCreator, "set Status First nomination", kOpenTalk,
      "set Status First nomination"}},
    {"AProtectedTalkPageIsLeftAloneAndSaysSo",
     {{NoticeStep::Checked, 1, kByCreator},
      {NoticeStep::Reviewed, 1, kNothingReviewed},
      {NoticeStep::Saved, 1, kTalkProtected}},
     {"set Text6 " + kNotice, "show Text6", "set Status First nomination",
      AskSavedWithTalk(1, kCreatorTalk), kReviewCreator, "set Status First nomination",
      "hide Text6",
      "set Status First nomination. The creator's talk page is protected: no notice can be left "
      "there"}},
    {"TheSavedNoticeCompletesTheNomination",
     {{NoticeStep::Checked, 1, kByCreator},
      {NoticeStep::Reviewed, 1, kNothingReviewed},
      {NoticeStep::Saved, 1, kNoticeSaved},
      {NoticeStep::Shown, 1,
       "Welcome!\n\n== Nomination of [[:Sample]] for deletion ==\n"
       "[[Wikipedia:Articles for deletion/Sample]] ~~~~",
       "User_talk:Creator"}},
     {"set Text6 " + kNotice, "show Text6", "set Status First nomination",
      AskSavedWithTalk(1, kCreatorTalk), kReviewCreator, "set Status First nomination", kOpenTalk,
      "set Status Saved: notice. Not yet saved: article tag, discussion, log line"},
     "The nomination of Sample is not complete: the article tag, the discussion and the log line "
     "are not saved. Close anyway?"},
    {"AnUnsavedNoticeIsNamedWhenClosing",
     {{NoticeStep::Checked, 1, kByCreator},
      {NoticeStep::Reviewed, 1, kNothingReviewed},
      {NoticeStep::Saved, 1,
       R"({"query":{"pages":[{"ns":0,"title":"Sample","templates":[{"ns":10,"title":"Template:AfDM"}]},)"
       R"({"ns":4,"title":"Wikipedia:Articles for deletion/Sample"},)"
       R"({"ns":4,"title":"Wikipedia:Articles for deletion/Log/2026 December 31",)"
       R"("templates":[{"ns":4,"title":"Wikipedia:Articles for deletion/Sample"}]},)"
       R"({"ns":3,"title":"User talk:Creator","actions":{"edit":true}}]}})"}},
     {"set Text6 " + kNotice, "show Text6", "set Status First nomination",
      AskSavedWithTalk(1, kCreatorTalk), kReviewCreator, "set Status First nomination", kOpenTalk,
      "set Status Saved: article tag, discussion, log line. Not yet saved: notice"},
     "The nomination of Sample is not complete: the notice to the creator is not saved. Close "
     "anyway?"},
    {"AnArticleBornARedirectAsksFurther",
     {{NoticeStep::Checked, 1, kBornARedirect},
      {NoticeStep::CreatorAnswered, 2, kRevisionsFromARedirect},
      {NoticeStep::Saved, 1, SavedAnswer(false, false, false)}},
     // The question under way asks again once answered, now with the talk page.
     {"ask creator 2 " + CreatorQueryUrl("Sample"), "set Status First nomination", AskSaved(1),
      "set Text6 " + kNotice, "show Text6", "set Status First nomination",
      AskReview(1, 1, "192.0.2.7"), AskSavedWithTalk(2, "User talk:192.0.2.7")}},
    {"AFailedFurtherQuestionSaysSo",
     {{NoticeStep::Checked, 1, kBornARedirect}, {NoticeStep::CreatorFailed, 2}},
     {"ask creator 2 " + CreatorQueryUrl("Sample"), "set Status First nomination", AskSaved(1),
      "set Status First nomination" + kCreatorUnknown, AskReview(1)}},
    {"AnAnswerAboutTheEarlierNominationsCreatorIsStale",
     {{NoticeStep::Checked, 1, kBornARedirect},
      {NoticeStep::Nominated},
      {NoticeStep::CreatorAnswered, 2, kRevisionsFromARedirect}},
     {}},
};

INSTANTIATE_TEST_SUITE_P(Steps, NoticeTest, testing::ValuesIn(kNoticeRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Someone else's nomination, left half done, tagged the article in revision 9: the wiki's tag
// is not the user's, and the warning stays.
TEST_F(Form1Test, ATagSomeoneElseSavedIsNeverClaimed) {
    nominateSample();
    const std::string tagged =
        R"({"query":{"allpages":[],"pages":{"7":{"ns":0,"title":"Sample","lastrevid":9,)"
        R"("templates":[{"ns":10,"title":"Template:Article for deletion/dated"}],)" +
        FirstRevisionBy("Nominator") + "}}," + kUser + "}}";
    form.NominationCheckAnswered(1, tagged);
    const auto savedWithTagIn = [](int revision) {
        return R"({"query":{"pages":[{"ns":0,"title":"Sample","lastrevid":)" +
               std::to_string(revision) +
               R"(,"templates":[{"ns":10,"title":"Template:Article for deletion/dated"}]},)"
               R"({"ns":4,"title":"Wikipedia:Articles for deletion/Sample"},)"
               R"({"ns":4,"title":"Wikipedia:Articles for deletion/Log/2026 December 31"}]}})";
    };
    const std::string warning =
        "set Status (warning) Already nominated: the article carries a deletion tag" + kOwnArticle;
    view.clearOperations();
    form.SavedEditsAnswered(1, savedWithTagIn(9));
    EXPECT_THAT(view.operations(),
                ElementsAre(warning + " | tip: First nomination\nSaved: discussion. Not yet "
                                      "saved: article tag, log line"));
    EXPECT_EQ(form.CloseQuestion({}),
              "The nomination of Sample is not complete: the article tag and the log line are "
              "not saved. Close anyway?");

    form.PaneLoaded(kArticlePane);
    view.clearOperations();
    form.SavedEditsAnswered(2, savedWithTagIn(10));
    EXPECT_THAT(view.operations(),
                ElementsAre(warning + " | tip: First nomination\nSaved: article tag, "
                                      "discussion. Not yet saved: log line"));
}

// A text pasted into an editor that the tool has filled already.
TEST_F(Form1Test, AnEditorHoldingItsTextTwiceWarnsUntilItHoldsItOnce) {
    nominateSample();
    form.NominationCheckAnswered(1, kFirstNominationAnswer);
    form.EditorShown(kArticlePane, "Sample", "Text");
    form.EditorFilled(kArticlePane, "Sample");
    view.clearOperations();
    form.EditorShown(kArticlePane, "Sample", "{{subst:afd}}\n{{subst:afd}}\nText");
    form.EditorShown(kArticlePane, "Sample", "{{subst:afd}}\n{{subst:afd}}\nText more");
    form.EditorShown(kArticlePane, "Sample", "{{subst:afd}}\nText more");
    EXPECT_THAT(view.operations(),
                ElementsAre("set Status (warning) Tab 0's editor holds the tag twice" +
                                kOwnArticle + " | tip: First nomination",
                            "set Status First nomination" + kOwnArticle));
}

TEST_F(Form1Test, AnAnonymousUserWhoCreatedTheArticleIsNotToldEither) {
    nominateSample();
    form.NominationCheckAnswered(
        1, R"({"query":{"allpages":[],"pages":{"1":{"ns":0,"title":"Sample",)" +
               FirstRevisionBy("192.0.2.7") +
               R"(}},"userinfo":{"id":0,"name":"192.0.2.7","anon":""}}})");
    EXPECT_THAT(view.operations(), Contains("set Status First nomination" + kOwnArticle));
    EXPECT_THAT(view.operations(), Not(Contains(StartsWith("show Text6"))));
}

}  // namespace
}  // namespace nominator
