#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

class QFrame;
class QTabBar;

namespace nominator {

// Tabs in a single row over a frame that fills the container, with the panes placed at one
// rectangle inside it. The user switches tabs by clicking; the panes show the selected tab's
// pane. Tabs beyond the row's room scroll, as a browser's do.
class TabContainer : public QWidget {
    Q_OBJECT

public:
    TabContainer(const QRect& paneRect, QWidget* parent = nullptr);

    // One tab a caption, in order, each with its tool tip; tabs that stay keep their place and
    // the current tab stays current while it is there.
    void setTabs(const QStringList& captions, const QStringList& toolTips);
    // Puts the widget that holds every tab's pane at the panes' rectangle.
    void setPanes(QWidget* panes);
    // Moves the panes' rectangle, for the panes to come too.
    void setPaneRect(const QRect& paneRect);
    QTabBar* tabBar() const { return tabBar_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The strip takes what its tabs need, at most the container's width above the panes.
    void fitTabBar();
    void placeFrame();

    QTabBar* tabBar_;
    QFrame* frame_;
    QRect paneRect_;
    // Owned by whoever made them; they may go before the container.
    QPointer<QWidget> panes_;
};

}  // namespace nominator
