// own_session COMMAND [ARGUMENT...]: runs a test's command on a D-Bus session bus of its own,
// and makes sure that nothing the command started outlives it. Without a session bus, libdbus
// launches one for the X display (dbus-launch), which outlives the display; and a bus or a
// service it started that loses its parent would be left to an init that may never reap it.
//
// This launcher adopts every orphan below it (a child subreaper), starts the bus, runs the
// command with DBUS_SESSION_BUS_ADDRESS pointing at that bus, ends the bus once the command has
// ended, and then gives what is still running a moment to go. Whatever is left after that is
// named on stderr, killed, and fails the run: a test that leaves a process behind has failed.
// Its exit status is the command's, or 1 when the command passed but left something behind.
#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/process_tree.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// Long enough for a bus's services (the accessibility bus among them) to notice the bus has
// gone and end; a process still there then is not on its way out.
constexpr auto kGrace = 5s;

volatile sig_atomic_t gCommand = 0;

// ctest's and a user's end requests reach the command, which then ends the normal way.
void PassOn(int signalNumber) {
    if (gCommand > 0) kill(static_cast<pid_t>(gCommand), signalNumber);
}

[[noreturn]] void Fail(const std::string& what) {
    std::perror(("own_session: " + what).c_str());
    std::exit(125);
}

// Reaps every child that has ended, the adopted ones among them.
void ReapEnded() {
    while (waitpid(-1, nullptr, WNOHANG) > 0) {
    }
}

std::string Described(pid_t pid) {
    std::string text = std::to_string(pid);
    for (const std::string& argument : support::CommandLine(pid)) text += " " + argument;
    return text;
}

// Starts the bus and returns its pid; its address is written to `address`.
pid_t StartBus(std::string& address) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) < 0) Fail("pipe");
    const pid_t bus = fork();
    if (bus < 0) Fail("fork");
    if (bus == 0) {
        // Should this launcher itself be killed, the bus goes with it.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        dup2(ends[1], STDOUT_FILENO);
        execlp("dbus-daemon", "dbus-daemon", "--session", "--nofork", "--nopidfile",
               "--print-address=1",
               // As root in a container it cannot raise its file limit, and says so on every
               // start; its log goes to the system log instead.
               "--syslog-only", static_cast<char*>(nullptr));
        std::perror("own_session: dbus-daemon");
        _exit(127);
    }
    close(ends[1]);
    char buffer[512];
    for (ssize_t got; (got = read(ends[0], buffer, sizeof buffer)) != 0;) {
        if (got < 0) {
            if (errno == EINTR) continue;
            Fail("read the bus's address");
        }
        address.append(buffer, static_cast<std::size_t>(got));
        if (address.find('\n') != std::string::npos) break;
    }
    close(ends[0]);
    const auto newline = address.find('\n');
    if (newline == std::string::npos || newline == 0) {
        std::fprintf(stderr, "own_session: the session bus did not start\n");
        std::exit(125);
    }
    address.resize(newline);
    return bus;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: own_session COMMAND [ARGUMENT...]\n");
        return 125;
    }
    if (prctl(PR_SET_CHILD_SUBREAPER, 1L, 0L, 0L, 0L) < 0) Fail("become a subreaper");

    std::string address;
    const pid_t bus = StartBus(address);
    setenv("DBUS_SESSION_BUS_ADDRESS", address.c_str(), 1);

    struct sigaction passOn {};
    passOn.sa_handler = PassOn;
    sigemptyset(&passOn.sa_mask);
    for (const int signalNumber : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(signalNumber, &passOn, nullptr);
    }
    const pid_t command = fork();
    if (command < 0) Fail("fork");
    if (command == 0) {
        execvp(argv[1], argv + 1);
        std::perror(("own_session: " + std::string(argv[1])).c_str());
        _exit(127);
    }
    gCommand = command;

    int status = 0;
    while (true) {
        // An adopted orphan's end, or the bus's, just goes round again.
        const pid_t ended = waitpid(-1, &status, 0);
        if (ended == command) break;
        if (ended < 0 && errno != EINTR) Fail("wait for " + std::string(argv[1]));
    }
    gCommand = 0;
    int exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);

    kill(bus, SIGTERM);
    const Clock::time_point deadline = Clock::now() + kGrace;
    std::vector<pid_t> left;
    while (true) {
        ReapEnded();
        left = support::Descendants(getpid());
        if (left.empty() || Clock::now() >= deadline) break;
        std::this_thread::sleep_for(20ms);
    }
    if (left.empty()) return exitStatus;

    for (const pid_t pid : left) {
        std::fprintf(stderr, "own_session: left behind by %s: %s\n", argv[1],
                     Described(pid).c_str());
        kill(pid, SIGKILL);
    }
    while (waitpid(-1, nullptr, 0) > 0 || errno == EINTR) {
    }
    return exitStatus != 0 ? exitStatus : 1;
}
