#include "tests/qt/quick_panes.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWebEngineProfile>
#include <QQuickWindow>
#include <QTabBar>
#include <QTest>

#include "tests/qt/event_loop_wait.h"
#include "window/pane_labels.h"
#include "window/qt/form1_window.h"
#include "window/qt/tab_container.h"

namespace nominator {

Pane PaneOfKind(EditKind kind) { return static_cast<Pane>(*EditOfKind(PlanNomination({}), kind)); }

QQuickWindow* PanesWindow() {
    for (QWindow* window : QGuiApplication::allWindows()) {
        if (auto* quick = qobject_cast<QQuickWindow*>(window)) return quick;
    }
    return nullptr;
}

namespace {

// The panes' repeater makes them items of the scene, not children of any object: they are
// found the way they are drawn. A pane that went is out of the scene while it waits to go.
QQuickItem* FindItem(QQuickItem& item, const QString& name) {
    if (item.objectName() == name) return &item;
    for (QQuickItem* child : item.childItems()) {
        if (QQuickItem* found = FindItem(*child, name)) return found;
    }
    return nullptr;
}

}  // namespace

QQuickItem* FindPane(std::string_view name) {
    QQuickWindow* window = PanesWindow();
    if (window == nullptr) return nullptr;
    return FindItem(*window->contentItem(),
                    QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

QQuickItem* PaneOnTab(int tab) { return FindPane(PaneObjectName(tab)); }

QQuickWebEngineProfile* ProfileOf(const QQuickItem& pane) {
    return qvariant_cast<QQuickWebEngineProfile*>(pane.property("profile"));
}

bool ShowWithPanes(Form1Window& window, int timeoutMs) {
    if (!window.load()) return false;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return false;
    // The panes are made together, one a tab: the last one's there, all are.
    const int last = window.tabby()->tabBar()->count() - 1;
    if (!WaitInEventLoop([last] { return PaneOnTab(last) != nullptr; }, timeoutMs)) {
        return false;
    }
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

}  // namespace nominator
