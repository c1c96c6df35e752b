#pragma once

#include <QEvent>
#include <QObject>
#include <functional>

namespace nominator {

// Installed as an event filter: runs the action the first time the watched object receives an
// event of the type, before the object handles it.
class FirstEvent : public QObject {
public:
    FirstEvent(QEvent::Type type, std::function<void()> action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QEvent::Type type_;
    std::function<void()> action_;
};

}  // namespace nominator
