#pragma once

#include <string_view>

#include "core/nomination_plan.h"
#include "window/nomination_view.h"

class QQuickItem;
namespace nominator {
class Form1Window;
}
class QQuickWebEngineProfile;
class QQuickWindow;

namespace nominator {

// The browser panes as the tests see them: QML items in the engine module's Qt Quick window,
// which is embedded in the window and so is no child of any widget.
QQuickWindow* PanesWindow();
// The pane of the edit of this kind in a nomination's plan.
Pane PaneOfKind(EditKind kind);
// The pane by its object name ("Browser", "Browser2", ...); nullptr until the panes exist.
QQuickItem* FindPane(std::string_view name);
// The pane on the tab, counted from 0; nullptr until the panes exist.
QQuickItem* PaneOnTab(int tab);
QQuickWebEngineProfile* ProfileOf(const QQuickItem& pane);
// Loads and shows the window, waits until its panes exist, and makes it the active window, as
// a window manager would; false when that did not happen within the time.
bool ShowWithPanes(Form1Window& window, int timeoutMs);

}  // namespace nominator
