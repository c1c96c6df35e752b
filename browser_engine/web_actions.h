#pragma once

class QObject;

namespace nominator {

// Has the pane's Qt WebEngine QML view perform one of its WebActions ("Back", "Cut",
// "RequestClose", ...), named as the view's own WebAction enumeration names them, so that the
// numbers cannot drift from the engine's. Throws std::runtime_error for a name it lacks.
void TriggerWebAction(QObject& view, const char* action);

}  // namespace nominator
