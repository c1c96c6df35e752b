#include "tests/qt/quick_panes.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWebEngineProfile>
#include <QQuickWindow>
#include <QTest>

#include "tests/qt/event_loop_wait.h"
#include "window/control_names.h"
#include "window/qt/form1_window.h"

namespace nominator {

Pane PaneOfKind(EditKind kind) { return static_cast<Pane>(*EditOfKind(PlanNomination({}), kind)); }

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

QQuickItem* PaneOnTab(int tab) { return FindPane(NameOf(static_cast<Pane>(tab))); }

QQuickWebEngineProfile* ProfileOf(const QQuickItem& pane) {
    return qvariant_cast<QQuickWebEngineProfile*>(pane.property("profile"));
}

bool ShowWithPanes(Form1Window& window, int timeoutMs) {
    if (!window.load()) return false;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return false;
    // The panes are made together: the last one's there, all are.
    if (!WaitInEventLoop([] { return PaneOnTab(kPaneCount - 1) != nullptr; }, timeoutMs)) {
        return false;
    }
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

}  // namespace nominator
