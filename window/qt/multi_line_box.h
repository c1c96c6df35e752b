#pragma once

#include <QPlainTextEdit>
#include <QStringList>

class QCompleter;
class QStringListModel;

namespace nominator {

// A box of plain text, one item a line: Return starts a line, Tab moves on to the next control.
// Given choices, it offers those that contain what the cursor's line holds so far; the one
// taken (Down, then Return) replaces the line.
class MultiLineBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit MultiLineBox(QWidget* parent = nullptr);

    void setChoices(const QStringList& choices);
    QCompleter* completer() const { return completer_; }

signals:
    // The box got the keyboard focus.
    void focused();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // The cursor's line, from its start to the cursor.
    QString lineSoFar() const;
    void offerChoices();
    void takeChoice(const QString& choice);

    QStringListModel* choices_;
    QCompleter* completer_;
};

}  // namespace nominator
