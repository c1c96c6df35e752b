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
    timeout_.setSingleShot(true);
    timeout_.setInterval(BrowserEngine::kFetchTimeout);
    // A wiki that never answers must not hold up the fetches after.
    connect(&timeout_, &QTimer::timeout, this, [this] {
        finish(
            false,
            QStringLiteral("no answer within %1 s")
                .arg(std::chrono::duration_cast<std::chrono::seconds>(BrowserEngine::kFetchTimeout)
                         .count()));
    });
}

void PageTextFetcher::fetch(const QUrl& address, BrowserEngine::FetchDone done) {
    fetches_.push_back({address, std::move(done)});
    if (fetches_.size() == 1) startNext();
}

void PageTextFetcher::startNext() {
    if (fetches_.empty()) return;
    timeout_.start();
    const QUrl& address = fetches_.front().address;
    // The address the view shows already is loaded again, by way of an empty page.
    if (view_->property("url").toUrl() == address) {
        view_->setProperty("url", QUrl(QStringLiteral("about:blank")));
    }
    view_->setProperty("url", address);
}

void PageTextFetcher::onLoadingChanged(const QWebEngineLoadingInfo& loading) {
    // The end of a load that was cut short is no answer to the one after.
    if (fetches_.empty() || loading.url() != fetches_.front().address) return;
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
    if (fetches_.empty()) return;
    const qsizetype lineEnd = typeAndText.indexOf(u'\n');
    const QString type = typeAndText.left(lineEnd);
    if (lineEnd < 0 || type != QStringLiteral("application/json")) {
        finish(false, QStringLiteral("the wiki answered with %1, not JSON").arg(type));
        return;
    }
    finish(true, typeAndText.mid(lineEnd + 1));
}

void PageTextFetcher::finish(bool ok, const QString& textOrReason) {
    timeout_.stop();
    const BrowserEngine::FetchDone done = std::move(fetches_.front().done);
    fetches_.pop_front();
    // The next one starts first: `done` may ask for another.
    startNext();
    done(ok, textOrReason);
}

}  // namespace nominator
