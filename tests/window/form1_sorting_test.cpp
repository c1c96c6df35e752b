// The discussion's category and its deletion-sorting topics, through the fake view.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "core/deletion_sorting.h"
#include "tests/window/fake_view.h"
#include "window/form1.h"

namespace nominator {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAreArray;

const auto kNewYearsEve =
    std::chrono::sys_days{std::chrono::year{2026} / 12 / 31} + 23h + 59min + 59s;

const std::string kFirstNominationAnswer =
    R"({"batchcomplete":"","query":{"allpages":[],"pages":{"123":{"pageid":123,"ns":0,)"
    R"("title":"Sample","lastrevid":1,"revisions":[{"user":"Nominator","slots":{"main":)"
    R"({"*":"Text"}}}]}},"userinfo":{"id":1,"name":"Nominator"}}})";

std::string TopicsAnswer(const std::vector<std::string>& subpages, const std::string& next = "") {
    std::string pages;
    for (const std::string& subpage : subpages) {
        pages += (pages.empty() ? "" : ",") + std::string(R"({"ns":4,"title":")") +
                 std::string(kTopicListStem) + subpage + R"("})";
    }
    const std::string continuation =
        next.empty() ? "" : R"("continue":{"apcontinue":")" + next + R"(","continue":"-||"},)";
    return "{" + continuation + R"("query":{"allpages":[)" + pages + "]}}";
}

const std::string kWholeList = TopicsAnswer({"Compact", "Football", "Places"});

// The views of a sorted nomination's steps that the rows compare.
bool Compared(const std::string& operation) {
    for (const char* start :
         {"ask topics", "topics ", "panes ", "set Text3", "navigate Browser5", "navigate Browser6",
          "fill Browser5", "fill Browser6", "set Status (warning)"}) {
        if (operation.starts_with(start)) return true;
    }
    return false;
}

struct SortStep {
    enum Kind {
        Focused,
        Listed,
        Continued,
        ListFailed,
        Typed,
        Chose,
        Nominated,
        Checked,
        Shown,
        // The user rewrites the discussion's text.
        Rewrote
    };
    Kind kind;
    std::string text = {};
    int ticket = 1;
    Pane pane = 4;
};

struct SortRow {
    const char* name;
    std::vector<SortStep> steps;
    std::vector<std::string> operations;
};

void PrintTo(const SortRow& row, std::ostream* out) { *out << row.name; }

class SortedNominationTest : public testing::TestWithParam<SortRow> {
protected:
    FakeView view;
    Form1 form{view, [] { return kNewYearsEve; }};
};

TEST_P(SortedNominationTest, FilesTheDiscussionAndListsItUnderEachTopicOnTheWiki) {
    view.type(Box::Text1, "Sample");
    view.type(Box::Reason, "Not notable");
    int checks = 0;
    for (const SortStep& step : GetParam().steps) {
        switch (step.kind) {
            case SortStep::Focused:
                form.Topics_GotFocus();
                break;
            case SortStep::Listed:
                form.TopicListAnswered(step.ticket, step.text.empty() ? kWholeList : step.text);
                break;
            case SortStep::Continued:
                form.TopicListAnswered(step.ticket, step.text);
                break;
            case SortStep::ListFailed:
                form.TopicListFailed(step.ticket, "timed out");
                break;
            case SortStep::Typed:
                view.type(Box::Topics, step.text);
                break;
            case SortStep::Rewrote:
                view.type(Box::Text3, step.text);
                break;
            case SortStep::Chose:
                view.choose(Choice::Category, static_cast<std::size_t>(step.ticket));
                break;
            case SortStep::Nominated:
                form.Command1_Click();
                ++checks;
                break;
            case SortStep::Checked:
                form.NominationCheckAnswered(checks, kFirstNominationAnswer);
                break;
            case SortStep::Shown:
                form.EditorShown(
                    step.pane, TopicListTitle(step.ticket == 1 ? "Football" : "Places"), step.text);
                break;
        }
    }
    std::vector<std::string> operations;
    for (const std::string& operation : view.operations()) {
        if (Compared(operation)) operations.push_back(operation);
    }
    EXPECT_THAT(operations, ElementsAreArray(GetParam().operations));
}

// Once a plan holds several edits of a kind, every pane's description names its page.
const std::string kPanes =
    "panes Tab 0 Article editor: The article in the wiki's editor | Tab 1 Deletion discussion: "
    "The article's deletion discussion page | Tab 2 Day's log editor: The day's deletion log in "
    "the wiki's editor | Tab 3 Creator's talk page: The article creator's talk page in the wiki's "
    "editor";
