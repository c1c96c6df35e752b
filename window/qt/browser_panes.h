#pragma once

#include <QMetaObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "window/nomination_view.h"
#include "window/qt/browser_engine.h"

class QUrl;

namespace nominator {

class TabContainer;

// The browser panes, one a tab, which share the engine's one persistent profile, so that logging
// in to the wiki in one pane logs in all of them, and still holds after a restart. Starting the
// browser engine takes a while, so the panes are created on request, not with the window.
class BrowserPanes {
public:
    // The panes report to `events` whether they left their pages for the addresses given.
    BrowserPanes(TabContainer& tabs, QString engineModule, BrowserEngine::PaneEvents events);
    ~BrowserPanes();

    BrowserPanes(const BrowserPanes&) = delete;
    BrowserPanes& operator=(const BrowserPanes&) = delete;

    // Loads the engine and puts the panes on the tabs; does nothing the second time. Throws
    // std::runtime_error when it cannot.
    void create();
    // The panes to make, one a label in tab order; before create() for the panes it makes, after
    // it for the engine to change its panes to.
    void setPanes(const std::vector<PaneLabel>& panes);
    // Closes the panes and the engine's profile, so that the engine writes what it keeps, and
    // calls `closed` from the event loop once it has had the time to; true while that is
    // under way, false (and no call) when there is no engine to close. Nothing opens after.
    bool close(const std::function<void()>& closed);
    // Opens the address in the pane, created first if need be.
    void load(Pane pane, const QUrl& address);
    // Puts the fill into the pane's editor (see BrowserEngine::fillEditor); nothing before the
    // panes exist, since no editor has shown then.
    void fillEditor(Pane pane, const BrowserEngine::EditorFill& fill);
    // Fetches a JSON answer with the panes' profile, the panes created first if need be.
    void fetch(const QUrl& address, BrowserEngine::FetchDone done);
    // Asks the pages whether they may be closed (see BrowserEngine::askToClose); false, and no
    // call, when there are no pages to ask.
    bool askToClose(BrowserEngine::CloseAnswered answered);
    // The user's answer to the questions askToClose() held.
    void answerClose(bool close);

    // The labels setPanes() gave last.
    const std::vector<PaneLabel>& labels() const { return labels_; }

private:
    // Destroys the engine with its profile, and calls `closed` once it has written what it keeps.
    void closeProfile(const std::function<void()>& closed);
    // The pages come in the tab order right after the tabs, before the controls that follow.
    void placeInTabOrder();

    TabContainer& tabs_;
    QString engineModule_;
    BrowserEngine::PaneEvents events_;
    std::vector<PaneLabel> labels_;
    // Declared before the panes so that it outlives every page that uses it.
    std::unique_ptr<BrowserEngine> engine_;
    std::unique_ptr<QWidget> panes_;
    // The panes once close() has let them go, until the event loop has deleted them.
    QPointer<QWidget> goingPanes_;
    QMetaObject::Connection panesGone_;
    enum class Closing { NotYet, Underway, Done };
    Closing closing_ = Closing::NotYet;
};

}  // namespace nominator
