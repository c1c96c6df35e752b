// Real X input into the window with the real browser engine, sent from the window's first frame
// on and again while the panes join it: every character typed must arrive and the click on
// Command1 must take effect, run after run.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QQuickItem>
#include <QTest>
#include <QUrl>
#include <chrono>
#include <optional>
#include <string>
#include <thread>

#include "tests/qt/first_event.h"
#include "tests/qt/quick_panes.h"
#include "tests/support/gui_test_constants.h"
#include "tests/support/x_input.h"
#include "window/qt/form1_window.h"
#include "window/qt/tab_container.h"

namespace nominator {
namespace {

using support::kEngineGiveUpMs;
using support::kNoonOnMarch7;

using namespace std::chrono_literals;
using support::XInput;

constexpr int kRuns = 3;

struct Moment {
    const char* name;
    QEvent::Type event;
    // Where the event is watched for: Form1's first paint, or the panes joining Tabby.
    bool inTabby;
};

QPoint CentreOf(const QWidget& widget) { return widget.mapToGlobal(widget.rect().center()); }

// Clicks into the box, selects all and types over it, as a user replaces a placeholder, a key
// every few milliseconds, so that the typing spans the panes' creation.
void TypeOver(XInput& input, QPoint box, std::string_view text) {
    input.moveTo(box.x(), box.y());
    input.clickLeft();
    input.key('a', XInput::Modifier::Control);
    for (const char character : text) {
        input.type(character);
        input.sync();
        std::this_thread::sleep_for(10ms);
    }
}

// The first run of the first moment meets an engine that this process never loaded; this file
// is linked first, so that its test runs first.
TEST(TypingTest, EveryCharacterArrivesAndTheClickTakesEffect) {
    const Moment moments[] = {{"from the first frame", QEvent::Paint, false},
                              {"while the panes join", QEvent::ChildAdded, true}};
    XInput input;
    ASSERT_TRUE(input.connected()) << "no X display";
    for (const Moment& moment : moments) {
        for (int run = 1; run <= kRuns; ++run) {
            SCOPED_TRACE(std::string(moment.name) + ", run " + std::to_string(run));
            Form1Window window([] { return kNoonOnMarch7; });
            ASSERT_TRUE(window.load());

            std::optional<std::jthread> user;
            FirstEvent start(moment.event, [&] {
                const QPoint text1 = CentreOf(*window.box(Box::Text1));
                const QPoint reason = CentreOf(*window.box(Box::Reason));
                const QPoint command1 = CentreOf(*window.command1());
                user.emplace([&input, text1, reason, command1] {
                    TypeOver(input, text1, "AT&T");
                    TypeOver(input, reason, "Not notable");
                    input.moveTo(command1.x(), command1.y());
                    input.clickLeft();
                    input.sync();
                });
            });
            QWidget* watched = moment.inTabby ? static_cast<QWidget*>(window.tabby()) : &window;
            watched->installEventFilter(&start);
            window.show();

            const QString discussion = "{{subst:afd2 | pg=AT&T| text=Not notable}} ~~~~";
            const bool nominated = QTest::qWaitFor(
                [&] { return window.box(Box::Text3)->text() == discussion; }, kEngineGiveUpMs);
            user.reset();
            EXPECT_TRUE(nominated)
                << "Text3 holds " << window.box(Box::Text3)->text().toStdString();
            EXPECT_EQ(window.box(Box::Text1)->text(), "AT&T");
            EXPECT_EQ(window.box(Box::Reason)->text(), "Not notable");
            EXPECT_TRUE(window.tabby()->isVisible());
            EXPECT_TRUE(QTest::qWaitFor(
                [&] {
                    return FindPane("Browser")->property("url").toUrl().toEncoded().contains(
                        "title=AT%26T&action=edit");
                },
                kEngineGiveUpMs))
                << FindPane("Browser")->property("url").toUrl().toEncoded().toStdString();
        }
    }
}

}  // namespace
}  // namespace nominator
