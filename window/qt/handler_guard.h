#pragma once

#include <functional>

class QWidget;

namespace nominator {

// Runs one of the window's handlers. An exception escaping it ends the handler there and must
// not pass into Qt's event loop: it is shown to the user in a modal error report, and the
// application is told to end with a failure status. Returns whether the handler ran to its end.
bool RunHandler(QWidget* window, const std::function<void()>& handler);

}  // namespace nominator
