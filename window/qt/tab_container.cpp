#include "window/qt/tab_container.h"

#include <QFrame>
#include <QTabBar>

namespace nominator {

TabContainer::TabContainer(const QStringList& tabCaptions, const QRect& paneRect, QWidget* parent)
    : QWidget(parent), tabBar_(new QTabBar(this)), paneRect_(paneRect) {
    for (const QString& caption : tabCaptions) tabBar_->addTab(caption);
    tabBar_->setCurrentIndex(0);
    tabBar_->setExpanding(false);
    // The panes sit with equal margins to the left, right and bottom of the page frame.
    const int margin = paneRect.left();
    const QSize frameOutline(paneRect.width() + 2 * margin, paneRect.bottom() + 1 + margin);
    tabBar_->move(0, 0);
    tabBar_->resize(tabBar_->sizeHint().boundedTo(QSize(frameOutline.width(), paneRect.top())));

    auto* frame = new QFrame(this);
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    const int frameTop = tabBar_->height() - 1;
    frame->setGeometry(0, frameTop, frameOutline.width(), frameOutline.height() - frameTop);
    frame->lower();

    setFocusProxy(tabBar_);
}

void TabContainer::setPanes(QWidget* panes) {
    panes->setParent(this);
    panes->setGeometry(paneRect_);
    panes->show();
}

}  // namespace nominator
