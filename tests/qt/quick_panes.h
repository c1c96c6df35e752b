#pragma once

#include <string_view>

class QQuickItem;
class QQuickWebEngineProfile;
class QQuickWindow;

namespace nominator {

// The browser panes as the tests see them: QML items in the engine module's Qt Quick window,
// which is embedded in the window and so is no child of any widget.
QQuickWindow* PanesWindow();
// The pane ("Browser", "Browser2", "Browser3"); nullptr until the panes exist.
QQuickItem* FindPane(std::string_view name);
QQuickWebEngineProfile* ProfileOf(const QQuickItem& pane);

}  // namespace nominator
