#include "window/qt/browser_engine_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QOpenGLContext>
#include <stdexcept>

#include "window/qt/utf8.h"

// Qt GUI exports this for the browser engine but declares it only in a private header.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE

namespace nominator {
namespace {

void DeleteShareContext() {
    QOpenGLContext* context = QOpenGLContext::globalShareContext();
    qt_gl_set_global_share_context(nullptr);
    delete context;
}

// The engine hands its pages to the window through one OpenGL context that every other
// context shares. Linked into a program, the engine makes it while the application object is
// built, which delays the first frame; loaded as a module, it expects it to exist already.
void ProvideShareContext() {
    if (QOpenGLContext::globalShareContext()) return;
    auto* context = new QOpenGLContext;
    context->setFormat(QSurfaceFormat::defaultFormat());
    // Without OpenGL this fails, and the engine draws its pages in software.
    context->create();
    qt_gl_set_global_share_context(context);
    // Deleted after the engine, which shuts down in a routine added later.
    qAddPostRoutine(DeleteShareContext);
}

}  // namespace

QString InstalledBrowserEngineModule() {
    return QDir(QCoreApplication::applicationDirPath())
        .filePath(QStringLiteral(AFD_BROWSER_ENGINE_FROM_BINDIR));
}

std::unique_ptr<BrowserEngine> LoadBrowserEngine(const QString& modulePath) {
    ProvideShareContext();
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
