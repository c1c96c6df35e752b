// Fork and exec with everything that allocates done before the fork: the bench runs threads, so
// the child may only make async-signal-safe calls until exec. The fork of the small bench
// process costs well under a millisecond and is the same for program and baseline.
#include "tests/support/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string_view>
#include <system_error>
#include <thread>

#include "tests/support/process_tree.h"

extern char** environ;

namespace support {
namespace {

std::vector<std::string> MergedEnvironment(const Environment& overrides) {
    Environment merged;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view text(*entry);
        const auto equals = text.find('=');
        if (equals == std::string_view::npos) continue;
        merged.emplace(std::string(text.substr(0, equals)), std::string(text.substr(equals + 1)));
    }
    for (const auto& [name, value] : overrides) merged[name] = value;
    std::vector<std::string> flat;
    for (const auto& [name, value] : merged) flat.push_back(name + "=" + value);
    return flat;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (std::string& text : strings) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

bool Gone(pid_t pid) {
    const pid_t waited = waitpid(pid, nullptr, WNOHANG);
    if (waited == pid) return true;
    // Not (or no longer) our child: gone once the kernel no longer knows it.
    return waited < 0 && kill(pid, 0) < 0 && errno == ESRCH;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const Environment& overrides,
                           const std::filesystem::path& log) {
    std::vector<std::string> arguments = argv;
    std::vector<std::string> environment = MergedEnvironment(overrides);
    const std::vector<char*> argp = Pointers(arguments);
    const std::vector<char*> envp = Pointers(environment);
    const int logFd = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int nullFd = open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (logFd < 0 || nullFd < 0) throw std::system_error(errno, std::generic_category(), "open");

    started_ = Clock::now();
    pid_ = fork();
    if (pid_ == 0) {
        // The program starts as from a shell: SIGPIPE as the system sets it, even where the
        // caller ignores it for the wiki stand-in.
        struct sigaction defaultAction {};
        defaultAction.sa_handler = SIG_DFL;
        sigaction(SIGPIPE, &defaultAction, nullptr);
        setpgid(0, 0);
        dup2(nullFd, STDIN_FILENO);
        dup2(logFd, STDOUT_FILENO);
        dup2(logFd, STDERR_FILENO);
        execve(argp[0], argp.data(), envp.data());
        _exit(127);
    }
    const int forkError = errno;
    close(logFd);
    close(nullFd);
    if (pid_ < 0) throw std::system_error(forkError, std::generic_category(), "fork");
    // Also from this side, so the group exists whichever of the two runs first.
    setpgid(pid_, pid_);
}

ChildProcess::~ChildProcess() { terminate(); }

bool ChildProcess::running() {
    if (reaped_) return false;
    if (waitpid(pid_, &status_, WNOHANG) == pid_) reaped_ = true;
    return !reaped_;
}

void ChildProcess::signal(int number) {
    if (!reaped_) kill(pid_, number);
}

std::optional<int> ChildProcess::waitForEnd(std::chrono::milliseconds timeout) {
    const TimePoint deadline = Clock::now() + timeout;
    while (running()) {
        if (Clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFSIGNALED(status_) ? -WTERMSIG(status_) : WEXITSTATUS(status_);
}

void ChildProcess::terminate() {
    if (pid_ <= 0) return;
    // Listed before the kill: afterwards the helpers have lost the parent that ties them to us.
    const std::vector<pid_t> helpers = Descendants(pid_);
    kill(-pid_, SIGKILL);
    if (!reaped_) kill(pid_, SIGKILL);
    for (const pid_t helper : helpers) kill(helper, SIGKILL);
    if (!reaped_) waitpid(pid_, nullptr, 0);
    reaped_ = true;

    const TimePoint deadline = Clock::now() + std::chrono::seconds(5);
    for (const pid_t helper : helpers) {
        while (!Gone(helper) && Clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    pid_ = -1;
}

void BecomeSubreaper() { prctl(PR_SET_CHILD_SUBREAPER, 1L, 0L, 0L, 0L); }

}  // namespace support
