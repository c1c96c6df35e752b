#include "tests/qt/window_under_input.h"

#include <QApplication>
#include <QMessageBox>
#include <QTabBar>

#include "tests/qt/event_loop_wait.h"
#include "tests/qt/quick_panes.h"
#include "window/qt/tab_container.h"

namespace nominator {

void WindowUnderInputTest::SetUp() {
    ASSERT_TRUE(input.connected()) << "no X display";
    ASSERT_TRUE(ShowWithPanes(window, kGiveUpMs));
}

void WindowUnderInputTest::TearDown() {
    while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
}

void WindowUnderInputTest::click(QPoint global) {
    input.moveTo(global.x(), global.y());
    input.clickLeft();
    input.sync();
}

void WindowUnderInputTest::clickOn(QWidget* widget) {
    click(widget->mapToGlobal(widget->rect().center()));
}

void WindowUnderInputTest::showTab(int tab) {
    QTabBar* bar = window.tabby()->tabBar();
    click(bar->mapToGlobal(bar->tabRect(tab).center()));
    ASSERT_TRUE(WaitInEventLoop([&] { return bar->currentIndex() == tab; }, kGiveUpMs));
}

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
