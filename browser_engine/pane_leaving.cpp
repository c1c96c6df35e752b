#include "browser_engine/pane_leaving.h"

#include <QMessageBox>
#include <QPushButton>
#include <QQuickItem>
#include <QWebEngineLoadingInfo>
#include <algorithm>
#include <string>
#include <utility>

#include "browser_engine/page_dialogs.h"
#include "browser_engine/quick_panes_host.h"
#include "browser_engine/web_actions.h"
#include "window/qt/utf8.h"

namespace nominator {
namespace {

// A page that has not answered by then is hung, and would keep the window from closing.
constexpr int kCloseAnswerMs = 3000;

QString PageName(const QQuickItem& view) {
    const QString title = view.property("title").toString();
    return title.isEmpty() ? view.property("url").toUrl().toDisplayString() : title;
}

}  // namespace

QString PaneLeaving::leaveText(int pane, const QString& page, bool forWindow) const {
    const QString tab =
        QStringLiteral("Tab %1 (%2)").arg(pane).arg(names_.at(static_cast<std::size_t>(pane)));
    if (forWindow) {
        return QStringLiteral(
                   "%1 shows a page with changes that are not saved: \"%2\".\n\n"
                   "Leave it for the nomination's page and lose the changes, or stay on it?")
            .arg(tab, page);
    }
    return QStringLiteral(
               "%1: changes that you made on \"%2\" may not be saved.\n\nLeave this page?")
        .arg(tab, page);
}

PaneLeaving::PaneLeaving(BrowserEngine::PaneEvents events,
                         std::function<bool(int pane)> holdsOnlyTheFill)
    : events_(std::move(events)), holdsOnlyTheFill_(std::move(holdsOnlyTheFill)) {
    closeTimeout_.setSingleShot(true);
    closeTimeout_.setInterval(kCloseAnswerMs);
    connect(&closeTimeout_, &QTimer::timeout, this, [this] {
        toAnswer_.clear();
        closingAnswered(-1);
    });
}

void PaneLeaving::attach(QuickPanesHost& host) { host_ = &host; }

void PaneLeaving::setPanes(const std::vector<PaneLabel>& panes) {
    names_.clear();
    for (const PaneLabel& pane : panes) names_.push_back(ToQString(pane.name));
    opened_.resize(panes.size());
    opening_.resize(panes.size(), false);
    // The pages of panes that go are left, as a browser leaves the pages of the tabs it closes.
    std::deque<Question> kept;
    for (const Question& question : std::exchange(questions_, {})) {
        if (has(question.pane)) {
            kept.push_back(question);
        } else {
            answer(question, true);
        }
    }
    questions_ = std::move(kept);
    if (asking_ != nullptr && !has(askingPane_)) asking_->done(QMessageBox::Cancel);
    const auto gone = [this](int pane) { return !has(pane); };
    unsaved_.erase(std::remove_if(unsaved_.begin(), unsaved_.end(), gone), unsaved_.end());
    toAnswer_.erase(std::remove_if(toAnswer_.begin(), toAnswer_.end(), gone), toAnswer_.end());
    // The closing may have waited for nothing but panes that went.
    if (closing_ == Closing::Asking) closingAnswered(-1);
}

void PaneLeaving::opening(int pane, const QUrl& address) {
    if (!has(pane)) return;
    opened_.at(static_cast<std::size_t>(pane)) = address;
    opening_.at(static_cast<std::size_t>(pane)) = true;
}

void PaneLeaving::loadingChanged(int pane, const QUrl& url, int status) {
    if (!has(pane)) return;
    const auto index = static_cast<std::size_t>(pane);
    if (status != QWebEngineLoadingInfo::LoadStartedStatus || !opening_.at(index)) return;
    // The engine hands on the address it was given, encoded as it was.
    if (url.adjusted(QUrl::RemoveFragment) != opened_.at(index).adjusted(QUrl::RemoveFragment)) {
        return;
    }
    opening_.at(index) = false;
    if (events_.arrived) events_.arrived(pane);
}

void PaneLeaving::beforeUnload(int pane, QObject& request) {
    request.setProperty("accepted", true);
    if (host_ == nullptr) return;
    KeepUntilAnswered(request, *this);
    // A page of a pane that went is left with it.
    if (!has(pane)) return answer({pane, &request, false}, true);
    // The tool put the text there, and puts it on the window's next page again. The user's own
    // reload or Back would lose it for good, and is asked about.
    const bool forWindow = opening_.at(static_cast<std::size_t>(pane));
    if (closing_ == Closing::Agreed ||
        (closing_ == Closing::No && forWindow && holdsOnlyTheFill_(pane))) {
        return answer({pane, &request, false}, true);
    }
    if (closing_ != Closing::No) {
        held_.push_back({pane, &request, false});
        unsaved_.push_back(pane);
        return closingAnswered(pane);
    }
    questions_.push_back({pane, &request, forWindow});
    askNext();
}

void PaneLeaving::closeAgreed(int pane) {
    if (closing_ == Closing::Asking) closingAnswered(pane);
}

void PaneLeaving::askToClose(BrowserEngine::CloseAnswered answered) {
    closeAnswered_ = std::move(answered);
    closing_ = Closing::Asking;
    unsaved_.clear();
    toAnswer_.clear();
    if (host_ == nullptr) return closingAnswered(-1);
    // A page that holds only what the module put there has nothing to lose, and is not asked:
    // should the user keep the window, the page is still there as it was.
    for (int pane = 0; has(pane); ++pane) {
        if (!holdsOnlyTheFill_(pane)) toAnswer_.push_back(pane);
    }
    if (toAnswer_.empty()) return closingAnswered(-1);
    closeTimeout_.start();
    // Each page runs its own check before it is closed, and asks if it holds unsaved changes.
    for (const int pane : std::vector<int>(toAnswer_)) {
        if (QQuickItem* view = host_->pane(pane)) {
            TriggerWebAction(*view, "RequestClose");
        } else {
            closingAnswered(pane);
        }
    }
}

void PaneLeaving::answerClose(bool close) {
    closing_ = close ? Closing::Agreed : Closing::No;
    closeTimeout_.stop();
    for (const Question& question : std::exchange(held_, {})) answer(question, close);
}

void PaneLeaving::closingAnswered(int pane) {
    toAnswer_.erase(std::remove(toAnswer_.begin(), toAnswer_.end(), pane), toAnswer_.end());
    if (closing_ != Closing::Asking || !toAnswer_.empty()) return;
    closing_ = Closing::Held;
    closeTimeout_.stop();
    std::sort(unsaved_.begin(), unsaved_.end());
    unsaved_.erase(std::unique(unsaved_.begin(), unsaved_.end()), unsaved_.end());
    // Called from the event loop, never from inside askToClose.
    QTimer::singleShot(0, this, [this] {
        if (closeAnswered_) closeAnswered_(unsaved_);
    });
}

void PaneLeaving::askNext() {
    if (asking_ != nullptr) return;
    while (!questions_.empty() && questions_.front().request == nullptr) questions_.pop_front();
    if (questions_.empty() || host_ == nullptr) return;
    const Question question = questions_.front();
    questions_.pop_front();
    QQuickItem* view = host_->pane(question.pane);
    if (view == nullptr) {
        answer(question, true);
        return askNext();
    }

    const QString page = PageName(*view);
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Leave this page?"),
                                leaveText(question.pane, page, question.forWindow),
                                QMessageBox::NoButton, host_);
    box->setTextFormat(Qt::PlainText);
    box->setAccessibleName(QStringLiteral("Leave this page?"));
    box->setWindowModality(Qt::WindowModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton* leave = box->addButton(QStringLiteral("&Leave"), QMessageBox::DestructiveRole);
    QPushButton* stay = box->addButton(QStringLiteral("&Stay"), QMessageBox::RejectRole);
    // Enter and Escape keep what the user typed.
    box->setDefaultButton(stay);
    box->setEscapeButton(stay);
    asking_ = box;
    askingPane_ = question.pane;
    connect(box, &QMessageBox::finished, this, [this, box, leave, question, page] {
        // A pane that went while it was asked is left with it.
        const bool left = box->clickedButton() == leave || !has(question.pane);
        answer(question, left);
        if (!left && question.forWindow) {
            opening_.at(static_cast<std::size_t>(question.pane)) = false;
            if (events_.stayed) events_.stayed(question.pane, page);
        }
        asking_ = nullptr;
        askingPane_ = -1;
        askNext();
    });
    box->open();
}

void PaneLeaving::answer(const Question& question, bool leave) {
    if (question.request == nullptr) return;
    QMetaObject::invokeMethod(question.request, leave ? "dialogAccept" : "dialogReject");
    question.request->deleteLater();
}

}  // namespace nominator
