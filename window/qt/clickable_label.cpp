#include "window/qt/clickable_label.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QShortcut>
#include <mutex>

namespace nominator {
namespace {

// A label offers no action to assistive technology; this one is pressed like a button.
class AccessibleClickableLabel : public QAccessibleWidget {
public:
    explicit AccessibleClickableLabel(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) text = label()->text();
        return text;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        if (action == pressAction()) label()->click();
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        if (action != pressAction()) return {};
        QStringList keys;
        for (const QShortcut* shortcut :
             label()->findChildren<QShortcut*>(Qt::FindDirectChildrenOnly)) {
            keys << shortcut->key().toString();
        }
        return keys;
    }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(widget()); }
};

QAccessibleInterface* AccessibleClickableLabelFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(ClickableLabel::staticMetaObject.className())) {
        return new AccessibleClickableLabel(static_cast<ClickableLabel*>(object));
    }
    return nullptr;
}

}  // namespace

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setFocusPolicy(Qt::NoFocus);
    static std::once_flag factoryInstalled;
    std::call_once(factoryInstalled,
                   [] { QAccessible::installFactory(AccessibleClickableLabelFactory); });
}

void ClickableLabel::click() { emit clicked(); }

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    // A press dragged off the label and released elsewhere is no click.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        click();
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace nominator
