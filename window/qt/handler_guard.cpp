#include "window/qt/handler_guard.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <cstdlib>
#include <exception>

namespace nominator {
namespace {

void ReportAndEnd(QWidget* window, const QString& failure) {
    QMessageBox::critical(
        window, QStringLiteral("Form1"),
        QStringLiteral("An unexpected error stopped the program:\n\n%1").arg(failure));
    QCoreApplication::exit(EXIT_FAILURE);
}

}  // namespace

bool RunHandler(QWidget* window, const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (const std::exception& failure) {
        ReportAndEnd(window, QString::fromUtf8(failure.what()));
    } catch (...) {
        ReportAndEnd(window, QStringLiteral("unknown error"));
    }
    return false;
}

}  // namespace nominator
