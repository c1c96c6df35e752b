#include "window/qt/form1_widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStringList>
#include <limits>
#include <stdexcept>

#include "core/deletion_sorting.h"
#include "window/control_names.h"
#include "window/form1_accessibility.h"
#include "window/form1_layout.h"
#include "window/qt/clickable_label.h"
#include "window/qt/multi_line_box.h"
#include "window/qt/tab_container.h"
#include "window/qt/utf8.h"

namespace nominator {
namespace {

QWidget* CreateControl(const ControlLayout& layout, QWidget* parent) {
    const QString text = ToQString(layout.initialText);
    switch (layout.kind) {
        case ControlKind::TextBox: {
            auto* box = new QLineEdit(text, parent);
            // The default limit of 32767 characters would cut long pasted titles and reasons.
            box->setMaxLength(std::numeric_limits<int>::max());
            box->setCursorPosition(0);
            return box;
        }
        case ControlKind::PushButton: {
            auto* button = new QPushButton(text, parent);
            // Enter in a text box must not start a nomination.
            button->setAutoDefault(false);
            button->setDefault(false);
            return button;
        }
        case ControlKind::ClickableLabel:
            return new ClickableLabel(text, parent);
        case ControlKind::Label: {
            auto* label = new QLabel(text, parent);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            return label;
        }
        case ControlKind::TabContainer:
            return new TabContainer(ToPixels(kPaneRect), parent);
        case ControlKind::ComboBox: {
            // Its entries are the discussion's categories, the only list the window has.
            auto* list = new QComboBox(parent);
            for (const std::string& entry : CategoryEntries()) list->addItem(ToQString(entry));
            return list;
        }
        case ControlKind::MultiLineTextBox:
            return new MultiLineBox(parent);
    }
    return nullptr;
}

}  // namespace

QRect ToQRect(const PixelRect& rect) { return {rect.x, rect.y, rect.width, rect.height}; }

QRect ToPixels(const TwipsRect& rect) { return ToQRect(TwipsToPixels(rect)); }

Form1Widgets::Form1Widgets(QWidget* parent) : QWidget(parent) {
    setWindowTitle(ToQString(kFormCaption));
    // Smaller, the controls would overlap; larger, Tabby and its panes take the room.
    setMinimumSize(kDesignSize.width, kDesignSize.height);
    resize(minimumSize());

    QWidget* previous = nullptr;
    for (const ControlLayout& layout : kForm1Layout) {
        QWidget* widget = CreateControl(layout, this);
        widget->setObjectName(ToQString(layout.name));
        widget->setGeometry(ToPixels(layout.rect));
        if (layout.kind == ControlKind::ClickableLabel) {
            // The designed width was measured in another system font; the caption is never cut.
            widget->resize(widget->size().expandedTo(widget->sizeHint()));
        }
        if (!layout.shownAtStart) widget->hide();
        if (previous != nullptr) setTabOrder(previous, widget);
        previous = widget;
        DescribeForAssistiveTechnology(*widget);
    }
    // Pressed from anywhere in the window, the pages included; a label cannot take the focus.
    auto* nextDay = new QShortcut(QKeySequence(ToQString(kNextDayKey)), dayPlus());
    connect(nextDay, &QShortcut::activated, dayPlus(), &ClickableLabel::click);
    box(Box::Text1)->setFocus();
}

void Form1Widgets::resizeEvent(QResizeEvent* event) {
    const PixelSize client{width(), height()};
    for (const ControlLayout& layout : kForm1Layout) {
        if (layout.growth == Growth::None) continue;
        named<QWidget>(layout.name)->setGeometry(ToQRect(GrownRect(layout, client)));
    }
    tabby()->setPaneRect(ToQRect(GrownPaneRect(client)));
    QWidget::resizeEvent(event);
}

void Form1Widgets::setTabs(const std::vector<PaneLabel>& panes) {
    QStringList captions;
    QStringList toolTips;
    for (const PaneLabel& pane : panes) {
        captions << ToQString(pane.caption);
        // The tool tip says what the tab holds; the caption only counts.
        toolTips << ToQString(pane.tabToolTip());
    }
    tabby()->setTabs(captions, toolTips);
}

void DescribeForAssistiveTechnology(QWidget& control) {
    const AccessibleText* text = AccessibleTextOf(ToUtf8(control.objectName()));
    if (text == nullptr) return;
    if (!text->name.empty()) control.setAccessibleName(ToQString(text->name));
    control.setAccessibleDescription(ToQString(text->description));
}

template <typename Widget>
Widget* Form1Widgets::named(std::string_view name) const {
    auto* widget = findChild<Widget*>(ToQString(name), Qt::FindDirectChildrenOnly);
    if (widget == nullptr) {
        throw std::logic_error("Form1 has no control " + std::string(name));
    }
    return widget;
}

QLineEdit* Form1Widgets::box(Box box) const { return named<QLineEdit>(NameOf(box)); }

MultiLineBox* Form1Widgets::lines(Box box) const {
    return findChild<MultiLineBox*>(ToQString(NameOf(box)), Qt::FindDirectChildrenOnly);
}

QComboBox* Form1Widgets::list(Choice choice) const { return named<QComboBox>(NameOf(choice)); }

QWidget* Form1Widgets::control(Control control) const { return named<QWidget>(NameOf(control)); }

QPushButton* Form1Widgets::command1() const { return named<QPushButton>("Command1"); }

ClickableLabel* Form1Widgets::dayPlus() const { return named<ClickableLabel>("DayPlus"); }

QLabel* Form1Widgets::status() const { return named<QLabel>("Status"); }

TabContainer* Form1Widgets::tabby() const { return named<TabContainer>("Tabby"); }

}  // namespace nominator
