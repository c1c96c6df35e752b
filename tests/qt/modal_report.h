#pragma once

#include <QString>
#include <functional>

namespace nominator {

// What came of running the application's event loop while closing the error report it shows.
struct ReportedRun {
    QString report;  // the report's text; empty when none appeared
    int exitStatus = -1;
    bool timedOut = false;
};

// Runs QApplication::exec(), after `start` has been queued, until something ends the loop. The
// first modal message box that appears is read and closed, as a user would close it. Gives up
// after giveUpMs with timedOut set.
ReportedRun ExecClosingTheReport(const std::function<void()>& start, int giveUpMs);

}  // namespace nominator
