#pragma once

#include <QRect>
#include <QWidget>
#include <string_view>
#include <vector>

#include "window/nomination_view.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace nominator {

class ClickableLabel;
class MultiLineBox;
class TabContainer;
struct PixelRect;
struct TwipsRect;

// A rectangle of the layout in device-independent pixels, which scale with the screen.
QRect ToPixels(const TwipsRect& rect);
QRect ToQRect(const PixelRect& rect);

// Gives the control, known by its layout name, the name and description a screen reader says.
void DescribeForAssistiveTechnology(QWidget& control);

// Form1's controls, built from its layout table, with no behaviour and no browser in them: the
// tab container starts without tabs and without panes; the panes are added once the browser
// engine is up.
class Form1Widgets : public QWidget {
    Q_OBJECT

public:
    explicit Form1Widgets(QWidget* parent = nullptr);

    // The one-line boxes.
    QLineEdit* box(Box box) const;
    // The box when it holds several lines; nullptr for a box of one line.
    MultiLineBox* lines(Box box) const;
    QComboBox* list(Choice choice) const;
    QWidget* control(Control control) const;
    QPushButton* command1() const;
    ClickableLabel* dayPlus() const;
    QLabel* status() const;
    TabContainer* tabby() const;
    // One tab a pane, in order: the label's caption on it, and its tool tip.
    void setTabs(const std::vector<PaneLabel>& panes);

protected:
    // Tabby and the panes grow with the window; the other controls stay where they are.
    void resizeEvent(QResizeEvent* event) override;

private:
    template <typename Widget>
    Widget* named(std::string_view name) const;
};

}  // namespace nominator
