// One start of a program under test, seen from outside: launched with a profile of its own,
// timed from exec to its first frame on screen, clicked, measured, and ended with all its
// helper processes. Every session starts as a first start would on a user's machine: its
// XDG_DATA_HOME, XDG_CACHE_HOME and XDG_CONFIG_HOME are new and empty.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bench/process_memory.h"
#include "bench/shared_helpers.h"
#include "bench/x_window_probe.h"
#include "tests/support/child_process.h"
#include "tests/support/clock.h"
#include "tests/support/x_map_watcher.h"

namespace bench {

class Session {
public:
    Session(const std::string& program, const Environment& environment, XMapWatcher& watcher,
            XWindowProbe& probe, const std::filesystem::path& scratch);
    ~Session();

    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Waits for Form1 to be mapped and drawn; false when it never was (see logTail()).
    bool waitForFirstFrame();
    double millisToMapped() const { return MillisBetween(child_.started(), mapped_); }
    double millisToFirstFrame() const { return MillisBetween(child_.started(), firstFrame_); }
    TimePoint firstFrame() const { return firstFrame_; }

    // Clicks Command1 in the window on screen; returns when the button was released.
    TimePoint clickCommand1();
    // Clicks into Text1, selects all and types the text.
    void typeTitle(std::string_view text);
    std::vector<ProcessMemory> memory() const { return MeasureProcessTree(child_.pid()); }
    // Each time Form1 came on or left the screen; it comes once unless the program remade it.
    std::vector<MapChange> windowChanges() const { return watcher_.changes(); }
    bool running() { return child_.running(); }
    // The end of what the program printed, to tell why a run failed.
    std::string logTail() const;

private:
    std::filesystem::path dir_;
    XMapWatcher& watcher_;
    XWindowProbe& probe_;
    ChildProcess child_;
    TimePoint mapped_;
    TimePoint firstFrame_;
};

}  // namespace bench
