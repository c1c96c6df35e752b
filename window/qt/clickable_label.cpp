#include "window/qt/clickable_label.h"

#include <QMouseEvent>

namespace nominator {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setFocusPolicy(Qt::NoFocus);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    // A press dragged off the label and released elsewhere is no click.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

}  // namespace nominator
