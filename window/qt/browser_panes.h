#pragma once

#include <array>
#include <memory>

#include "window/nomination_view.h"

class QWebEngineProfile;
class QWebEngineView;

namespace nominator {

class TabContainer;

// The three browser panes and the one persistent profile they share, so that logging in to the
// wiki in one pane logs in all three, and still holds after a restart. Starting the browser
// engine takes a while, so the panes are created on request, not with the window.
class BrowserPanes {
public:
    explicit BrowserPanes(TabContainer& tabs);
    ~BrowserPanes();

    BrowserPanes(const BrowserPanes&) = delete;
    BrowserPanes& operator=(const BrowserPanes&) = delete;

    // Starts the engine and puts one pane on each tab; does nothing the second time.
    void create();
    // The pane, created first if need be.
    QWebEngineView& view(Pane pane);

private:
    TabContainer& tabs_;
    // Declared before the views so that it outlives every page that uses it.
    std::unique_ptr<QWebEngineProfile> profile_;
    std::array<std::unique_ptr<QWebEngineView>, 3> views_;
};

}  // namespace nominator
