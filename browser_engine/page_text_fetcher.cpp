#include "browser_engine/page_text_fetcher.h"

#include <QJSEngine>
#include <QMetaMethod>
#include <QQmlEngine>
#include <QQuickItem>
#include <QWebEngineLoadingInfo>
#include <stdexcept>
#include <utility>

namespace nominator {
namespace {

// The answer's type and its text, one line apart: an HTML error page is no answer.
constexpr char kReadTypeAndText[] =
    "document.contentType + '\\n' + (document.body ? document.body.textContent : '')";

QMetaMethod MethodOf(const QObject& object, const char* signature) {
    const QMetaObject* meta = object.metaObject();
    const int index = meta->indexOfMethod(QMetaObject::normalizedSignature(signature));
    if (index < 0) {
        throw std::runtime_error(std::string("the browser view has no ") + signature);
    }
    return meta->method(index);
}

}  // namespace

PageTextFetcher::PageTextFetcher(QQuickItem* view, QObject* parent) : QObject(parent), view_(view) {
    if (view_ == nullptr) throw std::runtime_error("the browser panes have no view for checks");
    connect(view_, MethodOf(*view_, "loadingChanged(QWebEngineLoadingInfo)"), this,
            MethodOf(*this, "onLoadingChanged(QWebEngineLoadingInfo)"));
    QJSEngine* engine = qmlEngine(view_);
    if (engine == nullptr) throw std::runtime_error("the browser view has no QML engine");
    QJSEngine::setObjectOwnership(this, QJSEngine::CppOwnership);
    onTextRead_ = engine->newQObject(this).property(QStringLiteral("onTextRead"));
}

void PageTextFetcher::fetch(const QUrl& address, BrowserEngine::FetchDone done) {
    address_ = address;
    done_ = std::move(done);
    view_->setProperty("url", address);
}

void PageTextFetcher::onLoadingChanged(const QWebEngineLoadingInfo& loading) {
    // The end of a load that a later fetch cut short is no answer to the later one.
    if (!done_ || loading.url() != address_) return;
    switch (loading.status()) {
        case QWebEngineLoadingInfo::LoadStartedStatus:
            return;
        case QWebEngineLoadingInfo::LoadSucceededStatus:
            QMetaObject::invokeMethod(view_, "runJavaScript",
                                      Q_ARG(QString, QString::fromLatin1(kReadTypeAndText)),
                                      Q_ARG(QJSValue, onTextRead_));
            return;
        case QWebEngineLoadingInfo::LoadStoppedStatus:
            finish(false, QStringLiteral("the request was stopped"));
            return;
        case QWebEngineLoadingInfo::LoadFailedStatus:
            finish(false, loading.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain
                              ? QStringLiteral("the wiki answered with HTTP status %1")
                                    .arg(loading.errorCode())
                              : loading.errorString());
            return;
    }
}

void PageTextFetcher::onTextRead(const QString& typeAndText) {
    if (!done_) return;
    const qsizetype lineEnd = typeAndText.indexOf(u'\n');
    const QString type = typeAndText.left(lineEnd);
    if (lineEnd < 0 || type != QStringLiteral("application/json")) {
        finish(false, QStringLiteral("the wiki answered with %1, not JSON").arg(type));
        return;
    }
    finish(true, typeAndText.mid(lineEnd + 1));
}

void PageTextFetcher::finish(bool ok, const QString& textOrReason) {
    std::exchange(done_, nullptr)(ok, textOrReason);
}

}  // namespace nominator
