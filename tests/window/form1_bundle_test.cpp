// A bundled nomination through the fake view: further articles typed one a line, checked in
// one request, each tagged, their creators asked one by one and told once each.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/creator_query.h"
#include "core/nomination_check_query.h"
#include "core/nomination_plan.h"
#include "core/saved_edits.h"
#include "tests/window/fake_view.h"
#include "window/form1.h"

namespace nominator {
namespace {

using std::chrono::sys_days;
using namespace std::chrono_literals;
using testing::Contains;
using testing::ElementsAre;
using testing::IsEmpty;
using testing::Not;

const auto kNewYearsEve = sys_days{std::chrono::year{2026} / 12 / 31} + 12h;

// What the user is: Nominator, who created Sample.
const std::string kUser = R"("userinfo":{"id":1,"name":"Nominator"})";

std::string RevisionBy(const std::string& user) {
    return R"("revisions":[{"user":")" + user + R"(","slots":{"main":{"*":"Text"}}}])";
}

const std::string kSampleChecked =
    R"({"query":{"allpages":[],"pages":{"1":{"pageid":1,"ns":0,"title":"Sample","lastrevid":1,)" +
    RevisionBy("Creator") + "}}," + kUser + "}}";

// The further articles' check: Second is fine, Third missing.
const std::string kFurtherChecked =
    R"({"query":{"pages":{"2":{"pageid":2,"ns":0,"title":"Second","lastrevid":5},)"
    R"("-1":{"ns":0,"title":"Third","missing":""}}}})";

// The answer to CreatorQueryUrl(article): its first revision by `user`.
std::string CreatorOf(const std::string& article, const std::string& user) {
    return R"({"query":{"pages":{"9":{"pageid":9,"ns":0,"title":")" + article + R"(",)" +
           RevisionBy(user) + "}}," + kUser + "}}";
}

// The page entry of the saved-edits answer for the edit: saved or not, every talk page editable.
std::string Entry(int id, const PlannedEdit& edit, const std::string& discussion, bool saved) {
    const std::string listed = R"([{"ns":4,"title":")" + discussion + R"("}])";
    std::string more;
    switch (edit.kind) {
        case EditKind::ArticleTag:
            if (saved) more = R"(,"templates":[{"ns":10,"title":"Template:AfDM"}])";
            break;
        case EditKind::Discussion:
            if (!saved)
                return "\"-" + std::to_string(id) + R"(":{"ns":4,"title":")" + edit.page +
                       R"(","missing":""})";
            break;
        case EditKind::DayLog:
        case EditKind::TopicListing:
            if (saved) more = R"(,"templates":)" + listed;
            break;
        case EditKind::CreatorNotice:
            if (saved) more = R"(,"links":)" + listed;
            break;
    }
    return "\"" + std::to_string(id) + R"(":{"pageid":)" + std::to_string(id) + R"(,"title":")" +
           edit.page + "\"" + more + R"(,"actions":{"edit":""}})";
}

// The saved-edits answer for the plan's pages, or for `count` of them from the `first`th on
// (one batch's): every edit saved, or none.
std::string Answer(const NominationPlan& plan, bool saved, std::size_t first = 0,
                   std::size_t count = kMostTitlesARequest) {
    const std::string& discussion = plan[*EditOfKind(plan, EditKind::Discussion)].page;
    std::string pages;
    std::size_t index = 0;
    for (const PlannedEdit& edit : plan) {
        if (edit.page.empty()) continue;
        if (index >= first && index < first + count) {
            if (!pages.empty()) pages += ",";
            pages += Entry(static_cast<int>(index + 1), edit, discussion, saved);
        }
        ++index;
    }
    return R"({"query":{"pages":{)" + pages + "}}}";
}

std::string NoneSaved(const NominationPlan& plan) { return Answer(plan, false); }

std::vector<std::string> Matching(const std::vector<std::string>& operations,
                                  const std::string& start) {
    std::vector<std::string> found;
    for (const std::string& operation : operations) {
        if (operation.starts_with(start)) found.push_back(operation);
    }
    return found;
}

class Form1BundleTest : public testing::Test {
protected:
    void nominate(const std::string& further) {
        view.type(Box::Text1, "Sample");
        view.type(Box::Reason, "Not notable");
        view.type(Box::Further, further);
        form.Command1_Click();
    }

