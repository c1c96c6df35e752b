// Form1's native window, as the X server sees it, is made once: the same window from its first
// frame on, while the browser panes join, when the first nomination shows them and when the
// user switches tabs. A window made anew would vanish from the screen for a moment, and what
// was on its way to the old one would be lost.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QPushButton>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTabBar>
#include <QTest>
#include <chrono>
#include <functional>

#include "tests/qt/quick_panes.h"
#include "tests/support/gui_test_constants.h"
#include "tests/support/x_map_watcher.h"
#include "window/qt/form1_window.h"
#include "window/qt/tab_container.h"

namespace nominator {
namespace {

using support::kEngineGiveUpMs;
using support::kNoonOnMarch7;

using namespace std::chrono_literals;

// Long enough for a native window being made anew to be unmapped and mapped again.
constexpr int kSettleMs = 300;

struct Step {
    const char* name;
    std::function<void(Form1Window&)> act;
    std::function<bool(Form1Window&)> done;
};

void ClickTab(Form1Window& window, int index) {
    QTabBar* bar = window.tabby()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

bool ShowsPane(const char* name) {
    const QQuickItem* pane = FindPane(name);
    return pane != nullptr && pane->isVisible() && PanesWindow()->isExposed();
}

TEST(NativeWindowTest, Form1KeepsTheNativeWindowItWasFirstShownIn) {
    support::XMapWatcher watcher("Form1");
    watcher.watch(getpid());
    Form1Window window([] { return kNoonOnMarch7; });
    ASSERT_TRUE(window.load());
    window.show();
    const auto mapped = watcher.waitForMapped(support::Clock::now() + 30s);
    ASSERT_TRUE(mapped) << "Form1 never came on screen";
    EXPECT_EQ(window.winId(), mapped->window);

    const Step steps[] = {
        {"the panes joined", [](Form1Window&) {},
         [](Form1Window&) { return PanesWindow() != nullptr; }},
        {"the first nomination showed them",
         [](Form1Window& form) { QTest::mouseClick(form.command1(), Qt::LeftButton); },
         [](Form1Window&) { return ShowsPane("Browser"); }},
        {"tab 1", [](Form1Window& form) { ClickTab(form, 1); },
         [](Form1Window&) { return ShowsPane("Browser2"); }},
        {"tab 2", [](Form1Window& form) { ClickTab(form, 2); },
         [](Form1Window&) { return ShowsPane("Browser3"); }},
        {"tab 3", [](Form1Window& form) { ClickTab(form, 3); },
         [](Form1Window&) { return ShowsPane("Browser4"); }},
        {"tab 0", [](Form1Window& form) { ClickTab(form, 0); },
         [](Form1Window&) { return ShowsPane("Browser"); }},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        step.act(window);
        ASSERT_TRUE(QTest::qWaitFor([&] { return step.done(window); }, kEngineGiveUpMs));
        QTest::qWait(kSettleMs);
        EXPECT_EQ(watcher.onScreen(), mapped->window);
        EXPECT_EQ(window.winId(), mapped->window);
        EXPECT_EQ(watcher.changes().size(), 1U) << "Form1 left the screen and came back";
    }
}

}  // namespace
}  // namespace nominator
