#pragma once

#include <gtest/gtest.h>

#include <QPoint>

#include "tests/qt/pane_user.h"
#include "tests/qt/stand_in_wiki.h"
#include "tests/support/gui_test_constants.h"
#include "tests/support/x_input.h"
#include "window/qt/form1_window.h"

class QMessageBox;
class QWidget;

namespace nominator {

using support::kGiveUpMs;

// The real window with its panes on the 7th of March 2026, driven as a user drives it, with
// real X input: the base of the tests that click into pages and answer their questions.
class WindowUnderInputTest : public testing::Test {
protected:
    void SetUp() override;
    // A question left open by a failed test would keep the window from closing.
    void TearDown() override;

    void click(QPoint global);
    void clickOn(QWidget* widget);
    // Clicks the tab's caption and waits until its pane shows.
    void showTab(int tab);
    // The question the window or a page has open, once it shows; nullptr when none did.
    static QMessageBox* openQuestion();

    support::XInput input;
    Form1Window window{[] { return kNoonOnMarch7; }};
    PaneUser user{window};
};

}  // namespace nominator
