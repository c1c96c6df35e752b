#include <QApplication>
#include <QLoggingCategory>
#include <csignal>
#include <cstdlib>

#include "app/unix_signal_watcher.h"
#include "window/qt/form1_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Names the folder that holds the browser profile with the wiki login.
    QApplication::setApplicationName(QStringLiteral("afd-nominator"));
    // The browser engine reports its OpenGL set-up on every start; a user has no use for it.
    // Its warnings still show, and QT_LOGGING_RULES, read after these rules, still wins.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webengine*.info=false"));

    // kill, Ctrl+C, a closed terminal and a desktop session that ends all end the program the
    // way a session manager does: Qt closes the window and leaves the event loop, so that the
    // browser engine writes the wiki login to the profile as it shuts down. Declared before
    // the window, so that a second signal while the window and the engine go is passed over.
    nominator::UnixSignalWatcher endSignals({SIGTERM, SIGINT, SIGHUP});
    QObject::connect(&endSignals, &nominator::UnixSignalWatcher::endRequested, &application,
                     &QCoreApplication::quit);

    nominator::Form1Window window;
    if (!window.load()) return EXIT_FAILURE;
    window.show();
    return QApplication::exec();
}
