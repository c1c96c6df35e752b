#pragma once

#include <QWidget>

class QQuickItem;
class QQuickView;

namespace nominator {

// The panes' Qt Quick window among the window's widgets, as a native child window of its own,
// so that the widgets' window stays the one it was made as. Qt hands the keyboard focus into
// such a window but never back out of it; this widget does both. Tab and Shift+Tab from the
// neighbouring controls enter the selected page at its first or last control, and at the
// page's ends they leave it again for the window's next or previous control.
class QuickPanesHost : public QWidget {
    Q_OBJECT

public:
    // Takes the view, whose root item holds the panes, made by its repeater "paneRepeater" one
    // a row of its list; its "selected" property says which one shows, its "zoom" property
    // zooms them all, and the items "leaveBackward" and "leaveForward" flank them in the tab
    // chain.
    explicit QuickPanesHost(QQuickView* view);
    ~QuickPanesHost() override;

    // How many panes there are now.
    int paneCount() const;
    // The pane's web view; nullptr for a number without a pane.
    QQuickItem* pane(int index) const;
    // The panes from `first` on are about to go: the repeater deletes them later, and they
    // must go with this widget at the latest, before the engine's profile that they use.
    void holdLeavingPanes(int first);
    // The pane that shows; nullptr when none does.
    QQuickItem* selectedPane() const;
    void select(int index);
    // The zoom of all the panes.
    void setZoom(double zoom);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void enterPage();
    void leavePage(bool forward);
    void onActiveFocusItemChanged();
    // Takes the Quick window's focus off the pages and the exits, so that entering a page
    // again gives it the focus anew and nothing is left where the focus leaves.
    void park();

    QQuickView* view_;
    QWidget* container_;
    QQuickItem* leaveBackward_;
    QQuickItem* leaveForward_;
    QQuickItem* repeater_;
    // Tab or Backtab while the Quick window is being given the focus to enter the page.
    Qt::FocusReason entering_ = Qt::NoFocusReason;
};

}  // namespace nominator
