#include "window/qt/tab_container.h"

#include <QFrame>
#include <QTabBar>

namespace nominator {

TabContainer::TabContainer(const QRect& paneRect, QWidget* parent)
    : QWidget(parent), tabBar_(new QTabBar(this)), frame_(new QFrame(this)), paneRect_(paneRect) {
    tabBar_->setExpanding(false);
    // However many tabs there are, each stays reachable and keeps its whole caption.
    tabBar_->setUsesScrollButtons(true);
    tabBar_->setElideMode(Qt::ElideNone);
    tabBar_->move(0, 0);
    frame_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    frame_->lower();
    fitTabBar();

    setFocusProxy(tabBar_);
}

void TabContainer::setTabs(const QStringList& captions, const QStringList& toolTips) {
    // Removed from the end, so that the tabs that stay keep their indexes and the current one
    // moves only when it goes.
    while (tabBar_->count() > captions.size()) tabBar_->removeTab(tabBar_->count() - 1);
    for (int tab = 0; tab < captions.size(); ++tab) {
        if (tab == tabBar_->count()) {
            tabBar_->addTab(captions.at(tab));
        } else {
            tabBar_->setTabText(tab, captions.at(tab));
        }
        tabBar_->setTabToolTip(tab, tab < toolTips.size() ? toolTips.at(tab) : QString());
    }
    fitTabBar();
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
    fitTabBar();
}

void TabContainer::fitTabBar() {
    // The panes sit with equal margins to the left and right of the page frame, and the tabs
    // above them.
    const int frameWidth = paneRect_.width() + 2 * paneRect_.left();
    tabBar_->resize(tabBar_->sizeHint().boundedTo(QSize(frameWidth, paneRect_.top())));
    placeFrame();
}

void TabContainer::placeFrame() {
    // The page frame fills the container below the tab strip, which it tucks under by a pixel.
    const int frameTop = tabBar_->height() - 1;
    frame_->setGeometry(0, frameTop, width(), height() - frameTop);
}

void TabContainer::resizeEvent(QResizeEvent* event) {
    placeFrame();
    QWidget::resizeEvent(event);
}

}  // namespace nominator
