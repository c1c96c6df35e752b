#include "tests/qt/quick_panes.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWebEngineProfile>
#include <QQuickWindow>

namespace nominator {

QQuickWindow* PanesWindow() {
    for (QWindow* window : QGuiApplication::allWindows()) {
        if (auto* quick = qobject_cast<QQuickWindow*>(window)) return quick;
    }
    return nullptr;
}

QQuickItem* FindPane(std::string_view name) {
    QQuickWindow* window = PanesWindow();
    if (window == nullptr) return nullptr;
    return window->findChild<QQuickItem*>(
        QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

QQuickWebEngineProfile* ProfileOf(const QQuickItem& pane) {
    return qvariant_cast<QQuickWebEngineProfile*>(pane.property("profile"));
}

}  // namespace nominator
