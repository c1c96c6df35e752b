#include "browser_engine/page_requests.h"

#include <QQuickItem>
#include <QToolTip>
#include <QWebEngineLoadingInfo>
#include <functional>
#include <utility>

#include "browser_engine/page_context_menu.h"
#include "browser_engine/page_dialogs.h"
#include "browser_engine/quick_panes_host.h"

namespace nominator {
namespace {

// The engine's number for the question before a page is left, among its JavaScript dialogs,
// and for a tool tip that is to go.
constexpr int kBeforeUnloadDialog = 3;
constexpr int kHideTooltip = 1;

// The window's events, with the pane's editor channel told first that the user kept its page.
BrowserEngine::PaneEvents KeepingEditor(BrowserEngine::PaneEvents events,
                                        std::function<void(int pane)> keep) {
    events.stayed = [stayed = std::move(events.stayed), keep = std::move(keep)](
                        int pane, const QString& page) {
        keep(pane);
        if (stayed) stayed(pane, page);
    };
    return events;
}

}  // namespace

PageRequests::PageRequests(BrowserEngine::PaneEvents events)
    : events_(std::move(events)),
      leaving_(KeepingEditor(events_,
                             [this](int pane) {
                                 if (EditorChannel* channel = editor(pane)) channel->stayed();
                             }),
               [this](int pane) {
                   const EditorChannel* channel = editor(pane);
                   return channel != nullptr && channel->holdsOnlyTheFill();
               }),
      destinations_(events_) {}

void PageRequests::setPanes(const std::vector<PaneLabel>& panes) {
    // The page of a pane that goes may still call its channels until the pane is deleted.
    while (editors_.size() > panes.size()) {
        editors_.back()->detach();
        editors_.back()->deleteLater();
        editors_.pop_back();
        links_.back()->deleteLater();
        links_.pop_back();
    }
    while (editors_.size() < panes.size()) {
        const int pane = static_cast<int>(editors_.size());
        editors_.push_back(new EditorChannel(pane, events_, this));
        links_.push_back(new LinkChannel(pane, destinations_, this));
    }
    leaving_.setPanes(panes);
}

void PageRequests::attach(QuickPanesHost& host) {
    host_ = &host;
    leaving_.attach(host);
    destinations_.attach(host);
    for (std::size_t pane = 0; pane < editors_.size(); ++pane) {
        if (QQuickItem* view = host.pane(static_cast<int>(pane))) editors_[pane]->attach(*view);
    }
}

void PageRequests::opening(int pane, const QUrl& address) {
    leaving_.opening(pane, address);
    if (EditorChannel* channel = editor(pane)) channel->opening();
}

EditorChannel* PageRequests::editor(int pane) const {
    if (pane < 0 || static_cast<std::size_t>(pane) >= editors_.size()) return nullptr;
    return editors_[static_cast<std::size_t>(pane)];
}

void PageRequests::contextMenu(int pane, QObject* request) {
    if (host_ == nullptr || request == nullptr) return;
    if (QQuickItem* view = host_->pane(pane)) OpenContextMenu(*host_, *view, *request);
}

void PageRequests::javaScriptDialog(int pane, QObject* request) {
    if (host_ == nullptr || request == nullptr) return;
    if (request->property("type").toInt() == kBeforeUnloadDialog) {
        leaving_.beforeUnload(pane, *request);
    } else {
        OpenJavaScriptDialog(*host_, *request);
    }
}

void PageRequests::signIn(int /*pane*/, QObject* request) {
    if (host_ != nullptr && request != nullptr) OpenSignInDialog(*host_, *request);
}

void PageRequests::fileDialog(int /*pane*/, QObject* request) {
    if (host_ != nullptr && request != nullptr) OpenFileDialog(*host_, *request);
}

void PageRequests::colourDialog(int /*pane*/, QObject* request) {
    if (host_ != nullptr && request != nullptr) OpenColourDialog(*host_, *request);
}

void PageRequests::tooltip(int pane, QObject* request) {
    if (host_ == nullptr || request == nullptr) return;
    request->setProperty("accepted", true);
    if (request->property("type").toInt() == kHideTooltip) return QToolTip::hideText();
    const QQuickItem* view = host_->pane(pane);
    if (view == nullptr) return;
    const QPointF at(request->property("x").toInt(), request->property("y").toInt());
    QToolTip::showText(view->mapToGlobal(at).toPoint(), request->property("text").toString(),
                       host_);
}

void PageRequests::loadingChanged(int pane, const QUrl& url, int status) {
    // A pane that went may still report for a moment; the window no longer knows it.
    if (editor(pane) == nullptr) return;
    leaving_.loadingChanged(pane, url, status);
    if (status == QWebEngineLoadingInfo::LoadSucceededStatus && events_.loaded)
        events_.loaded(pane);
}

QObject* PageRequests::editorChannel(int pane) { return editor(pane); }

QObject* PageRequests::linkChannel(int pane) {
    if (pane < 0 || static_cast<std::size_t>(pane) >= links_.size()) return nullptr;
    return links_[static_cast<std::size_t>(pane)];
}

void PageRequests::closeAgreed(int pane) { leaving_.closeAgreed(pane); }

void PageRequests::navigation(int pane, QObject* request) {
    if (request != nullptr) destinations_.navigation(pane, *request);
}

void PageRequests::newWindow(int pane, QObject* request) {
    if (request != nullptr) destinations_.newWindow(pane, *request);
}

void PageRequests::download(int pane, QObject* request) {
    if (request != nullptr) destinations_.download(pane, *request);
}

void PageRequests::addressChanged(int pane, const QUrl& url) {
    if (events_.addressChanged) events_.addressChanged(pane, url);
}

}  // namespace nominator
