#include "window/qt/multi_line_box.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStringListModel>
#include <QTextBlock>

namespace nominator {

MultiLineBox::MultiLineBox(QWidget* parent)
    : QPlainTextEdit(parent),
      choices_(new QStringListModel(this)),
      completer_(new QCompleter(choices_, this)) {
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    completer_->setWidget(this);
    completer_->setCompletionMode(QCompleter::PopupCompletion);
    completer_->setCaseSensitivity(Qt::CaseInsensitive);
    // A user who remembers a word of the topic finds it wherever the word stands in its name.
    completer_->setFilterMode(Qt::MatchContains);
    connect(completer_, qOverload<const QString&>(&QCompleter::activated), this,
            &MultiLineBox::takeChoice);
}

void MultiLineBox::setChoices(const QStringList& choices) { choices_->setStringList(choices); }

QString MultiLineBox::lineSoFar() const {
    const QTextCursor cursor = textCursor();
    return cursor.block().text().left(cursor.positionInBlock()).trimmed();
}

void MultiLineBox::keyPressEvent(QKeyEvent* event) {
    // While choices are offered, Escape puts them away and Return takes the highlighted one, as
    // the completer does; Return with none highlighted starts a line, as it would without them.
    if (completer_->popup()->isVisible()) {
        switch (event->key()) {
            case Qt::Key_Escape:
                event->ignore();
                return;
            case Qt::Key_Enter:
            case Qt::Key_Return:
                if (completer_->popup()->currentIndex().isValid()) {
                    event->ignore();
                    return;
                }
                completer_->popup()->hide();
                break;
            default:
                break;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
    if (!event->text().trimmed().isEmpty() || event->key() == Qt::Key_Backspace) offerChoices();
}

void MultiLineBox::focusInEvent(QFocusEvent* event) {
    QPlainTextEdit::focusInEvent(event);
    emit focused();
}

void MultiLineBox::offerChoices() {
    const QString typed = lineSoFar();
    if (typed.isEmpty() || choices_->rowCount() == 0) {
        completer_->popup()->hide();
        return;
    }
    completer_->setCompletionPrefix(typed);
    if (completer_->completionCount() == 0) {
        completer_->popup()->hide();
        return;
    }
    QRect below = cursorRect();
    below.setWidth(completer_->popup()->sizeHintForColumn(0) +
                   completer_->popup()->verticalScrollBar()->sizeHint().width());
    completer_->complete(below);
}

void MultiLineBox::takeChoice(const QString& choice) {
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::StartOfBlock);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(choice);
    setTextCursor(cursor);
}

}  // namespace nominator
