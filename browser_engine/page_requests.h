#pragma once

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <vector>

#include "browser_engine/editor_channel.h"
#include "browser_engine/pane_destinations.h"
#include "browser_engine/pane_leaving.h"

namespace nominator {

class QuickPanesHost;

// Where the panes' QML hands what a page asks of its user. Every request is answered with the
// window's own widgets and marked handled at once, so that the engine never looks for dialogs
// of its own (it would refuse them unseen, and print that it did).
class PageRequests : public QObject {
    Q_OBJECT

public:
    explicit PageRequests(BrowserEngine::PaneEvents events);

    // The panes there are to be, one a label in tab order: before the panes' QML makes new
    // ones, whose pages reach their editor channels from the start.
    void setPanes(const std::vector<PaneLabel>& panes);
    // The panes' widget, once it exists: the pages, and what the dialogs open over. Again once
    // the panes' QML has made new panes, for their editor channels to know their pages.
    void attach(QuickPanesHost& host);
    PaneLeaving& leaving() { return leaving_; }
    // The window opens the address in the pane.
    void opening(int pane, const QUrl& address);
    // The pane's editor channel; nullptr for a number without a pane.
    EditorChannel* editor(int pane) const;

    // For the panes' QML; `pane` is the tab it is on, `request` the engine's request object.
    Q_INVOKABLE void contextMenu(int pane, QObject* request);
    Q_INVOKABLE void javaScriptDialog(int pane, QObject* request);
    Q_INVOKABLE void signIn(int pane, QObject* request);
    Q_INVOKABLE void fileDialog(int pane, QObject* request);
    Q_INVOKABLE void colourDialog(int pane, QObject* request);
    Q_INVOKABLE void tooltip(int pane, QObject* request);
    Q_INVOKABLE void loadingChanged(int pane, const QUrl& url, int status);
    Q_INVOKABLE void closeAgreed(int pane);
    Q_INVOKABLE void navigation(int pane, QObject* request);
    Q_INVOKABLE void newWindow(int pane, QObject* request);
    Q_INVOKABLE void download(int pane, QObject* request);
    Q_INVOKABLE void addressChanged(int pane, const QUrl& url);
    // What the pane's web channel offers its pages.
    Q_INVOKABLE QObject* editorChannel(int pane);
    Q_INVOKABLE QObject* linkChannel(int pane);

private:
    QPointer<QuickPanesHost> host_;
    BrowserEngine::PaneEvents events_;
    // Children of this object, so that the QML never takes them over; one a pane.
    std::vector<EditorChannel*> editors_;
    PaneLeaving leaving_;
    PaneDestinations destinations_;
    std::vector<LinkChannel*> links_;
};

}  // namespace nominator
