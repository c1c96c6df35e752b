#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "core/pane_addresses.h"
#include "window/qt/browser_engine.h"

class QUrl;
class QWidget;

namespace nominator {

// Keeps the panes on the wiki. A pane has no address bar: a page's navigation to any other
// address, and every page that asks for a window of its own, goes to the user's browser (the
// desktop's default), which shows where it is, or nowhere; the pane stays as it was. A download
// is saved only where the user chooses. What a pane did not keep reaches the window as a notice.
class PaneDestinations : public QObject {
    Q_OBJECT

public:
    explicit PaneDestinations(BrowserEngine::PaneEvents events);

    // What the save dialogs open over.
    void attach(QWidget& dialogParent);

    // The engine's request objects from the pane's view: a QWebEngineNavigationRequest, a
    // QWebEngineNewWindowRequest, a QWebEngineDownloadRequest.
    void navigation(int pane, QObject& request);
    void newWindow(int pane, QObject& request);
    // Asks where to save, with the desktop's own dialog, before it returns: the engine drops a
    // download that is not accepted by then.
    void download(int pane, QObject& request);
    // The user clicked a link to the address, which the engine drops by itself, before any
    // navigation (a local file's).
    void linkClicked(int pane, const QUrl& address);

private:
    void handOn(int pane, const QUrl& address);
    void notice(int pane, PaneNotice notice, const QString& subject, const QString& reason = {});

    BrowserEngine::PaneEvents events_;
    QPointer<QWidget> dialogParent_;
};

// What the pane's page script says of the user's clicks on links the engine drops without a
// word. Only a refusal can come of it: the address goes nowhere whatever the page makes it say.
class LinkChannel : public QObject {
    Q_OBJECT

public:
    LinkChannel(int pane, PaneDestinations& destinations, QObject* parent);

    Q_INVOKABLE void clicked(const QString& address);

private:
    int pane_;
    PaneDestinations& destinations_;
};

}  // namespace nominator
