#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "window/qt/browser_engine.h"

class QQuickItem;

namespace nominator {

// What a pane's pages and the module say to each other about the page's editor, over the
// pane's web channel, which only the module's own page script reaches (editor_fill.js). Texts
// cross it as data, never as script source.
class EditorChannel : public QObject {
    Q_OBJECT

public:
    EditorChannel(int pane, BrowserEngine::PaneEvents events, QObject* parent);

    // The pane's view, whose address says whose page is talking.
    void attach(QQuickItem& view);
    // The pane goes: its page is told nothing more and believed in nothing.
    void detach();

    // Puts the text into the editor, if the page still shows that editor with that text.
    void fill(const BrowserEngine::EditorFill& fill);
    // True while the page's editor holds what the module put there and nothing of the user's,
    // so that leaving it loses nothing that the next page does not get back.
    bool holdsOnlyTheFill() const { return onlyTheFill_; }

    // From the page script.
    // The page has loaded; `title` names the page its editor edits, empty when it has none.
    Q_INVOKABLE void shown(const QString& title, const QString& text);
    Q_INVOKABLE void filled(const QString& title);
    Q_INVOKABLE void changed();

signals:
    // To the page script.
    void fillRequested(const QString& title, const QString& expected, const QString& text,
                       const QString& summary);

private:
    // Only the wiki's own HTTPS pages are told anything or believed.
    bool onTheWiki() const;

    int pane_;
    BrowserEngine::PaneEvents events_;
    QPointer<QQuickItem> view_;
    bool onlyTheFill_ = false;
};

}  // namespace nominator
