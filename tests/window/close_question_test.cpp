#include "window/close_question.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/nomination_plan.h"
#include "window/pane_labels.h"

namespace nominator {
namespace {

struct QuestionRow {
    std::vector<int> tabs;
    std::vector<PaneLabel> panes;
    std::string question;
};

// Names the tabs by the labels given, whatever their number.
const std::vector<PaneLabel> kSixPanes = {
    {"Tab 0", "Article editor", ""}, {"Tab 1", "Discussion", ""},  {"Tab 2", "Log", ""},
    {"Tab 3", "Talk", ""},           {"Tab 4", "Second talk", ""}, {"Tab 5", "Sixth pane", ""}};

TEST(UnsavedChangesQuestionTest, NamesEveryTabWithUnsavedChangesByItsLabel) {
    const QuestionRow rows[] = {
        {{0},
         PaneLabelsOf(PlanNomination({})),
         "Tab 0 (Article editor) has changes that are not saved. Close the window and lose "
         "them?"},
        {{1, 2},
         PaneLabelsOf(PlanNomination({})),
         "Tab 1 (Deletion discussion) and tab 2 (Day's log editor) have changes that are not "
         "saved. Close the window and lose all of them?"},
        {{0, 1, 2},
         PaneLabelsOf(PlanNomination({})),
         "Tab 0 (Article editor), tab 1 (Deletion discussion) and tab 2 (Day's log editor) have "
         "changes that are not saved. Close the window and lose all of them?"},
        {{3},
         PaneLabelsOf(PlanNomination({})),
         "Tab 3 (Creator's talk page) has changes that are not saved. Close the window and lose "
         "them?"},
        {{4, 5},
         kSixPanes,
         "Tab 4 (Second talk) and tab 5 (Sixth pane) have changes that are not saved. Close the "
         "window and lose all of them?"},
        // A tab beyond the labels is still named by its number, never by another's name.
        {{1, 4},
         PaneLabelsOf(PlanNomination({})),
         "Tab 1 (Deletion discussion) and tab 4 have changes that are not saved. Close the "
         "window and lose all of them?"},
    };
    for (const QuestionRow& row : rows) {
        EXPECT_EQ(UnsavedChangesQuestion(row.tabs, row.panes), row.question);
    }
}

TEST(ClosingQuestionTest, JoinsAHalfDoneNominationAndUnsavedTabsIntoOneQuestion) {
    const std::string halfDone = "The nomination of X is not complete: the log line is not saved.";
    const std::vector<PaneLabel> panes = PaneLabelsOf(PlanNomination({}));
    EXPECT_EQ(ClosingQuestion(std::nullopt, {}, panes), std::nullopt);
    EXPECT_EQ(ClosingQuestion(halfDone, {}, panes), halfDone + " Close anyway?");
    EXPECT_EQ(ClosingQuestion(std::nullopt, {0}, panes), UnsavedChangesQuestion({0}, panes));
    EXPECT_EQ(ClosingQuestion(halfDone, {2}, panes),
              halfDone +
                  " Tab 2 (Day's log editor) has changes that are not saved. Close the window "
                  "and lose them?");
}

TEST(PaneObjectNameTest, TheFirstIsBrowserAndTheOthersCountOnFromTwo) {
    const std::pair<int, std::string> rows[] = {
        {0, "Browser"}, {1, "Browser2"}, {3, "Browser4"}, {4, "Browser5"}, {11, "Browser12"}};
    for (const auto& [index, name] : rows) EXPECT_EQ(PaneObjectName(index), name) << index;
}

}  // namespace
}  // namespace nominator
