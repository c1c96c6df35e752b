#include "tests/qt/window_under_input.h"

#include <QApplication>
#include <QMessageBox>

#include "tests/qt/event_loop_wait.h"
#include "tests/qt/quick_panes.h"

namespace nominator {

void WindowUnderInputTest::SetUp() {
    ASSERT_TRUE(input.connected()) << "no X display";
    ASSERT_TRUE(ShowWithPanes(window, kGiveUpMs));
}

void WindowUnderInputTest::TearDown() {
    while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
}

void WindowUnderInputTest::click(QPoint global) { user.click(global); }

void WindowUnderInputTest::clickOn(QWidget* widget) { user.clickOn(widget); }

void WindowUnderInputTest::showTab(int tab) { ASSERT_TRUE(user.showTab(tab)); }

QMessageBox* WindowUnderInputTest::openQuestion() {
    QMessageBox* box = nullptr;
    WaitInEventLoop(
        [&] {
            box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            return box != nullptr && box->isVisible();
        },
        kGiveUpMs);
    return box;
}

}  // namespace nominator
