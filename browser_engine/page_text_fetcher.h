#pragma once

#include <QJSValue>
#include <QObject>
#include <QUrl>

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

    // A fetch that has not finished is abandoned: its `done` is never called.
    void fetch(const QUrl& address, BrowserEngine::FetchDone done);

    // For the view's signal and its script's answer; not for callers.
    Q_INVOKABLE void onLoadingChanged(const QWebEngineLoadingInfo& loading);
    Q_INVOKABLE void onTextRead(const QString& typeAndText);

private:
    void finish(bool ok, const QString& textOrReason);

    QQuickItem* view_;
    QJSValue onTextRead_;
    QUrl address_;
    BrowserEngine::FetchDone done_;
};

}  // namespace nominator
