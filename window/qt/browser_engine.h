#pragma once

#include <QString>
#include <functional>
#include <memory>

class QUrl;
class QWidget;

namespace nominator {

// The browser engine behind the three panes. It lives in a module of its own that the window
// loads once it is on screen: loading the engine's libraries and starting its OpenGL would
// otherwise take several times as long as showing the window.
class BrowserEngine {
public:
    virtual ~BrowserEngine() = default;

    // The three panes, one over the other in a widget of their own that the caller places and
    // destroys before the engine; pane 0 shown. Each is already opening an empty page. Throws
    // std::runtime_error, naming what is missing, when they cannot be made.
    virtual std::unique_ptr<QWidget> createPanes() = 0;
    // Opens the address in the pane (0, 1 or 2: the tab it is on).
    virtual void load(int pane, const QUrl& address) = 0;
    // Shows the pane and hides the other two.
    virtual void show(int pane) = 0;

    // The outcome of a fetch: true and the answer's text, or false and a short reason.
    using FetchDone = std::function<void(bool ok, const QString& textOrReason)>;
    // Fetches a JSON answer with the panes' profile, after createPanes(), and calls `done` from
    // the event loop once it has it. A fetch that has not finished when the next one starts is
    // never answered.
    virtual void fetch(const QUrl& address, FetchDone done) = 0;
};

// The module's one entry point: a new engine, owned by the caller.
using NewBrowserEngineFunction = BrowserEngine* (*)();
inline constexpr char kNewBrowserEngineSymbol[] = "afd_new_browser_engine";

}  // namespace nominator
