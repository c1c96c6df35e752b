#pragma once

#include <QObject>
#include <csignal>
#include <initializer_list>
#include <utility>
#include <vector>

class QSocketNotifier;

namespace nominator {

// Turns the Unix signals that ask a program to end (kill's SIGTERM, Ctrl+C's SIGINT, a closed
// terminal's SIGHUP) into one Qt signal on the event loop, so that the program can end the
// normal way and its browser engine can write what it keeps. The handler only writes the
// signal's number to a socket that the event loop watches: nothing else is safe in a handler.
// One watcher at a time; it puts the previous actions back when it goes.
class UnixSignalWatcher : public QObject {
    Q_OBJECT

public:
    // Signals that were ignored when the program started (nohup, a shell's background job)
    // stay ignored. Throws std::system_error when the socket or an action cannot be set up,
    // and std::logic_error when another watcher exists.
    explicit UnixSignalWatcher(std::initializer_list<int> signalNumbers, QObject* parent = nullptr);
    ~UnixSignalWatcher() override;

    UnixSignalWatcher(const UnixSignalWatcher&) = delete;
    UnixSignalWatcher& operator=(const UnixSignalWatcher&) = delete;

signals:
    // The first watched signal to arrive. Later ones are passed over: the end is under way.
    void endRequested(int signalNumber);

private:
    void watch(std::initializer_list<int> signalNumbers);
    void release();
    void readSignals();

    int readEnd_ = -1;
    int writeEnd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    std::vector<std::pair<int, struct sigaction>> previousActions_;
    bool requested_ = false;
};

}  // namespace nominator
