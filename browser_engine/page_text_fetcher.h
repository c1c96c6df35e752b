#pragma once

#include <QJSValue>
#include <QObject>
#include <QTimer>
#include <QUrl>
#include <deque>

#include "window/qt/browser_engine.h"

class QQuickItem;
class QWebEngineLoadingInfo;

namespace nominator {

// Fetches an address in a browser view that is never shown, so that the request goes out with
// everything the panes' profile holds (the login, the proxy, the certificates), and reads back
// the text of a JSON answer.
class PageTextFetcher : public QObject {
    Q_OBJECT

public:
    // The view is a Qt WebEngine QML view; throws std::runtime_error when it is not one.
    explicit PageTextFetcher(QQuickItem* view, QObject* parent = nullptr);

    // Fetches one address after another; each `done` is called once, from the event loop.
    void fetch(const QUrl& address, BrowserEngine::FetchDone done);

    // For the view's signal and its script's answer; not for callers.
    Q_INVOKABLE void onLoadingChanged(const QWebEngineLoadingInfo& loading);
    Q_INVOKABLE void onTextRead(const QString& typeAndText);

private:
    struct Fetch {
        QUrl address;
        BrowserEngine::FetchDone done;
    };

    void startNext();
    void finish(bool ok, const QString& textOrReason);

    QQuickItem* view_;
    QJSValue onTextRead_;
    // The fetch under way first.
    std::deque<Fetch> fetches_;
    QTimer timeout_;
};

}  // namespace nominator
