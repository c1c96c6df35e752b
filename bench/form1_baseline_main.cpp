// The start-up and memory baseline: Form1's window with every control, the same title and the
// same application name as the program, but no browser engine linked or started. What the
// program takes beyond this is what the engine costs it.
#include <QApplication>

#include "window/pane_labels.h"
#include "window/qt/form1_widgets.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("afd-nominator"));

    nominator::Form1Widgets window;
    // The program's window holds these tabs from its start too.
    window.setTabs(nominator::PaneLabelsOf(nominator::PlanNomination({})));
    window.show();
    return QApplication::exec();
}
