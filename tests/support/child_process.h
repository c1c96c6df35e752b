// Starts a program under test the way a shell would, fork then exec, and ends it together with
// every helper process it started, so that no run leaves engine processes behind for the next.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/clock.h"

namespace support {

// Variables set on top of the bench's own environment.
using Environment = std::map<std::string, std::string>;

class ChildProcess {
public:
    // Output goes to log; the time stamp is taken right before the fork.
    ChildProcess(const std::vector<std::string>& argv, const Environment& overrides,
                 const std::filesystem::path& log);
    ~ChildProcess();

    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t pid() const { return pid_; }
    TimePoint started() const { return started_; }
    // False once the program has ended by itself (crashed or quit).
    bool running();
    // Sends the signal to the program alone, as `kill` does.
    void signal(int number);
    // Waits up to the timeout for the program to end. Its exit status, or minus the number of
    // the signal that killed it; nothing when it is still running.
    std::optional<int> waitForEnd(std::chrono::milliseconds timeout);
    // Kills the program, its process group and every process below it, and reaps them.
    void terminate();

private:
    pid_t pid_ = -1;
    TimePoint started_;
    bool reaped_ = false;
    int status_ = 0;
};

// Makes the bench adopt orphaned helper processes, so terminate() can reap them too.
void BecomeSubreaper();

}  // namespace support
