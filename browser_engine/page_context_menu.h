#pragma once

class QObject;
class QQuickItem;
class QWidget;

namespace nominator {

// The menu a right-click (or the menu key) opens in a page, as a browser's: the engine's
// spelling suggestions for a misspelt word, Back, Forward and Reload, Cut, Copy, Paste and
// Select all as the page allows them, and Copy link address on a link. A menu of the window's
// own, so it is never clipped by the pane, works by keyboard (Escape closes it) and is named
// for screen readers. `request` is the view's QWebEngineContextMenuRequest; returns at once.
void OpenContextMenu(QWidget& parent, QQuickItem& view, QObject& request);

}  // namespace nominator
