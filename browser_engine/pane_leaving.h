#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <cstddef>
#include <deque>
#include <functional>
#include <vector>

#include "window/qt/browser_engine.h"

class QMessageBox;

namespace nominator {

class QuickPanesHost;

// The question a page asks before it is left ("leave this page?"), when it holds changes that
// are not saved. Asked with the window's own message box, one question at a time. When the
// window itself was taking the pane to another address, the question says so, and the window
// learns whether the user stayed, so that it can say which tab still shows an earlier page.
// Closing asks every page at once and holds their questions for the window's one question.
class PaneLeaving : public QObject {
    Q_OBJECT

public:
    // `holdsOnlyTheFill` says whether all a pane's page holds is what the module put there.
    PaneLeaving(BrowserEngine::PaneEvents events, std::function<bool(int pane)> holdsOnlyTheFill);

    // The panes' widget: where the pages are and what the questions are asked over.
    void attach(QuickPanesHost& host);
    // The panes there are now, one a label in tab order; the questions name the tabs by them.
    // What was asked of a pane that goes is answered as it goes: its page is left.
    void setPanes(const std::vector<PaneLabel>& panes);

    // The window opens the address in the pane.
    void opening(int pane, const QUrl& address);
    // A pane's load started, stopped, succeeded or failed (QWebEngineLoadingInfo's status).
    void loadingChanged(int pane, const QUrl& url, int status);
    // The page asks before it is left: `request` is the engine's JavaScriptDialogRequest.
    void beforeUnload(int pane, QObject& request);
    // The page agreed to be closed.
    void closeAgreed(int pane);

    void askToClose(BrowserEngine::CloseAnswered answered);
    void answerClose(bool close);

private:
    struct Question {
        int pane;
        QPointer<QObject> request;
        // The window was opening another address in the pane.
        bool forWindow;
    };
    enum class Closing { No, Asking, Held, Agreed };

    void askNext();
    void answer(const Question& question, bool leave);
    void closingAnswered(int pane);
    // A pane of the list now; a pane that went may still report for a moment.
    bool has(int pane) const { return pane >= 0 && static_cast<std::size_t>(pane) < names_.size(); }
    QString leaveText(int pane, const QString& page, bool forWindow) const;

    BrowserEngine::PaneEvents events_;
    std::function<bool(int pane)> holdsOnlyTheFill_;
    QPointer<QuickPanesHost> host_;
    // One a pane, in tab order.
    std::vector<QString> names_;
    std::vector<QUrl> opened_;
    // The window's address is on its way: the page has neither been left nor kept for it yet.
    std::vector<bool> opening_;
    std::deque<Question> questions_;
    QPointer<QMessageBox> asking_;
    int askingPane_ = -1;

    Closing closing_ = Closing::No;
    std::vector<int> toAnswer_;
    std::vector<int> unsaved_;
    std::vector<Question> held_;
    BrowserEngine::CloseAnswered closeAnswered_;
    QTimer closeTimeout_;
};

}  // namespace nominator
