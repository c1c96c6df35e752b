// Watches, on a thread and an X connection of its own, for one program's window with a given
// title being mapped and unmapped, and stamps each change the moment the server reports it.
// Own thread, because the bench sleeps and waits for the wiki stand-in meanwhile, and an event
// read only later would be stamped late.
#pragma once

#include <sys/types.h>
#include <xcb/xcb.h>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/clock.h"

namespace support {

struct MapChange {
    xcb_window_t window;
    bool mapped;  // false: unmapped or destroyed
    TimePoint at;
};

class XMapWatcher {
public:
    explicit XMapWatcher(std::string title);
    ~XMapWatcher();

    XMapWatcher(const XMapWatcher&) = delete;
    XMapWatcher& operator=(const XMapWatcher&) = delete;

    // From now on only windows with the title that belong to this process count.
    void watch(pid_t pid);
    // The first mapping since watch(), waiting for it until the deadline.
    std::optional<MapChange> waitForMapped(TimePoint deadline);
    // Every change since watch(). More than one mapping means the program took its window off
    // the screen and put it, or a new one, back: a user sees the window vanish and return.
    std::vector<MapChange> changes() const;
    // The window mapped last and not unmapped since.
    std::optional<xcb_window_t> onScreen() const;

private:
    void loop();
    void handle(const xcb_generic_event_t& event, TimePoint at);
    bool belongsToWatched(xcb_window_t window);
    std::string title(xcb_window_t window);

    std::string title_;
    xcb_connection_t* connection_;
    xcb_atom_t netWmName_;
    xcb_atom_t utf8String_;
    xcb_atom_t netWmPid_;
    int wakeRead_ = -1;
    int wakeWrite_ = -1;

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    pid_t watched_ = 0;
    std::vector<xcb_window_t> watchedWindows_;
    std::vector<MapChange> changes_;
    std::thread thread_;
};

}  // namespace support