const std::string kListingPane =
    " Deletion sorting list editor: A deletion-sorting topic's list of discussions in the wiki's "
    "editor";
const std::string kPanesNamingPages =
    "panes Tab 0 Article editor: The article in the wiki's editor: Sample | Tab 1 Deletion "
    "discussion: The article's deletion discussion page: Wikipedia:Articles for deletion/Sample | "
    "Tab 2 Day's log editor: The day's deletion log in the wiki's editor: Wikipedia:Articles for "
    "deletion/Log/2026 December 31 | Tab 3 Creator's talk page: The article creator's talk page "
    "in the wiki's editor";
const std::string kAskTopics = "ask topics 1 " + TopicListUrl();
const std::string kTopicChoices = "topics Football | Places";
const std::string kUnsorted = "set Text3 {{subst:afd2 | pg=Sample| text=Not notable}} ~~~~";
const std::string kSortedText =
    "set Text3 {{subst:afd2 | pg=Sample| cat=B| text=Not notable}} ~~~~\n"
    "{{subst:delsort|Football|~~~~}}\n{{subst:delsort|Places|~~~~}}";
const std::string kTwoListingPanes = kPanesNamingPages + " | Tab 4" + kListingPane + ": " +
                                     TopicListTitle("Football") + " | Tab 5" + kListingPane + ": " +
                                     TopicListTitle("Places");
const std::string kEditStem =
    "https://en.wikipedia.org/w/index.php?title=Wikipedia:WikiProject%20Deletion%20sorting/";
const std::string kOpenFootball = "navigate Browser5 " + kEditStem + "Football&action=edit";
const std::string kOpenPlaces = "navigate Browser6 " + kEditStem + "Places&action=edit";
const std::string kOwnArticle = ". You created the article: no notice needed";
const std::string kMarker = "<!-- Add new entries to the TOP of the following list -->\n";
const std::string kListText = "Intro\n" + kMarker + "{{Wikipedia:Articles for deletion/Older}}\n";
const std::string kFootballFill =
    "fill Browser5 Wikipedia:WikiProject Deletion sorting/Football | shown: " + kListText +
    " | text: Intro\n" + kMarker +
    "{{Wikipedia:Articles for deletion/Sample}}\n{{Wikipedia:Articles for deletion/Older}}\n"
    " | summary: Listing [[:Wikipedia:Articles for deletion/Sample]].";

