// A handler's failure inside the running application: reported in a modal box, after which the
// application ends with a failure status. Everything runs inside QApplication::exec().
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <functional>
#include <stdexcept>
#include <string>

#include "tests/qt/modal_report.h"
#include "tests/support/gui_test_constants.h"
#include "window/qt/handler_guard.h"

namespace nominator {
namespace {

using support::kGiveUpMs;

// Exit statuses of our own, distinct from EXIT_FAILURE.
constexpr int kLoopStillRunning = 7;
constexpr int kExceptionEscaped = 8;

struct GuardedRun : ReportedRun {
    bool returned = false;
};

GuardedRun RunInEventLoop(const std::function<void()>& handler) {
    GuardedRun run;
    // A visible window of the program's own, so that closing the report is not closing the last
    // window, which would make the application quit by itself.
    QWidget window;
    window.show();

    static_cast<ReportedRun&>(run) = ExecClosingTheReport(
        [&] {
            try {
                run.returned = RunHandler(&window, handler);
            } catch (...) {
                QCoreApplication::exit(kExceptionEscaped);
                return;
            }
            // A handler that ran through must leave the application running.
            if (run.returned) {
                QTimer::singleShot(0, &window, [] { QCoreApplication::exit(kLoopStillRunning); });
            }
        },
        kGiveUpMs);
    return run;
}

TEST(RunHandlerTest, AHandlerThatRunsThroughLeavesTheApplicationRunning) {
    bool ran = false;
    const GuardedRun run = RunInEventLoop([&] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_TRUE(run.returned);
    EXPECT_TRUE(run.report.isEmpty()) << run.report.toStdString();
    EXPECT_EQ(run.exitStatus, kLoopStillRunning);
}

struct Failure {
    const char* name;
    std::function<void()> handler;
    const char* reported;
};

TEST(RunHandlerTest, AFailingHandlerIsReportedAndEndsTheApplicationWithFailure) {
    const Failure failures[] = {
        {"std exception", [] { throw std::runtime_error("disk on fire"); }, "disk on fire"},
        {"anything else", [] { throw 42; }, "unknown error"},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.name);
        bool finished = false;
        const GuardedRun run = RunInEventLoop([&] {
            failure.handler();
            finished = true;
        });
        ASSERT_FALSE(run.timedOut) << "no report appeared or it could not be closed";
        EXPECT_FALSE(finished);
        EXPECT_FALSE(run.returned);
        EXPECT_TRUE(run.report.contains(failure.reported)) << run.report.toStdString();
        EXPECT_EQ(run.exitStatus, EXIT_FAILURE);
    }
}

}  // namespace
}  // namespace nominator
