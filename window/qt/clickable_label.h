#pragma once

#include <QLabel>

namespace nominator {

// A plain label that reports a left click; like any label it never takes the keyboard focus.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace nominator
