#include "window/qt/browser_engine_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <stdexcept>

#include "window/qt/utf8.h"

namespace nominator {

QString InstalledBrowserEngineModule() {
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral(AFD_BROWSER_ENGINE_FROM_BINDIR));
}

std::unique_ptr<BrowserEngine> LoadBrowserEngine(const QString& modulePath) {
    // The module stays loaded until the program ends; QLibrary only unloads when asked.
    QLibrary module(modulePath);
    if (!module.load()) {
        throw std::runtime_error("cannot load the browser engine: " + ToUtf8(module.errorString()));
    }
    const auto newEngine =
        reinterpret_cast<NewBrowserEngineFunction>(module.resolve(kNewBrowserEngineSymbol));
    if (!newEngine) {
        // QLibrary gives no reason here.
        throw std::runtime_error("cannot load the browser engine: " + ToUtf8(modulePath) +
                                 " has no function " + kNewBrowserEngineSymbol);
    }
    return std::unique_ptr<BrowserEngine>(newEngine());
}

}  // namespace nominator
