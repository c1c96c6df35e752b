// The signal watcher in-process: real signals raised at the test itself.
#include "app/unix_signal_watcher.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <csignal>
#include <stdexcept>
#include <vector>

namespace nominator {
namespace {

// Long enough for the event loop to read the socket and deliver every emission it would.
void TurnTheLoop() {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 100) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

struct sigaction ActionOf(int signalNumber) {
    struct sigaction action {};
    sigaction(signalNumber, nullptr, &action);
    return action;
}

struct SignalsRow {
    const char* name;
    std::vector<int> raised;
    // The loop reads the socket between two signals, not once after all of them.
    bool loopBetween;
    int requested;
};

TEST(UnixSignalWatcherTest, SignalsWhileEndingAskForTheEndOnce) {
    const SignalsRow rows[] = {
        {"one SIGTERM", {SIGTERM}, false, SIGTERM},
        {"SIGTERM twice in a row", {SIGTERM, SIGTERM}, false, SIGTERM},
        {"SIGINT, the loop, then SIGHUP", {SIGINT, SIGHUP}, true, SIGINT},
        {"SIGHUP, the loop, then SIGTERM twice", {SIGHUP, SIGTERM, SIGTERM}, true, SIGHUP},
    };
    for (const SignalsRow& row : rows) {
        SCOPED_TRACE(row.name);
        UnixSignalWatcher watcher({SIGTERM, SIGINT, SIGHUP});
        std::vector<int> requests;
        QObject::connect(&watcher, &UnixSignalWatcher::endRequested,
                         [&requests](int signalNumber) { requests.push_back(signalNumber); });
        for (const int signalNumber : row.raised) {
            ASSERT_EQ(raise(signalNumber), 0);
            if (row.loopBetween) TurnTheLoop();
        }
        TurnTheLoop();
        EXPECT_EQ(requests, std::vector<int>{row.requested});
    }
}

TEST(UnixSignalWatcherTest, WatchesWithRestartingSystemCallsAndPutsThePreviousActionsBack) {
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signalNumber);
        ASSERT_EQ(ActionOf(signalNumber).sa_handler, SIG_DFL);
        {
            const UnixSignalWatcher watcher({SIGTERM, SIGINT, SIGHUP});
            const struct sigaction watching = ActionOf(signalNumber);
            EXPECT_NE(watching.sa_handler, SIG_DFL);
            EXPECT_NE(watching.sa_handler, SIG_IGN);
            EXPECT_NE(watching.sa_flags & SA_RESTART, 0);
        }
        EXPECT_EQ(ActionOf(signalNumber).sa_handler, SIG_DFL);
    }
}

// nohup and a shell's background jobs start a program with signals ignored; they stay so.
TEST(UnixSignalWatcherTest, ASignalIgnoredAtTheStartStaysIgnored) {
    std::signal(SIGHUP, SIG_IGN);
    std::vector<int> requests;
    {
        UnixSignalWatcher watcher({SIGTERM, SIGINT, SIGHUP});
        QObject::connect(&watcher, &UnixSignalWatcher::endRequested,
                         [&requests](int signalNumber) { requests.push_back(signalNumber); });
        EXPECT_EQ(ActionOf(SIGHUP).sa_handler, SIG_IGN);
        ASSERT_EQ(raise(SIGHUP), 0);
        TurnTheLoop();
        EXPECT_TRUE(requests.empty());
        ASSERT_EQ(raise(SIGTERM), 0);
        TurnTheLoop();
    }
    EXPECT_EQ(requests, std::vector<int>{SIGTERM});
    EXPECT_EQ(ActionOf(SIGHUP).sa_handler, SIG_IGN);
    std::signal(SIGHUP, SIG_DFL);
}

TEST(UnixSignalWatcherTest, ASecondWatcherIsRefusedAndTheFirstKeepsWorking) {
    UnixSignalWatcher first({SIGTERM});
    int requests = 0;
    QObject::connect(&first, &UnixSignalWatcher::endRequested, [&requests] { ++requests; });
    EXPECT_THROW(UnixSignalWatcher second({SIGINT}), std::logic_error);
    ASSERT_EQ(raise(SIGTERM), 0);
    TurnTheLoop();
    EXPECT_EQ(requests, 1);
}

}  // namespace
}  // namespace nominator

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
