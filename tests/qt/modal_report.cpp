#include "tests/qt/modal_report.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace nominator {

ReportedRun ExecClosingTheReport(const std::function<void()>& start, int giveUpMs) {
    // Exit status of our own for a loop that was still running when the test gave up.
    constexpr int kGaveUp = 9;
    ReportedRun run;
    QObject context;
    QTimer::singleShot(0, &context, start);

    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, &context, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !run.report.isEmpty()) return;
        run.report = box->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    closer.start();

    QTimer::singleShot(giveUpMs, &context, [&] {
        run.timedOut = true;
        if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
        QCoreApplication::exit(kGaveUp);
    });

    run.exitStatus = QApplication::exec();
    return run;
}

}  // namespace nominator
