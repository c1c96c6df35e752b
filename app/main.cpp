#include <QApplication>
#include <cstdlib>

#include "window/qt/form1_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Names the folder that holds the browser profile with the wiki login.
    QApplication::setApplicationName(QStringLiteral("afd-nominator"));

    nominator::Form1Window window;
    if (!window.load()) return EXIT_FAILURE;
    window.show();
    return QApplication::exec();
}
