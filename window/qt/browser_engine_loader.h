#pragma once

#include <QString>
#include <memory>

#include "window/qt/browser_engine.h"

namespace nominator {

// Where the browser engine's module is installed, relative to the program.
QString InstalledBrowserEngineModule();

// Loads the browser engine's module and makes an engine; throws std::runtime_error, naming the
// module and the reason, when it cannot.
std::unique_ptr<BrowserEngine> LoadBrowserEngine(const QString& modulePath);

}  // namespace nominator
