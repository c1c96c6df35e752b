#include "window/close_question.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/nomination_plan.h"
#include "window/pane_labels.h"

namespace nominator {
namespace {

// Today's four panes, and a fifth that a larger plan adds.
const std::vector<PaneLabel> kPanes = [] {
    std::vector<PaneLabel> panes = PaneLabelsOf(PlanNomination({}));
    panes.push_back({"Tab 4", "Further article editor", ""});
    return panes;
}();

TEST(UnsavedChangesQuestionTest, NamesEveryTabWithUnsavedChanges) {
    EXPECT_EQ(UnsavedChangesQuestion({0}, kPanes),
              "Tab 0 (Article editor) has changes that are not saved. Close the window and lose "
              "them?");
    EXPECT_EQ(UnsavedChangesQuestion({1, 2}, kPanes),
              "Tab 1 (Deletion discussion) and tab 2 (Day's log editor) have changes that are "
              "not saved. Close the window and lose all of them?");
    EXPECT_EQ(UnsavedChangesQuestion({0, 1, 2}, kPanes),
              "Tab 0 (Article editor), tab 1 (Deletion discussion) and tab 2 (Day's log editor) "
              "have changes that are not saved. Close the window and lose all of them?");
    EXPECT_EQ(UnsavedChangesQuestion({3}, kPanes),
              "Tab 3 (Creator's talk page) has changes that are not saved. Close the window and "
              "lose them?");
    EXPECT_EQ(UnsavedChangesQuestion({4}, kPanes),
              "Tab 4 (Further article editor) has changes that are not saved. Close the window "
              "and lose them?");
}

TEST(ClosingQuestionTest, JoinsAHalfDoneNominationAndUnsavedTabsIntoOneQuestion) {
    const std::string halfDone = "The nomination of X is not complete: the log line is not saved.";
    EXPECT_EQ(ClosingQuestion(std::nullopt, {}, kPanes), std::nullopt);
    EXPECT_EQ(ClosingQuestion(halfDone, {}, kPanes), halfDone + " Close anyway?");
    EXPECT_EQ(ClosingQuestion(std::nullopt, {0}, kPanes), UnsavedChangesQuestion({0}, kPanes));
    EXPECT_EQ(ClosingQuestion(halfDone, {2}, kPanes),
              halfDone +
                  " Tab 2 (Day's log editor) has changes that are not saved. Close the window "
                  "and lose them?");
}

}  // namespace
}  // namespace nominator
