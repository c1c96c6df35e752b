#include "window/qt/form1_window.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QUrl>
#include <stdexcept>
#include <utility>

#include "window/pane_labels.h"
#include "window/qt/clickable_label.h"
#include "window/qt/handler_guard.h"
#include "window/qt/kept_geometry_file.h"
#include "window/qt/multi_line_box.h"
#include "window/qt/tab_container.h"
#include "window/qt/utf8.h"

namespace nominator {
namespace {

// The address is already encoded: strict parsing hands it on byte for byte or refuses it.
QUrl EncodedUrl(const std::string& address) {
    const QUrl url = QUrl::fromEncoded(QByteArray::fromStdString(address), QUrl::StrictMode);
    if (!url.isValid()) {
        throw std::invalid_argument("not a valid address: " + address + " (" +
                                    ToUtf8(url.errorString()) + ")");
    }
    return url;
}

// A red that stands out from the window's text on the default light background.
const QColor kWarningColour(0xC0, 0x10, 0x10);

}  // namespace

Form1Window::Form1Window(Form1::Clock clock, QString engineModule, QWidget* parent)
    : Form1Widgets(parent),
      form_(*this, std::move(clock)),
      panes_(*tabby(), std::move(engineModule), paneEvents()) {
    // Until Form1 says which panes a nomination needs, the window holds the four it always had.
    setPanes(PaneLabelsOf(PlanNomination({})));
    connect(command1(), &QPushButton::clicked, this,
            [this] { RunHandler(this, [this] { form_.Command1_Click(); }); });
    connect(dayPlus(), &ClickableLabel::clicked, this,
            [this] { RunHandler(this, [this] { form_.DayPlus_Click(); }); });
    connect(lines(Box::Topics), &MultiLineBox::focused, this,
            [this] { RunHandler(this, [this] { form_.Topics_GotFocus(); }); });
}

BrowserEngine::PaneEvents Form1Window::paneEvents() {
    BrowserEngine::PaneEvents events;
    events.stayed = [this](int tab, const QString& page) {
        RunHandler(this, [&] { form_.PaneStayed(tab, ToUtf8(page)); });
    };
    events.arrived = [this](int tab) { RunHandler(this, [&] { form_.PaneArrived(tab); }); };
    events.loaded = [this](int tab) { RunHandler(this, [&] { form_.PaneLoaded(tab); }); };
    events.editorShown = [this](int tab, const QString& page, const QString& text) {
        RunHandler(this, [&] { form_.EditorShown(tab, ToUtf8(page), ToUtf8(text)); });
    };
    events.editorFilled = [this](int tab, const QString& page) {
        RunHandler(this, [&] { form_.EditorFilled(tab, ToUtf8(page)); });
    };
    events.noticed = [this](int tab, PaneNotice notice, const QString& subject,
                            const QString& reason) {
        RunHandler(this, [&] { form_.PaneNoticed(tab, notice, ToUtf8(subject), ToUtf8(reason)); });
    };
    events.addressChanged = [this](int tab, const QUrl& address) { showAddress(tab, address); };
    return events;
}

void Form1Window::setPanes(const std::vector<PaneLabel>& panes) {
    // The tabs first: a tab that goes selects one that stays, whose pane is still there.
    setTabs(panes);
    panes_.setPanes(panes);
}

void Form1Window::showAddress(int tab, const QUrl& address) {
    // A pane has no address bar: its tab's tool tip says where it is, after what it holds.
    const std::vector<PaneLabel>& labels = panes_.labels();
    if (tab < 0 || static_cast<std::size_t>(tab) >= labels.size()) return;
    QString tip = ToQString(labels[static_cast<std::size_t>(tab)].tabToolTip());
    if (!address.isEmpty() && address.scheme() != QStringLiteral("about")) {
        tip += u'\n' + address.toDisplayString();
    }
    tabby()->tabBar()->setTabToolTip(tab, tip);
}

bool Form1Window::load() {
    return RunHandler(this, [this] { form_.Form_Load(); });
}

std::string Form1Window::text(Box box) const {
    if (const MultiLineBox* multiLine = lines(box)) return ToUtf8(multiLine->toPlainText());
    return ToUtf8(Form1Widgets::box(box)->text());
}

void Form1Window::setText(Box box, const std::string& text) {
    if (MultiLineBox* multiLine = lines(box)) return multiLine->setPlainText(ToQString(text));
    QLineEdit* edit = Form1Widgets::box(box);
    edit->setText(ToQString(text));
    // Long texts show their start, where the template's name is.
    edit->setCursorPosition(0);
}

std::size_t Form1Window::chosen(Choice choice) const {
    const int index = list(choice)->currentIndex();
    return index < 0 ? 0 : static_cast<std::size_t>(index);
}

void Form1Window::setTopicChoices(const std::vector<std::string>& topics) {
    QStringList choices;
    for (const std::string& topic : topics) choices << ToQString(topic);
    lines(Box::Topics)->setChoices(choices);
}

void Form1Window::show(Control control) { Form1Widgets::control(control)->show(); }

void Form1Window::hide(Control control) { Form1Widgets::control(control)->hide(); }

void Form1Window::navigate(Pane pane, const std::string& address) {
    panes_.load(pane, EncodedUrl(address));
}

void Form1Window::requestNominationCheck(int ticket, const std::string& address) {
    fetchFor(ticket, address, &Form1::NominationCheckAnswered, &Form1::NominationCheckFailed);
}

void Form1Window::requestSavedEdits(int ticket, const std::string& address) {
    fetchFor(ticket, address, &Form1::SavedEditsAnswered, &Form1::SavedEditsFailed);
}

void Form1Window::requestCreator(int ticket, const std::string& address) {
    fetchFor(ticket, address, &Form1::CreatorAnswered, &Form1::CreatorFailed);
}

void Form1Window::requestReview(int ticket, const std::string& address) {
    fetchFor(ticket, address, &Form1::ReviewAnswered, &Form1::ReviewFailed);
}

void Form1Window::requestTopicList(int ticket, const std::string& address) {
    fetchFor(ticket, address, &Form1::TopicListAnswered, &Form1::TopicListFailed);
}

void Form1Window::fetchFor(int ticket, const std::string& address, Outcome answered,
                           Outcome failed) {
    panes_.fetch(EncodedUrl(address), [=, this](bool ok, const QString& textOrReason) {
        RunHandler(this, [&] { (form_.*(ok ? answered : failed))(ticket, ToUtf8(textOrReason)); });
    });
}

void Form1Window::fillEditor(Pane pane, const EditorFill& fill) {
    panes_.fillEditor(pane, {ToQString(fill.page), ToQString(fill.shownText), ToQString(fill.text),
                             ToQString(fill.summary)});
}

void Form1Window::setStatus(const std::string& text, const std::string& detail, bool warning) {
    QLabel* line = status();
    line->setText(ToQString(text));
    line->setToolTip(ToQString(detail));
    QPalette palette = line->palette();
    palette.setColor(QPalette::WindowText,
                     warning ? kWarningColour : this->palette().color(QPalette::WindowText));
    line->setPalette(palette);
    // The new text is announced as the label's new name; a warning is also an alert.
    if (warning) {
        QAccessibleEvent alert(line, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

bool Form1Window::closeWithoutAsking() {
    closing_ = Closing::Agreed;
    return close();
}

void Form1Window::closeEvent(QCloseEvent* event) {
    // The pages are asked first, as a browser asks its tabs, and the user if one holds changes.
    if (closing_ == Closing::NotAsked &&
        panes_.askToClose([this](const std::vector<int>& unsaved) { askBeforeClosing(unsaved); })) {
        closing_ = Closing::Asking;
    }
    if (closing_ == Closing::Asking) {
        event->ignore();
        return;
    }
    // Closing again once it has gone (at the program's end) finds nothing new to keep.
    if (isVisible()) KeepGeometry(*this);
    // Nobody is left to answer a question still open. This may run inside the question's own
    // signal (its Close button closes the window), so the box goes only once that has returned.
    dismissCloseQuestion();
    panes_.answerClose(true);
    // The window goes at once; it has ended once the engine has written the login.
    if (panes_.close([this] { emit ended(); })) {
        hide();
        event->ignore();
        return;
    }
    Form1Widgets::closeEvent(event);
    emit ended();
}

void Form1Window::askBeforeClosing(const std::vector<int>& unsavedTabs) {
    if (closing_ != Closing::Asking) return;
    const std::optional<std::string> question = form_.CloseQuestion(unsavedTabs);
    if (!question) {
        closing_ = Closing::Agreed;
        close();
        return;
    }
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Close the window?"),
                                ToQString(*question), QMessageBox::NoButton, this);
    box->setTextFormat(Qt::PlainText);
    box->setAccessibleName(QStringLiteral("Close the window?"));
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* closeButton =
        box->addButton(QStringLiteral("&Close"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box->addButton(QMessageBox::Cancel);
    // Enter and Escape keep the unsaved changes.
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);
    closeQuestion_ = box;
    connect(box, &QMessageBox::finished, this, [this, box, closeButton] {
        const bool closing = box->clickedButton() == closeButton;
        dismissCloseQuestion();
        closing_ = closing ? Closing::Agreed : Closing::NotAsked;
        panes_.answerClose(closing);
        if (closing) close();
    });
    box->open();
}

void Form1Window::dismissCloseQuestion() {
    if (!closeQuestion_) return;
    closeQuestion_->disconnect(this);
    closeQuestion_->hide();
    closeQuestion_->deleteLater();
    closeQuestion_.clear();
}

void Form1Window::paintEvent(QPaintEvent* event) {
    // The window appears first; the browser engine starts right after, before the first click.
    // What is clicked or typed meanwhile waits in the event queue and reaches the window after.
    if (!panesScheduled_) {
        panesScheduled_ = true;
        QTimer::singleShot(0, this, [this] { RunHandler(this, [this] { panes_.create(); }); });
    }
    Form1Widgets::paintEvent(event);
}

}  // namespace nominator
