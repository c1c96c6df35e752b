#include "browser_engine/quick_panes_host.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickView>
#include <stdexcept>
#include <string>
#include <utility>

#include "window/pane_labels.h"

namespace nominator {
namespace {

QQuickItem* Named(QQuickItem* root, const char* name) {
    auto* item = root->findChild<QQuickItem*>(QString::fromLatin1(name));
    if (item == nullptr) {
        throw std::runtime_error(std::string("the browser panes have no item ") + name);
    }
    return item;
}

}  // namespace

QuickPanesHost::QuickPanesHost(QQuickView* view)
    : view_(view),
      container_(QWidget::createWindowContainer(view, this)),
      leaveBackward_(Named(view->rootObject(), "leaveBackward")),
      leaveForward_(Named(view->rootObject(), "leaveForward")),
      repeater_(Named(view->rootObject(), "paneRepeater")) {
    // Only Tab reaches this widget; a click lands in the Quick window, which takes the focus
    // itself, and the container would pass the focus on to a neighbour unasked.
    setFocusPolicy(Qt::TabFocus);
    container_->setFocusPolicy(Qt::NoFocus);
    // A child window counts as active with its top level; only the focus window tells when
    // the keys go to the page.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focus) {
        if (focus == view_ && entering_ != Qt::NoFocusReason) enterPage();
    });
    connect(view_, &QQuickView::activeFocusItemChanged, this,
            &QuickPanesHost::onActiveFocusItemChanged);
}

QuickPanesHost::~QuickPanesHost() {
    // The Quick window goes with its container, a child of this widget, after this body has
    // run; the focus changes it reports as it goes must not reach this half-destroyed widget.
    disconnect(view_, nullptr, this, nullptr);
    disconnect(qGuiApp, nullptr, this, nullptr);
}

int QuickPanesHost::paneCount() const { return repeater_->property("count").toInt(); }

QQuickItem* QuickPanesHost::pane(int index) const {
    if (index < 0 || index >= paneCount()) return nullptr;
    // Asked of the repeater, not looked up by name: a pane that went may linger until it is
    // deleted, under the name a new pane takes.
    QQuickItem* delegate = nullptr;
    QMetaObject::invokeMethod(repeater_, "itemAt", Q_RETURN_ARG(QQuickItem*, delegate),
                              Q_ARG(int, index));
    if (delegate == nullptr) return nullptr;
    return delegate->findChild<QQuickItem*>(QString::fromStdString(PaneObjectName(index)),
                                            Qt::FindDirectChildrenOnly);
}

void QuickPanesHost::holdLeavingPanes(int first) {
    for (int index = first; index < paneCount(); ++index) {
        if (QQuickItem* view = pane(index)) view->parentItem()->setParent(this);
    }
}

QQuickItem* QuickPanesHost::selectedPane() const {
    return pane(view_->rootObject()->property("selected").toInt());
}

void QuickPanesHost::select(int index) { view_->rootObject()->setProperty("selected", index); }

void QuickPanesHost::setZoom(double zoom) { view_->rootObject()->setProperty("zoom", zoom); }

void QuickPanesHost::focusInEvent(QFocusEvent* event) {
    // Leaving a page parks the focus here for a moment with another reason.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        entering_ = event->reason();
        park();
        view_->requestActivate();
        if (QGuiApplication::focusWindow() == view_) enterPage();
    }
    QWidget::focusInEvent(event);
}

void QuickPanesHost::resizeEvent(QResizeEvent* event) {
    container_->setGeometry(rect());
    // The container sizes its window a turn of the event loop after it is first shown; the
    // pages get their size at once.
    view_->rootObject()->setSize(size());
    QWidget::resizeEvent(event);
}

void QuickPanesHost::enterPage() {
    // The engine puts the focus on the page's first control for Tab, on its last for Backtab.
    const Qt::FocusReason reason = std::exchange(entering_, Qt::NoFocusReason);
    if (QQuickItem* shown = selectedPane()) {
        shown->forceActiveFocus(reason);
    } else {
        // With no page to enter, Tab goes on past the panes.
        leavePage(reason == Qt::TabFocusReason);
    }
}

void QuickPanesHost::leavePage(bool forward) {
    park();
    // The window's focus widget is where Qt's tab chain starts from; the Quick window took it.
    setFocus(Qt::OtherFocusReason);
    focusNextPrevChild(forward);
}

void QuickPanesHost::onActiveFocusItemChanged() {
    // The engine moves the focus along the Quick window's tab chain when Tab leaves a page.
    QQuickItem* focus = view_->activeFocusItem();
    if (focus == leaveForward_) {
        leavePage(true);
    } else if (focus == leaveBackward_) {
        leavePage(false);
    }
}

void QuickPanesHost::park() { view_->rootObject()->forceActiveFocus(); }

}  // namespace nominator
