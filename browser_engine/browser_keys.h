#pragma once

#include <QObject>
#include <functional>
#include <optional>

class QKeyEvent;
class QWheelEvent;
class QWindow;

namespace nominator {

// What the keys a browser user expects do to the visible pane.
enum class BrowserKey { ZoomIn, ZoomOut, ZoomReset, Reload, Back, Forward };

// Ctrl+plus (or Ctrl+=, the same key unshifted), Ctrl+minus (or Ctrl+_), Ctrl+0, F5, Ctrl+R,
// Alt+Left and Alt+Right, on the main keyboard or the keypad; nothing for any other key.
std::optional<BrowserKey> BrowserKeyOf(const QKeyEvent& event);

// Watches a window's keys and Ctrl+wheel and hands on the browser keys among them, which the
// window then never sees; every other key and wheel reaches it as before.
class BrowserKeys : public QObject {
    Q_OBJECT

public:
    using Act = std::function<void(BrowserKey)>;
    // Watches the window for as long as both live.
    BrowserKeys(QWindow& window, Act act);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wheel(const QWheelEvent& event);

    Act act_;
    // A fine-grained wheel or touchpad turns by fractions of a notch; a step takes a notch.
    int wheelTurned_ = 0;
};

}  // namespace nominator
