#include "app/unix_signal_watcher.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <stdexcept>
#include <system_error>

namespace nominator {
namespace {

// Read by the handler, so it must be lock-free to be async-signal-safe.
std::atomic<int> gWriteEnd{-1};
static_assert(std::atomic<int>::is_always_lock_free);

void OnSignal(int signalNumber) {
    // write() is async-signal-safe; errno is kept for the code the signal interrupted. A full
    // socket drops the byte, which is fine: one is enough to ask for the end.
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = write(gWriteEnd.load(), &byte, 1);
    errno = savedErrno;
}

[[noreturn]] void Fail(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

}  // namespace

UnixSignalWatcher::UnixSignalWatcher(std::initializer_list<int> signalNumbers, QObject* parent)
    : QObject(parent) {
    if (gWriteEnd.load() != -1) throw std::logic_error("only one UnixSignalWatcher at a time");
    try {
        watch(signalNumbers);
    } catch (...) {
        release();
        throw;
    }
}

UnixSignalWatcher::~UnixSignalWatcher() { release(); }

void UnixSignalWatcher::watch(std::initializer_list<int> signalNumbers) {
    int ends[2];
    // Non-blocking, so that neither the handler nor the event loop can ever wait on it.
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, ends) < 0) {
        Fail("socketpair");
    }
    readEnd_ = ends[0];
    writeEnd_ = ends[1];
    gWriteEnd.store(writeEnd_);
    notifier_ = new QSocketNotifier(readEnd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &UnixSignalWatcher::readSignals);

    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    // System calls that the signal interrupts, in any of the engine's threads, carry on.
    action.sa_flags = SA_RESTART;
    for (const int signalNumber : signalNumbers) {
        struct sigaction previous {};
        if (sigaction(signalNumber, nullptr, &previous) < 0) Fail("sigaction");
        if (previous.sa_handler == SIG_IGN) continue;
        if (sigaction(signalNumber, &action, nullptr) < 0) Fail("sigaction");
        previousActions_.emplace_back(signalNumber, previous);
    }
}

void UnixSignalWatcher::release() {
    for (const auto& [signalNumber, previous] : previousActions_) {
        sigaction(signalNumber, &previous, nullptr);
    }
    previousActions_.clear();
    delete notifier_;
    notifier_ = nullptr;
    if (writeEnd_ < 0) return;
    gWriteEnd.store(-1);
    close(readEnd_);
    close(writeEnd_);
}

void UnixSignalWatcher::readSignals() {
    unsigned char bytes[16];
    while (read(readEnd_, bytes, sizeof bytes) > 0) {
        if (!requested_) {
            requested_ = true;
            emit endRequested(bytes[0]);
        }
    }
}

}  // namespace nominator
