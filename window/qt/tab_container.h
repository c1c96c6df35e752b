#pragma once

#include <QWidget>

class QTabBar;

namespace nominator {

// Tabs in a single row over a frame, with the panes placed at one fixed rectangle inside the
// container. The user switches tabs by clicking; the panes show the selected tab's pane.
class TabContainer : public QWidget {
    Q_OBJECT

public:
    TabContainer(const QStringList& tabCaptions, const QRect& paneRect, QWidget* parent = nullptr);

    // Puts the widget that holds every tab's pane at the panes' rectangle.
    void setPanes(QWidget* panes);
    QTabBar* tabBar() const { return tabBar_; }

private:
    QTabBar* tabBar_;
    QRect paneRect_;
};

}  // namespace nominator
