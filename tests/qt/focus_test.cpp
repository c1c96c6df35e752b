// The keyboard focus between Form1's controls and the page in the selected pane, driven by real
// keys and clicks (XTEST): Tab walks from the controls through the page's own controls and back
// out, in both directions, to the notice box too while it shows, and never stays caught in the
// page; a click decides where typing goes.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTabBar>
#include <QTest>
#include <QUrl>
#include <chrono>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "tests/qt/quick_panes.h"
#include "tests/support/gui_test_constants.h"
#include "tests/support/x_input.h"
#include "window/qt/form1_window.h"
#include "window/qt/tab_container.h"

namespace nominator {
namespace {

using support::kEngineGiveUpMs;
using support::kNoonOnMarch7;
using namespace support::keysym;

using namespace std::chrono_literals;
using support::XInput;

constexpr int kStepMs = 5000;

// Two fields; the page's title tells which one has the focus and what was typed into it.
const QString kPage = QStringLiteral(
    "<!doctype html><title>ready</title><body>"
    "<input id=first onfocus=\"document.title='first'\" onblur=\"document.title='out'\" "
    "oninput=\"document.title='typed '+this.value\">"
    "<input id=last onfocus=\"document.title='last'\" onblur=\"document.title='out'\">");

class FocusTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(input.connected()) << "no X display";
        ASSERT_TRUE(window.load());
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        ASSERT_TRUE(
            QTest::qWaitFor([] { return FindPane("Browser") != nullptr; }, kEngineGiveUpMs));
        QTest::mouseClick(window.command1(), Qt::LeftButton);
        browser = FindPane("Browser");
        QMetaObject::invokeMethod(browser, "loadHtml", Q_ARG(QString, kPage),
                                  Q_ARG(QUrl, QUrl(QStringLiteral("about:blank"))));
        ASSERT_TRUE(QTest::qWaitFor([&] { return title() == "ready"; }, kEngineGiveUpMs));
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        click(*window.box(Box::Text1));
        ASSERT_TRUE(QTest::qWaitFor([&] { return stop() == "Text1"; }, kStepMs));
    }

    std::string title() const { return browser->property("title").toString().toStdString(); }

    // Where the focus rests: a control of Form1 or a field of the page; empty while it moves.
    std::string stop() const {
        if (QGuiApplication::focusWindow() == PanesWindow()) {
            const std::string field = title();
            return field == "first" || field == "last" ? "page's " + field : "";
        }
        if (QGuiApplication::focusWindow() != window.windowHandle()) return "";
        const QWidget* focus = QApplication::focusWidget();
        // The panes' widget holds the focus only while it hands it to the page or back.
        if (focus == nullptr || focus->objectName() == "BrowserPanes") return "";
        if (focus == window.tabby()->tabBar()) return "Tabby's tab bar";
        return focus->objectName().toStdString();
    }

    // Where each press of the key puts the focus.
    std::vector<std::string> presses(int count, XInput::Modifier modifier) {
        std::vector<std::string> stops;
        for (int i = 0; i < count; ++i) {
            const std::string from = stop();
            input.key(kTab, modifier);
            input.sync();
            const bool moved =
                QTest::qWaitFor([&] { return !stop().empty() && stop() != from; }, kStepMs);
            stops.push_back(moved ? stop() : "<stayed at " + from + ">");
        }
        return stops;
    }

    void click(QPoint global) {
        input.moveTo(global.x(), global.y());
        input.clickLeft();
        input.sync();
    }
    void click(const QWidget& widget) { click(widget.mapToGlobal(widget.rect().center())); }

    XInput input;
    Form1Window window{[] { return kNoonOnMarch7; }};
    QQuickItem* browser = nullptr;
};

struct WalkRow {
    const char* name;
    XInput::Modifier modifier;
    // The creator's notice box shows, as it does while a notice is due.
    bool noticeShown;
    std::vector<std::string> stops;
};

void PrintTo(const WalkRow& row, std::ostream* out) { *out << row.name; }

const WalkRow kWalks[] = {
    {"TabWalksThroughThePageAndOutToTheNextControl",
     XInput::Modifier::None,
     false,
     {"Command1", "Text2", "Text3", "Reason", "Text5", "Tabby's tab bar", "page's first",
      "page's last", "Further", "Category", "Topics", "Text1"}},
    {"ShiftTabWalksBackThroughThePageAndOutToThePreviousControl",
     XInput::Modifier::Shift,
     false,
     {"Topics", "Category", "Further", "page's last", "page's first", "Tabby's tab bar", "Text5",
      "Reason", "Text3", "Text2", "Command1", "Text1"}},
    {"TabLeavesThePageForTheNoticeBox",
     XInput::Modifier::None,
     true,
     {"Command1", "Text2", "Text3", "Reason", "Text5", "Tabby's tab bar", "page's first",
      "page's last", "Text6", "Further", "Category", "Topics", "Text1"}},
    {"ShiftTabEntersThePageFromTheNoticeBox",
     XInput::Modifier::Shift,
     true,
     {"Topics", "Category", "Further", "Text6", "page's last", "page's first", "Tabby's tab bar",
      "Text5", "Reason", "Text3", "Text2", "Command1", "Text1"}},
};

class FocusWalkTest : public FocusTest, public testing::WithParamInterface<WalkRow> {};

TEST_P(FocusWalkTest, EachPressMovesTheFocusToTheNextStop) {
    const WalkRow& row = GetParam();
    if (row.noticeShown) {
        // A notice is due only once the check for earlier nominations has ended.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return window.status()->text() != "Checking for earlier nominations..."; },
            kEngineGiveUpMs));
        window.show(Control::Text6);
    }
    EXPECT_THAT(presses(static_cast<int>(row.stops.size()), row.modifier),
                testing::ElementsAreArray(row.stops));
}

INSTANTIATE_TEST_SUITE_P(Walks, FocusWalkTest, testing::ValuesIn(kWalks),
                         [](const testing::TestParamInfo<WalkRow>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(FocusTest, TypingGoesWhereTheLastClickWent) {
    // The first field, just inside the page's margin.
    click(PanesWindow()->mapToGlobal(QPoint(20, 18)));
    ASSERT_TRUE(QTest::qWaitFor([&] { return stop() == "page's first"; }, kStepMs)) << stop();
    input.type("abc");
    input.sync();
    EXPECT_TRUE(QTest::qWaitFor([&] { return title() == "typed abc"; }, kStepMs)) << title();
    EXPECT_EQ(window.box(Box::Text1)->text(), "Word");

    click(*window.box(Box::Reason));
    ASSERT_TRUE(QTest::qWaitFor([&] { return stop() == "Reason"; }, kStepMs)) << stop();
    input.key(kEnd);
    input.type("z");
    input.sync();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return window.box(Box::Reason)->text() == "Reasonz"; }, kStepMs))
        << window.box(Box::Reason)->text().toStdString();
    EXPECT_EQ(title(), "typed abc");
}

}  // namespace
}  // namespace nominator
