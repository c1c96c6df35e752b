#pragma once

#include <QPointer>
#include <QWidget>

class QFrame;
class QTabBar;

namespace nominator {

// Tabs in a single row over a frame that fills the container, with the panes placed at one
// rectangle inside it. The user switches tabs by clicking; the panes show the selected tab's
// pane.
class TabContainer : public QWidget {
    Q_OBJECT

public:
    TabContainer(const QStringList& tabCaptions, const QRect& paneRect, QWidget* parent = nullptr);

    // Puts the widget that holds every tab's pane at the panes' rectangle.
    void setPanes(QWidget* panes);
    // Moves the panes' rectangle, for the panes to come too.
    void setPaneRect(const QRect& paneRect);
    QTabBar* tabBar() const { return tabBar_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QTabBar* tabBar_;
    QFrame* frame_;
    QRect paneRect_;
    // Owned by whoever made them; they may go before the container.
    QPointer<QWidget> panes_;
};

}  // namespace nominator
