// A user at the window and its panes, with real X input: boxes pasted into, tabs and buttons
// clicked, elements of the shown page clicked. It counts the clicks and key presses it sends,
// so that a driver can tell how many a task took.
#pragma once

#include <QPoint>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "tests/support/x_input.h"
#include "window/qt/form1_widgets.h"

class QQuickItem;
class QWidget;

namespace support {
class LocalWiki;
}

namespace nominator {

// How a click is made: a plain one, one that asks for a link in a new window with Control held
// down, or with the wheel's button.
enum class ClickKind { Left, ControlLeft, Middle };

class PaneUser {
public:
    explicit PaneUser(Form1Widgets& window) : window_(window) {}

    bool connected() const { return input_.connected(); }
    void click(QPoint global, ClickKind kind = ClickKind::Left);
    void clickOn(QWidget* widget);
    void key(std::uint32_t keysym, support::XInput::Modifier modifier = {});
    // Pastes the text into the box, as a user replaces a box's text; false when the box did not
    // end up holding it.
    bool paste(Box box, const std::string& text);
    // Clicks the tab's caption; false when the tab did not become the current one.
    bool showTab(int tab);
    // Clicks the shown page's element (a selector without single quotes) with real input, again
    // if need be, until `done` holds, by default until the pane has left the page for another.
    // Under Xvfb without a window manager, the first click into the panes' window is now and
    // then taken for handing it the keys only. The page is scrolled to the element by script.
    bool clickInPage(int tab, const char* selector, const std::function<bool()>& done = {},
                     ClickKind kind = ClickKind::Left);
    // Clicks the tab's Save button and waits until the pane shows the saved page.
    bool save(int tab);
    // Logs in through the wiki's login form in the tab's pane, filled and sent by script: the
    // panes' profile keeps the login for all of them.
    static bool logIn(int tab, const support::LocalWiki& wiki);

    // The pane of the tab (from 0); the panes must exist.
    static QQuickItem& pane(int tab);
    // The value of the page's form field with the id, or "(none)".
    static std::string field(int tab, const char* id);

    int clicks() const { return clicks_; }
    int keys() const { return keys_; }
    // When the last click was sent (and processed by the X server).
    std::chrono::steady_clock::time_point lastClick() const { return lastClick_; }

private:
    Form1Widgets& window_;
    support::XInput input_;
    int clicks_ = 0;
    int keys_ = 0;
    std::chrono::steady_clock::time_point lastClick_;
};

}  // namespace nominator
