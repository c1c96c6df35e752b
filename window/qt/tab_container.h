#pragma once

#include <QWidget>

class QStackedWidget;
class QTabBar;

namespace nominator {

// Tabs in a single row over a frame, with each tab's pane placed at one fixed rectangle inside
// the container. Only the selected tab's pane is visible; the user switches tabs by clicking.
class TabContainer : public QWidget {
    Q_OBJECT

public:
    TabContainer(const QStringList& tabCaptions, const QRect& paneRect, QWidget* parent = nullptr);

    // Puts the pane on the next tab that has none yet.
    void addPane(QWidget* pane);
    QTabBar* tabBar() const { return tabBar_; }

private:
    QTabBar* tabBar_;
    QStackedWidget* panes_;
};

}  // namespace nominator
