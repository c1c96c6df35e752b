#include <QApplication>
#include <QEventLoop>
#include <QLoggingCategory>
#include <csignal>
#include <cstdlib>

#include "app/unix_signal_watcher.h"
#include "window/qt/form1_window.h"
#include "window/qt/kept_geometry_file.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Names the folder that holds the browser profile with the wiki login.
    QApplication::setApplicationName(QStringLiteral("afd-nominator"));
    // The browser engine reports its OpenGL set-up on every start, and passes on what the wiki's
    // pages write to their console ("js"); a user has no use for either. The engine's warnings
    // still show, and QT_LOGGING_RULES, read after these rules, still wins.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webengine*.info=false\njs=false"));

    // kill, Ctrl+C and a closed terminal close the window as its close button does, and the
    // program ends once the browser engine has written the wiki login to the profile. Declared
    // before the window, so that a second signal while the window and the engine go is passed
    // over.
    nominator::UnixSignalWatcher endSignals({SIGTERM, SIGINT, SIGHUP});

    nominator::Form1Window window;
    // Nobody may be there to answer whether to drop unsaved changes in the pages.
    QObject::connect(&endSignals, &nominator::UnixSignalWatcher::endRequested, &window,
                     &nominator::Form1Window::closeWithoutAsking);
    QObject::connect(&window, &nominator::Form1Window::ended, &application,
                     &QCoreApplication::quit);
    if (!window.load()) return EXIT_FAILURE;
    // As the user left it when it last closed; the first time as designed.
    nominator::RestoreKeptGeometry(window);
    window.show();
    const int status = QApplication::exec();
    // Anything else that ends the event loop, a session manager's "die" among them, leaves the
    // window open: it closes now, and the engine still gets its moment to write the login.
    if (!window.closeWithoutAsking()) {
        QEventLoop ending;
        QObject::connect(&window, &nominator::Form1Window::ended, &ending, &QEventLoop::quit);
        ending.exec();
    }
    return status;
}
