#include "window/qt/tab_container.h"

#include <QFrame>
#include <QTabBar>

namespace nominator {

TabContainer::TabContainer(const QStringList& tabCaptions, const QRect& paneRect, QWidget* parent)
    : QWidget(parent), tabBar_(new QTabBar(this)), frame_(new QFrame(this)), paneRect_(paneRect) {
    for (const QString& caption : tabCaptions) tabBar_->addTab(caption);
    tabBar_->setCurrentIndex(0);
    tabBar_->setExpanding(false);
    // The panes sit with equal margins to the left and right of the page frame, and the tabs
    // above them.
    const int frameWidth = paneRect.width() + 2 * paneRect.left();
    tabBar_->move(0, 0);
    tabBar_->resize(tabBar_->sizeHint().boundedTo(QSize(frameWidth, paneRect.top())));

    frame_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    frame_->lower();

    setFocusProxy(tabBar_);
}

void TabContainer::setPanes(QWidget* panes) {
    panes_ = panes;
    panes->setParent(this);
    panes->setGeometry(paneRect_);
    panes->show();
}

void TabContainer::setPaneRect(const QRect& paneRect) {
    paneRect_ = paneRect;
    if (panes_ != nullptr) panes_->setGeometry(paneRect);
}

void TabContainer::resizeEvent(QResizeEvent* event) {
    // The page frame fills the container below the tab strip, which it tucks under by a pixel.
    const int frameTop = tabBar_->height() - 1;
    frame_->setGeometry(0, frameTop, width(), height() - frameTop);
    QWidget::resizeEvent(event);
}

}  // namespace nominator
