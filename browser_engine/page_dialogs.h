#pragma once

#include <QString>

class QObject;
class QWidget;

namespace nominator {

// A page's own dialogs, opened as the window's widgets: window-modal over the window, never
// clipped by the pane, usable by keyboard alone (Escape cancels) and named for screen readers.
// Each takes a request object of the engine's QML view, marks it handled so that the engine
// shows nothing of its own, keeps it until the user has answered, and answers the page.
// They return at once.

// alert, confirm and prompt (not the question before a page is left: see PaneLeaving).
void OpenJavaScriptDialog(QWidget& parent, QObject& request);
// A site's HTTP sign-in.
void OpenSignInDialog(QWidget& parent, QObject& request);
// A file chooser of the page's <input type="file">.
void OpenFileDialog(QWidget& parent, QObject& request);
// A colour picker of the page's <input type="color">.
void OpenColourDialog(QWidget& parent, QObject& request);

// Keeps an engine request alive, owned by `owner`, until the user has answered it: the QML
// engine would otherwise collect it while the dialog is open.
void KeepUntilAnswered(QObject& request, QObject& owner);
// The page's origin as a dialog's title names it: "en.wikipedia.org says".
QString PageSays(const QObject& request);

}  // namespace nominator
