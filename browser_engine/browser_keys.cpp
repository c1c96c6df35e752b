#include "browser_engine/browser_keys.h"

#include <QKeyEvent>
#include <QWheelEvent>
#include <QWindow>
#include <utility>

namespace nominator {
namespace {

// One notch of a common mouse wheel, in eighths of a degree.
constexpr int kNotch = 120;

}  // namespace

std::optional<BrowserKey> BrowserKeyOf(const QKeyEvent& event) {
    // Where the key sits does not matter; Shift is how some layouts reach + and =.
    const Qt::KeyboardModifiers held = event.modifiers() & ~Qt::KeypadModifier;
    const bool control = held == Qt::ControlModifier;
    const bool controlShifted = control || held == (Qt::ControlModifier | Qt::ShiftModifier);
    switch (event.key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            if (controlShifted) return BrowserKey::ZoomIn;
            break;
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            if (controlShifted) return BrowserKey::ZoomOut;
            break;
        case Qt::Key_0:
            if (control) return BrowserKey::ZoomReset;
            break;
        case Qt::Key_F5:
            if (held == Qt::NoModifier) return BrowserKey::Reload;
            break;
        case Qt::Key_R:
            if (control) return BrowserKey::Reload;
            break;
        case Qt::Key_Left:
            if (held == Qt::AltModifier) return BrowserKey::Back;
            break;
        case Qt::Key_Right:
            if (held == Qt::AltModifier) return BrowserKey::Forward;
            break;
        default:
            break;
    }
    return std::nullopt;
}

BrowserKeys::BrowserKeys(QWindow& window, Act act) : QObject(&window), act_(std::move(act)) {
    window.installEventFilter(this);
}

bool BrowserKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        if (const std::optional<BrowserKey> key = BrowserKeyOf(*static_cast<QKeyEvent*>(event))) {
            act_(*key);
            return true;
        }
    } else if (event->type() == QEvent::Wheel) {
        const auto* turn = static_cast<QWheelEvent*>(event);
        if (turn->modifiers() & Qt::ControlModifier) {
            wheel(*turn);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void BrowserKeys::wheel(const QWheelEvent& event) {
    wheelTurned_ += event.angleDelta().y();
    for (; wheelTurned_ >= kNotch; wheelTurned_ -= kNotch) act_(BrowserKey::ZoomIn);
    for (; wheelTurned_ <= -kNotch; wheelTurned_ += kNotch) act_(BrowserKey::ZoomOut);
}

}  // namespace nominator
