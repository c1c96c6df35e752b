#pragma once

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

    // A new browser view on the engine's one persistent profile, already opening an empty page.
    virtual std::unique_ptr<QWidget> newView() = 0;
    // Opens the address in a view that newView() made.
    virtual void load(QWidget& view, const QUrl& address) = 0;
};

// The module's one entry point: a new engine, owned by the caller.
using NewBrowserEngineFunction = BrowserEngine* (*)();
inline constexpr char kNewBrowserEngineSymbol[] = "afd_new_browser_engine";

}  // namespace nominator
