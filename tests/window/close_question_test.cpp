#include "window/close_question.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace nominator {
namespace {

TEST(UnsavedChangesQuestionTest, NamesEveryTabWithUnsavedChanges) {
    EXPECT_EQ(UnsavedChangesQuestion({0}),
              "Tab 0 (Article editor) has changes that are not saved. Close the window and lose "
              "them?");
    EXPECT_EQ(UnsavedChangesQuestion({1, 2}),
              "Tab 1 (Deletion discussion) and tab 2 (Day's log editor) have changes that are "
              "not saved. Close the window and lose all of them?");
    EXPECT_EQ(UnsavedChangesQuestion({0, 1, 2}),
              "Tab 0 (Article editor), tab 1 (Deletion discussion) and tab 2 (Day's log editor) "
              "have changes that are not saved. Close the window and lose all of them?");
    EXPECT_EQ(UnsavedChangesQuestion({3}),
              "Tab 3 (Creator's talk page) has changes that are not saved. Close the window and "
              "lose them?");
}

TEST(ClosingQuestionTest, JoinsAHalfDoneNominationAndUnsavedTabsIntoOneQuestion) {
    const std::string halfDone = "The nomination of X is not complete: the log line is not saved.";
    EXPECT_EQ(ClosingQuestion(std::nullopt, {}), std::nullopt);
    EXPECT_EQ(ClosingQuestion(halfDone, {}), halfDone + " Close anyway?");
    EXPECT_EQ(ClosingQuestion(std::nullopt, {0}), UnsavedChangesQuestion({0}));
    EXPECT_EQ(ClosingQuestion(halfDone, {2}),
              halfDone +
                  " Tab 2 (Day's log editor) has changes that are not saved. Close the window "
                  "and lose them?");
}

}  // namespace
}  // namespace nominator
