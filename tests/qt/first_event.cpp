#include "tests/qt/first_event.h"

#include <utility>

namespace nominator {

FirstEvent::FirstEvent(QEvent::Type type, std::function<void()> action)
    : type_(type), action_(std::move(action)) {}

bool FirstEvent::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == type_ && action_) std::exchange(action_, nullptr)();
    return QObject::eventFilter(watched, event);
}

}  // namespace nominator
