#pragma once

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "core/pane_addresses.h"
#include "window/nomination_view.h"

class QUrl;
class QWidget;

namespace nominator {

// The browser engine behind the panes. It lives in a module of its own that the window loads
// once it is on screen: loading the engine's libraries and starting its OpenGL would otherwise
// take several times as long as showing the window.
class BrowserEngine {
public:
    virtual ~BrowserEngine() = default;

    // What the panes tell the window, from the event loop.
    struct PaneEvents {
        // The pane's page held changes that were not saved, and the user chose to keep it
        // rather than leave it for the address load() gave the pane; `page` names it.
        std::function<void(int pane, const QString& page)> stayed;
        // The pane has begun to open the address load() gave it last.
        std::function<void(int pane)> arrived;
        // The pane has finished loading a page.
        std::function<void(int pane)> loaded;
        // A page of the wiki's shows its editor of the page `title` (as the wiki writes it in
        // addresses, "Sample_page"), holding `text`. Said again when the page reads it anew.
        std::function<void(int pane, const QString& title, const QString& text)> editorShown;
        // The editor of `title` holds what fillEditor() gave it.
        std::function<void(int pane, const QString& title)> editorFilled;
        // The pane shows another address now (the empty page's among them).
        std::function<void(int pane, const QUrl& address)> addressChanged;
        // The pane did not keep an address or a download for itself: it sent the address
        // nowhere, the desktop could not open it, or the download was refused, saved or stopped.
        std::function<void(int pane, PaneNotice notice, const QString& subject,
                           const QString& reason)>
            noticed;
    };

    // What to put into a pane's editor, as if typed, and for which page and text.
    struct EditorFill {
        // The page whose editor is meant, as editorShown names it.
        QString page;
        // What the editor held when it was shown; an editor that holds anything else by now is
        // read anew instead (editorShown).
        QString shownText;
        QString text;
        QString summary;
    };

    // The panes, one a label and numbered from 0 as the tabs they are on, one over the other in
    // a widget of their own that the caller places and destroys before the engine; pane 0
    // shown. Each carries its label's name and description for screen readers and is already
    // opening an empty page. What a page asks of its user (menus, dialogs, "leave this
    // page?") the panes ask with the window's own widgets, naming the tab by its label. Throws
    // std::runtime_error, naming what is missing, when they cannot be made.
    virtual std::unique_ptr<QWidget> createPanes(PaneEvents events,
                                                 const std::vector<PaneLabel>& panes) = 0;
    // Makes the panes those of `panes`, after createPanes(): the panes that stay keep their
    // pages and take their new labels, new ones open an empty page, and those beyond the list
    // close (after the event that asked, never inside one of their own).
    virtual void setPanes(const std::vector<PaneLabel>& panes) = 0;
    // Opens the address in the pane (the tab it is on). A page with unsaved changes first asks
    // the user whether to leave it, unless all it holds is a fill.
    virtual void load(int pane, const QUrl& address) = 0;
    // Puts the text and summary into the pane's editor as if typed, never saving it: only on
    // the wiki's own HTTPS pages, only into the editor of `fill.page`. An editor that holds
    // only what was put there is left without the page's question (see load()).
    virtual void fillEditor(int pane, const EditorFill& fill) = 0;
    // Shows the pane and hides the others; a number without a pane shows none.
    virtual void show(int pane) = 0;

    static constexpr std::chrono::milliseconds kFetchTimeout{10000};
    // The outcome of a fetch: true and the answer's text, or false and a short reason.
    using FetchDone = std::function<void(bool ok, const QString& textOrReason)>;
    // Fetches a JSON answer with the panes' profile, after createPanes(), and calls `done` from
    // the event loop once, with the answer or the reason there is none (no answer within
    // kFetchTimeout among them). Fetches are made one after another, in the order asked.
    virtual void fetch(const QUrl& address, FetchDone done) = 0;

    // Closing, as a browser closes its tabs: each page runs its own check before it is closed.
    // `answered` gets, from the event loop, the panes whose page holds unsaved changes; their
    // questions are held until answerClose().
    using CloseAnswered = std::function<void(const std::vector<int>& unsaved)>;
    virtual void askToClose(CloseAnswered answered) = 0;
    // True lets every page go; false keeps every page as it was.
    virtual void answerClose(bool close) = 0;

    // The folder where the profile keeps the cookies it writes as the engine goes (the login);
    // empty when it keeps none.
    virtual QString cookieFolder() const { return {}; }
};

// The module's one entry point: a new engine, owned by the caller.
using NewBrowserEngineFunction = BrowserEngine* (*)();
inline constexpr char kNewBrowserEngineSymbol[] = "afd_new_browser_engine";

}  // namespace nominator