    FakeView view;
    Form1 form{view, [] { return kNewYearsEve; }};
};

const std::string kEdit = "https://en.wikipedia.org/w/index.php?title=";

TEST_F(Form1BundleTest, AClickPreparesTheBundleAndAsksAboutEveryArticle) {
    form.Form_Load();
    view.clearOperations();
    nominate("Second\n\nthird\nSample\nSecond\n");
    const std::vector<std::string>& operations = view.operations();
    EXPECT_THAT(
        Matching(operations, "panes"),
        ElementsAre("panes Tab 0 Article editor: The article in the wiki's editor: Sample | "
                    "Tab 1 Deletion discussion: The article's deletion discussion page: "
                    "Wikipedia:Articles for deletion/Sample | "
                    "Tab 2 Day's log editor: The day's deletion log in the wiki's editor: "
                    "Wikipedia:Articles for deletion/Log/2026 December 31 | "
                    "Tab 3 Creator's talk page: The article creator's talk page in the wiki's "
                    "editor | "
                    "Tab 4 Article editor: The article in the wiki's editor: Second | "
                    "Tab 5 Article editor: The article in the wiki's editor: Third"));
    EXPECT_THAT(operations,
                Contains("set Text3 {{subst:afd2 | pg=Sample| text=Not notable\n\nI am also "
                         "nominating the following related pages:\n:{{la|Second}}\n"
                         ":{{la|Third}}}} ~~~~"));
    EXPECT_THAT(Matching(operations, "navigate Browser5"),
                ElementsAre("navigate Browser5 " + kEdit + "Second&action=edit"));
    EXPECT_THAT(Matching(operations, "navigate Browser6"),
                ElementsAre("navigate Browser6 " + kEdit + "Third&action=edit"));
    // One check for the first article, one for all the further ones, a creator question each.
    EXPECT_THAT(Matching(operations, "request"),
                ElementsAre(testing::StartsWith("request 1 "),
                            "request 2 " + FurtherCheckUrl({"Second", "Third"})));
    EXPECT_THAT(Matching(operations, "ask creator"),
                ElementsAre("ask creator 3 " + CreatorQueryUrl("Second"),
                            "ask creator 4 " + CreatorQueryUrl("Third")));
}

TEST_F(Form1BundleTest, MoreThanFiftyFurtherArticlesPrepareNothing) {
    std::string further;
    for (int i = 0; i <= 50; ++i) further += "Article " + std::to_string(i) + "\n";
    nominate(further);
    EXPECT_THAT(view.operations(),
                ElementsAre("show Status",
                            "set Status (warning) Too many further articles: at most 50 go into "
                            "one nomination, so nothing was prepared"));
    EXPECT_TRUE(form.CurDate.empty());
    // The next click that fits prepares as ever.
    view.clearOperations();
    nominate("Second");
    EXPECT_THAT(Matching(view.operations(), "set Status"),
                ElementsAre("set Status Checking for earlier nominations..."));
}

struct Step {
    enum Kind {
        Checked,
        FurtherChecked,
        FurtherFailed,
        Creator,
        CreatorFailed,
        Saved,
        SavedFailed,
        Loaded,
        Shown
    } kind;
    int ticket = 0;
    std::string body = {};
    Pane pane = 0;
    std::string page = {};
};

struct BundleRow {
    const char* name;
    std::vector<Step> steps;
    // The operations of these kinds ("set Status", "navigate", "fill", "panes", "set Text6",
    // "ask saved") after the click, in order.
    std::string kind;
    std::vector<std::string> operations;
    // What closing the window then asks.
    std::optional<std::string> closeQuestion = {};
};

void PrintTo(const BundleRow& row, std::ostream* out) { *out << row.name; }

class BundleStepsTest : public Form1BundleTest, public testing::WithParamInterface<BundleRow> {
protected:
    void follow(const BundleRow& row) {
        view.clearOperations();
        for (const Step& step : row.steps) {
            switch (step.kind) {
                case Step::Checked:
                    form.NominationCheckAnswered(1, kSampleChecked);
                    break;
                case Step::FurtherChecked:
                    form.NominationCheckAnswered(2,
                                                 step.body.empty() ? kFurtherChecked : step.body);
                    break;
                case Step::FurtherFailed:
                    form.NominationCheckFailed(2, "timed out");
                    break;
                case Step::Creator:
                    form.CreatorAnswered(step.ticket, step.body);
                    break;
                case Step::CreatorFailed:
                    form.CreatorFailed(step.ticket, "timed out");
                    break;
                case Step::Saved:
                    form.SavedEditsAnswered(step.ticket, step.body);
                    break;
                case Step::SavedFailed:
                    form.SavedEditsFailed(step.ticket, "timed out");
                    break;
                case Step::Loaded:
                    form.PaneLoaded(step.pane);
                    break;
                case Step::Shown:
                    form.EditorShown(step.pane, step.page, step.body);
                    break;
            }
        }
        EXPECT_EQ(Matching(view.operations(), row.kind), row.operations);
        EXPECT_EQ(form.CloseQuestion({}), row.closeQuestion);
    }
};

// The click's tickets: 1 the first article's check, 2 the further check, 3 and 4 the creators
// of Second and Third.
TEST_P(BundleStepsTest, FollowsTheWikisAnswers) {
    nominate("Second\nThird");
    follow(GetParam());
}

// Sample and Second by Creator, Third by Other.
NominationPlan Settled(NoticeState notice) {
    NominationInput input{.typedTitle = "Sample",
                          .name = "Sample",
                          .reason = "Not notable",
                          .logKey = "2026_December_31",
                          .notice = notice,
                          .creator = "Creator"};
    input.further = {{.name = "Second", .notice = notice, .creator = "Creator"},
                     {.name = "Third", .notice = notice, .creator = "Other"}};
    return PlanNomination(input);
}

// Before the wiki has said who created Second and Third.
NominationPlan Unsettled() {
    NominationInput input{.typedTitle = "Sample",
                          .name = "Sample",
                          .reason = "Not notable",
                          .logKey = "2026_December_31",
                          .notice = NoticeState::Due,
                          .creator = "Creator"};
    input.further = {{.name = "Second"}, {.name = "Third"}};
    return PlanNomination(input);
}

const std::string kAllSavedSoFar =
    "set Status Saved so far: tag on Sample, discussion, log line, notice, tag on Second, tag on "
    "Third. The creators' notices are not known yet";

const std::string kTagSummary =
    " | summary: Nominated for deletion; see [[:Wikipedia:Articles for deletion/Sample]].";

const BundleRow kRows[] = {
    {"AFurtherArticlesWarningNamesIt",
     {{Step::Checked}, {Step::FurtherChecked}},
     "set Status",
     {"set Status First nomination",
      "set Status (warning) Further article 'Third': no article of this title on the wiki | tip: "
      "First nomination"}},
    {"AFurtherArticlesSpeedyTagNamesIt",
     {{Step::Checked},
      {Step::FurtherChecked, 0,
       R"({"query":{"pages":{"2":{"pageid":2,"ns":0,"title":"Second","lastrevid":5},)"
       R"("3":{"pageid":3,"ns":0,"title":"Third","lastrevid":6,)"
       R"("templates":[{"ns":10,"title":"Template:Db-meta"}]}}}})"}},
     "set Status",
     {"set Status First nomination",
      "set Status (warning) Further article 'Third': the article carries a speedy-deletion tag, "
      "which stays: an administrator decides on it | tip: First nomination"}},
    {"AFailedFurtherCheckSaysSo",
     {{Step::Checked}, {Step::FurtherFailed}},
     "set Status",
     {"set Status First nomination",
      "set Status Could not check the further articles | tip: First nomination"}},
    // The first creator's notice holds their further article too; the other creator gets a
    // pane of their own once every creator is known.
    {"EachCreatorIsToldOnce",
     {{Step::Checked},
      {Step::Creator, 3, CreatorOf("Second", "Creator")},
      {Step::Creator, 4, CreatorOf("Third", "Other")}},
     "set Text6",
     {"set Text6 {{subst:Afd notice|1=Sample}} ~~~~",
      "set Text6 {{subst:Afd notice|1=Sample}} ~~~~\n\n"
      "{{subst:Afd notice|1=Second|2=Sample}} ~~~~"}},
    {"TheFurtherCreatorsPaneComesLast",
     {{Step::Checked},
      {Step::Creator, 3, CreatorOf("Second", "Creator")},
      {Step::Creator, 4, CreatorOf("Third", "Other")}},
     "panes",
     {"panes Tab 0 Article editor: The article in the wiki's editor: Sample | "
      "Tab 1 Deletion discussion: The article's deletion discussion page: "
      "Wikipedia:Articles for deletion/Sample | "
      "Tab 2 Day's log editor: The day's deletion log in the wiki's editor: "
      "Wikipedia:Articles for deletion/Log/2026 December 31 | "
      "Tab 3 Creator's talk page: The article creator's talk page in the wiki's editor: "
      "User talk:Creator | "
      "Tab 4 Article editor: The article in the wiki's editor: Second | "
      "Tab 5 Article editor: The article in the wiki's editor: Third",
      "panes Tab 0 Article editor: The article in the wiki's editor: Sample | "
      "Tab 1 Deletion discussion: The article's deletion discussion page: "
      "Wikipedia:Articles for deletion/Sample | "
      "Tab 2 Day's log editor: The day's deletion log in the wiki's editor: "
      "Wikipedia:Articles for deletion/Log/2026 December 31 | "
      "Tab 3 Creator's talk page: The article creator's talk page in the wiki's editor: "
      "User talk:Creator | "
      "Tab 4 Article editor: The article in the wiki's editor: Second | "
      "Tab 5 Article editor: The article in the wiki's editor: Third | "
      "Tab 6 Creator's talk page: The article creator's talk page in the wiki's editor: "
      "User talk:Other"}},
    // The further creator's talk page opens once the wiki says it may be edited; the first
    // creator's waits for the review as ever.
    {"TheFurtherCreatorsTalkPageOpens",
     {{Step::Checked},
      {Step::Creator, 3, CreatorOf("Second", "Creator")},
      {Step::Creator, 4, CreatorOf("Third", "Other")},
      {Step::Saved, 1, NoneSaved(Settled(NoticeState::Due))}},
     "navigate",
     {"navigate Browser7 " + kEdit + "User%20talk:Other&action=edit"}},
    {"ACreatorNobodyKnowsIsToldNothing",
     {{Step::Checked},
      {Step::Creator, 3, CreatorOf("Second", "Nominator")},
      {Step::CreatorFailed, 4}},
     "set Text6",
     {"set Text6 {{subst:Afd notice|1=Sample}} ~~~~",
      "set Text6 {{subst:Afd notice|1=Sample}} ~~~~"}},
    // A further article's editor gets its own tag, not Text2's, below the short description.
    {"AFurtherArticlesEditorGetsItsTag",
     {{Step::Checked}, {Step::Shown, 0, "{{Short description|A second}}\nText.", 4, "Second"}},
     "fill",
     {"fill Browser5 Second | shown: {{Short description|A second}}\nText. | text: "
      "{{Short description|A second}}\n{{subst:afd1|Sample}}\nText." +
      kTagSummary}},
    // Every edit of the plan saved, but not every creator known: more notices may come.
    {"NotCompleteWhileACreatorIsUnknown",
     {{Step::Checked}, {Step::Saved, 1, Answer(Unsettled(), true)}},
     "set Status",
     {"set Status First nomination", kAllSavedSoFar},
     "The nomination of Sample is not complete: the creators' notices are not known yet. Close "
     "anyway?"},
    // Other's notice joins the plan: it is not known to be saved until the wiki says so.
    {"CompleteOnceEveryCreatorsNoticeIsSaved",
     {{Step::Checked},
      {Step::Saved, 1, Answer(Unsettled(), true)},
      {Step::Creator, 3, CreatorOf("Second", "Creator")},
      {Step::Creator, 4, CreatorOf("Third", "Other")},
      {Step::Saved, 2, Answer(Settled(NoticeState::Due), true)}},
     "set Status",
     {"set Status First nomination", kAllSavedSoFar,
      "set Status Saved so far: tag on Sample, discussion, log line, notice to Creator, tag on "
      "Second, tag on Third. The creators' notices are not known yet",
      "set Status Nomination complete: 3 tags, discussion, log line and 2 notices saved"}},
};

INSTANTIATE_TEST_SUITE_P(Steps, BundleStepsTest, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

// A bundle of 48 further articles, Further 1 to Further 48: with the first creator's talk page,
// 52 pages, asked in two batches, the second holding the tags on Further 47 and Further 48.
NominationPlan FiftyTwoPages() {
    NominationInput input{.typedTitle = "Sample",
                          .name = "Sample",
                          .reason = "Not notable",
                          .logKey = "2026_December_31",
                          .notice = NoticeState::Due,
                          .creator = "Creator"};
    for (int i = 1; i <= 48; ++i) input.further.push_back({.name = "Further " + std::to_string(i)});
    return PlanNomination(input);
}

const NominationPlan kFiftyTwo = FiftyTwoPages();
const std::string kFirstBatchSaved = Answer(kFiftyTwo, true, 0, 50);
const std::string kSecondBatchUnsaved = Answer(kFiftyTwo, false, 50, 2);

std::string AskBatch(int ticket, std::size_t batch) {
    return "ask saved " + std::to_string(ticket) + " " + SavedEditsUrls(kFiftyTwo).at(batch);
}

// All of the first batch saved, none of the second.
std::string FirstBatchOnly() {
    std::string saved = "set Status Saved: tag on Sample, discussion, log line, notice";
    for (int i = 1; i <= 46; ++i) saved += ", tag on Further " + std::to_string(i);
    return saved + ". Not yet saved: tag on Further 47, tag on Further 48";
}

const std::string kFirstBatchOnlyQuestion =
    "The nomination of Sample is not complete: the tag on Further 47 and the tag on Further 48 "
    "are not saved and the creators' notices are not known yet. Close anyway?";

class SavedBatchesTest : public BundleStepsTest {};

// The click's tickets: 1 the first article's check, 2 the further check, 3 to 50 the creators;
// the saves' own count from 1.
TEST_P(SavedBatchesTest, AsksInBatchesAndSaysWhereTheNominationStandsOnceAllHaveAnswered) {
    std::string further;
    for (int i = 1; i <= 48; ++i) further += "Further " + std::to_string(i) + "\n";
    nominate(further);
    follow(GetParam());
}

const BundleRow kBatchRows[] = {
    {"EveryBatchIsAsked", {{Step::Checked}}, "ask saved", {AskBatch(1, 0), AskBatch(2, 1)}},
    {"TheLineWaitsForEveryBatch",
     {{Step::Checked}, {Step::Saved, 2, kSecondBatchUnsaved}, {Step::Saved, 1, kFirstBatchSaved}},
     "set Status",
     {"set Status First nomination", FirstBatchOnly()},
     kFirstBatchOnlyQuestion},
    // A page loaded meanwhile asks again once the round has answered; the earlier round's
    // tickets are stale then.
    {"AStaleBatchChangesNothing",
     {{Step::Checked},
      {Step::Saved, 1, kFirstBatchSaved},
      {Step::Loaded},
      {Step::Saved, 2, kSecondBatchUnsaved},
      {Step::Saved, 2, Answer(kFiftyTwo, true, 50, 2)},
      {Step::Saved, 1, Answer(kFiftyTwo, false)}},
     "set Status",
     {"set Status First nomination", FirstBatchOnly()},
     kFirstBatchOnlyQuestion},
    {"AnotherRoundOnlyAfterTheFirst",
     {{Step::Checked},
      {Step::Saved, 1, kFirstBatchSaved},
      {Step::Loaded},
      {Step::Loaded},
      {Step::Saved, 2, kSecondBatchUnsaved}},
     "ask saved",
     {AskBatch(1, 0), AskBatch(2, 1), AskBatch(3, 0), AskBatch(4, 1)},
     kFirstBatchOnlyQuestion},
    // One failed batch fails the round: the other's answer says nothing on its own.
    {"AFailedBatchFailsTheRound",
     {{Step::Checked},
      {Step::Saved, 1, kFirstBatchSaved},
      {Step::SavedFailed, 2},
      {Step::Saved, 2, kSecondBatchUnsaved}},
     "set Status",
     {"set Status First nomination"}},
    {"AfterAFailedBatchTheNextLoadAsksAnew",
     {{Step::Checked},
      {Step::SavedFailed, 1},
      {Step::Saved, 2, kSecondBatchUnsaved},
      {Step::Loaded},
      {Step::Saved, 3, kFirstBatchSaved},
      {Step::Saved, 4, kSecondBatchUnsaved}},
     "ask saved",
     {AskBatch(1, 0), AskBatch(2, 1), AskBatch(3, 0), AskBatch(4, 1)},
     kFirstBatchOnlyQuestion},
};

INSTANTIATE_TEST_SUITE_P(Batches, SavedBatchesTest, testing::ValuesIn(kBatchRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace nominator
