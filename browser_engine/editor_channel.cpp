#include "browser_engine/editor_channel.h"

#include <QQuickItem>
#include <QUrl>
#include <utility>

#include "core/wiki_addresses.h"
#include "window/qt/utf8.h"

namespace nominator {

EditorChannel::EditorChannel(int pane, BrowserEngine::PaneEvents events, QObject* parent)
    : QObject(parent), pane_(pane), events_(std::move(events)) {}

void EditorChannel::attach(QQuickItem& view) { view_ = &view; }

void EditorChannel::detach() { view_ = nullptr; }

void EditorChannel::fill(const BrowserEngine::EditorFill& fill) {
    if (!onTheWiki()) return;
    emit fillRequested(fill.page, fill.shownText, fill.text, fill.summary);
}

void EditorChannel::opening() {
    kept_ = -1;
    ++visit_;
    emit visitChanged();
}

void EditorChannel::stayed() { kept_ = shownVisit_; }

void EditorChannel::shown(int visit, const QString& title, const QString& text) {
    if (!believed(visit)) return;
    shownVisit_ = visit;
    // A new page, or the same page read again: nothing in it is the module's yet.
    onlyTheFill_ = false;
    if (title.isEmpty() || !onTheWiki()) return;
    if (events_.editorShown) events_.editorShown(pane_, title, text);
}

void EditorChannel::filled(int visit, const QString& title) {
    if (!believed(visit) || !onTheWiki()) return;
    onlyTheFill_ = true;
    if (events_.editorFilled) events_.editorFilled(pane_, title);
}

void EditorChannel::changed() { onlyTheFill_ = false; }

bool EditorChannel::onTheWiki() const {
    if (view_ == nullptr) return false;
    const QUrl url = view_->property("url").toUrl();
    const QUrl wiki(ToQString(WikiBase));
    return url.scheme() == wiki.scheme() && url.host() == wiki.host() && url.port() == wiki.port();
}

}  // namespace nominator
