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
    // Which of the window's visits to the pane a page belongs to: each page reads it as its
    // channel connects and says it with every report.
    Q_PROPERTY(int visit READ visit NOTIFY visitChanged)

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
    // The window opens another address in the pane. Until its page is made, the page being
    // left may still report, even from the same address: from now on it is not believed.
    void opening();
    // The user kept the page that the window was leaving: it is believed again.
    void stayed();
    int visit() const { return visit_; }

    // From the page script.
    // The page has loaded; `title` names the page its editor edits, empty when it has none.
    Q_INVOKABLE void shown(int visit, const QString& title, const QString& text);
    Q_INVOKABLE void filled(int visit, const QString& title);
    Q_INVOKABLE void changed();

signals:
    // To the page script.
    void fillRequested(const QString& title, const QString& expected, const QString& text,
                       const QString& summary);
    void visitChanged();

private:
    // Only the wiki's own HTTPS pages are told anything or believed.
    bool onTheWiki() const;
    // A report of a page of this visit, or of the page the user kept.
    bool believed(int visit) const { return visit == visit_ || visit == kept_; }

    int pane_;
    BrowserEngine::PaneEvents events_;
    QPointer<QQuickItem> view_;
    bool onlyTheFill_ = false;
    int visit_ = 0;
    // The visit of the page that reported last, and of the page the user kept instead of
    // leaving it (none: -1).
    int shownVisit_ = 0;
    int kept_ = -1;
};

}  // namespace nominator
