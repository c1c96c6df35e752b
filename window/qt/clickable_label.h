#pragma once

#include <QLabel>

namespace nominator {

// A plain label that reports a left click; like any label it never takes the keyboard focus.
// Assistive technology sees a button that it can press.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

public slots:
    // What a click does, for the keyboard and assistive technology.
    void click();

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace nominator
