#include "window/close_question.h"

#include <gtest/gtest.h>

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
}

}  // namespace
}  // namespace nominator