const SortRow kSortRows[] = {
    {"NoCategoryNorTopicsIsTodaysText",
     {{SortStep::Focused}, {SortStep::Listed}, {SortStep::Nominated}},
     {kAskTopics, kTopicChoices, kUnsorted}},
    {"TheCategoryAlone",
     {{SortStep::Listed}, {SortStep::Chose, "", 3}, {SortStep::Nominated}},
     {"set Text3 {{subst:afd2 | pg=Sample| cat=B| text=Not notable}} ~~~~"}},
    {"TwoTopicsKnownBeforeTheClick",
     {{SortStep::Focused},
      {SortStep::Listed},
      {SortStep::Chose, "", 3},
      {SortStep::Typed, "football\n\nPlaces\n"},
      {SortStep::Nominated}},
     {kAskTopics, kTopicChoices, kTwoListingPanes, kSortedText, kOpenFootball, kOpenPlaces}},
    // The list's question goes on where each answer says, and the list is whole at its end.
    {"TheListInParts",
     {{SortStep::Focused},
      {SortStep::Continued, TopicsAnswer({"Places"}, "Q")},
      {SortStep::Continued, TopicsAnswer({"Compact/Football", "Football"}), 2},
      {SortStep::Chose, "", 3},
      {SortStep::Typed, "Football\nPlaces"},
      {SortStep::Nominated}},
     {kAskTopics, "ask topics 2 " + TopicListUrl({{"apcontinue", "Q"}, {"continue", "-||"}}),
      kTopicChoices, kTwoListingPanes, kSortedText, kOpenFootball, kOpenPlaces}},
    // An answer that continues where it began would never end: no list.
    {"AContinuationThatGoesNowhere",
     {{SortStep::Focused},
      {SortStep::Continued, TopicsAnswer({"Places"}, "Q")},
      {SortStep::Continued, TopicsAnswer({"Places"}, "Q"), 2},
      {SortStep::Typed, "Places"},
      {SortStep::Nominated}},
     {kAskTopics, "ask topics 2 " + TopicListUrl({{"apcontinue", "Q"}, {"continue", "-||"}}),
      kUnsorted,
      "set Status (warning) Could not read the wiki's deletion-sorting topics, so not listed: "
      "Places | tip: Checking for earlier nominations..."}},
    {"ATopicNotOnTheWikiGetsAWarningAndNoEdit",
     {{SortStep::Focused},
      {SortStep::Listed},
      {SortStep::Typed, "Footbal\nPlaces"},
      {SortStep::Nominated}},
     {kAskTopics, kTopicChoices, kPanes + " | Tab 4" + kListingPane,
      "set Text3 {{subst:afd2 | pg=Sample| text=Not notable}} ~~~~\n"
      "{{subst:delsort|Places|~~~~}}",
      "navigate Browser5 " + kEditStem + "Places&action=edit",
      "set Status (warning) Not a deletion-sorting topic on the wiki, so not listed: Footbal | "
      "tip: Checking for earlier nominations..."}},
    // The list arrives after the click: the listings join the nomination then.
    {"TheListAfterTheClick",
     {{SortStep::Typed, "Football"},
      {SortStep::Nominated},
      {SortStep::Checked},
      {SortStep::Shown, kListText},
      {SortStep::Listed},
      {SortStep::Shown, kListText}},
     {kAskTopics, kUnsorted, kTopicChoices,
      "set Text3 {{subst:afd2 | pg=Sample| text=Not notable}} ~~~~\n"
      "{{subst:delsort|Football|~~~~}}",
      kPanes + " | Tab 4" + kListingPane, kOpenFootball, kFootballFill}},
    // What the user typed into the discussion's text before the list came is what it gets.
    {"TheListAfterTheClickKeepsARewrittenDiscussion",
     {{SortStep::Typed, "Football"},
      {SortStep::Nominated},
      {SortStep::Checked},
      {SortStep::Rewrote, "My own words. ~~~~"},
      {SortStep::Listed}},
     {kAskTopics, kUnsorted, kTopicChoices, kPanes + " | Tab 4" + kListingPane, kOpenFootball}},
    {"NoListAtAll",
     {{SortStep::Typed, "Football"},
      {SortStep::Nominated},
      {SortStep::Checked},
      {SortStep::ListFailed}},
     {kAskTopics, kUnsorted,
      "set Status (warning) Could not read the wiki's deletion-sorting topics, so not listed: "
      "Football" +
          kOwnArticle + " | tip: First nomination"}},
    {"EachListGetsTheDiscussionAsItsFirstEntry",
     {{SortStep::Focused},
      {SortStep::Listed},
      {SortStep::Typed, "Football\nPlaces"},
      {SortStep::Nominated},
      {SortStep::Checked},
      {SortStep::Shown, kListText},
      {SortStep::Shown, "A list without its marker.", 2, 5}},
     {kAskTopics, kTopicChoices, kTwoListingPanes,
      "set Text3 {{subst:afd2 | pg=Sample| text=Not notable}} ~~~~\n"
      "{{subst:delsort|Football|~~~~}}\n{{subst:delsort|Places|~~~~}}",
      kOpenFootball, kOpenPlaces, kFootballFill,
      "set Status (warning) No place for the listing on tab 5's topic list: paste it at the top "
      "of the list by hand" +
          kOwnArticle + " | tip: First nomination"}},
};

INSTANTIATE_TEST_SUITE_P(Steps, SortedNominationTest, testing::ValuesIn(kSortRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Asked once for the run, when the box is first wanted; a stale answer, or one after the list
// is whole, changes nothing.
TEST(TopicListTest, IsAskedForOnceAndOnlyTheQuestionUnderWayIsAnswered) {
    FakeView view;
    Form1 form{view, [] { return kNewYearsEve; }};
    form.Form_Load();
    form.Topics_GotFocus();
    form.Topics_GotFocus();
    form.TopicListAnswered(2, kWholeList);
    form.TopicListAnswered(1, kWholeList);
    form.TopicListAnswered(1, TopicsAnswer({"Other"}));
    form.TopicListFailed(1, "timed out");
    form.Topics_GotFocus();
    std::vector<std::string> topics;
    for (const std::string& operation : view.operations()) {
        if (operation.starts_with("topics ") || operation.starts_with("ask topics")) {
            topics.push_back(operation);
        }
    }
    EXPECT_THAT(topics, ElementsAreArray({kAskTopics, kTopicChoices}));
}

}  // namespace
}  // namespace nominator
