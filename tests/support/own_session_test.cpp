// The launcher the GUI and program tests run under: the command gets a session bus of its own
// whatever bus the caller had, its exit status comes back, and nothing it started (the bus
// among it) is left running afterwards; a command that leaves something behind fails.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/scratch_folder.h"

namespace support {
namespace {

using testing::HasSubstr;
using testing::Not;

// Every row's command first notes the pid of the bus it was given (its "pids" file holds the
// processes that must be gone afterwards), and fails with 99 if there is none.
constexpr char kNoteTheBus[] = R"(set -e
bus=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
      org.freedesktop.DBus.GetConnectionUnixProcessID string:org.freedesktop.DBus) || exit 99
echo "$bus" | awk '/uint32/ { print $2 }' >> "$SCRATCH/pids"
)";

struct SessionRow {
    const char* name;
    const char* script;
    int status;
    bool leftBehind;
    // Processes the command notes: the bus, and the row's own if it starts one.
    std::size_t noted;
};

void PrintTo(const SessionRow& row, std::ostream* out) { *out << row.name; }

const SessionRow kRows[] = {
    {"EndsClean", "true", 0, false, 1},
    {"PassesTheStatusOn", "exit 3", 3, false, 1},
    {"ChildLeftRunning", R"(sleep 600 & echo $! >> "$SCRATCH/pids")", 1, true, 2},
    // A daemon's way: its parent has gone, so it belongs to nobody the command knows.
    {"OrphanLeftRunning", R"((sleep 600 & echo $! >> "$SCRATCH/pids"))", 1, true, 2},
    {"FailsAndLeavesAChild", R"(sleep 600 & echo $! >> "$SCRATCH/pids"; exit 4)", 4, true, 2},
    // Helpers that end on their own a moment after the command are on their way out.
    {"OrphanEndsSoonAfter", R"((sleep 1 & echo $! >> "$SCRATCH/pids"))", 0, false, 2},
};

std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class OwnSessionTest : public testing::TestWithParam<SessionRow> {};

TEST_P(OwnSessionTest, TheCommandHasABusOfItsOwnAndLeavesNothingRunning) {
    const SessionRow& row = GetParam();
    const ScratchFolder scratch;
    const std::filesystem::path log = scratch.path() / "output.log";
    // A bus from the caller's environment is not the one the command gets.
    ChildProcess launcher({OWN_SESSION, "/bin/bash", "-c", std::string(kNoteTheBus) + row.script},
                          {{"SCRATCH", scratch.path().string()},
                           {"DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus"}},
                          log);
    const std::optional<int> status = launcher.waitForEnd(std::chrono::seconds(30));
    ASSERT_TRUE(status) << "own_session still runs 30 s later\n" << Read(log);
    EXPECT_EQ(*status, row.status) << Read(log);
    if (row.leftBehind) {
        EXPECT_THAT(Read(log), HasSubstr("own_session: left behind by /bin/bash: "));
    } else {
        EXPECT_THAT(Read(log), Not(HasSubstr("left behind")));
    }

    std::ifstream pids(scratch.path() / "pids");
    std::vector<pid_t> noted;
    for (pid_t pid = 0; pids >> pid;) noted.push_back(pid);
    ASSERT_EQ(noted.size(), row.noted) << Read(log);
    for (const pid_t pid : noted) {
        errno = 0;
        EXPECT_TRUE(kill(pid, 0) < 0 && errno == ESRCH) << pid << " still runs";
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, OwnSessionTest, testing::ValuesIn(kRows),
                         [](const testing::TestParamInfo<SessionRow>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
}  // namespace support
