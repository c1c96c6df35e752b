// See x_map_watcher.h. With no window manager, top-level windows are the root's children, so
// listening to the root's substructure sees every top-level map, unmap and destroy.
#include "tests/support/x_map_watcher.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>
#include <system_error>

#include "tests/support/x_reply.h"

namespace support {

XMapWatcher::XMapWatcher(std::string title)
    : title_(std::move(title)),
      connection_(Connect()),
      netWmName_(Intern(connection_, "_NET_WM_NAME")),
      utf8String_(Intern(connection_, "UTF8_STRING")),
      netWmPid_(Intern(connection_, "_NET_WM_PID")) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
    int wake[2];
    if (pipe2(wake, O_CLOEXEC) < 0) throw std::system_error(errno, std::generic_category(), "pipe");
    wakeRead_ = wake[0];
    wakeWrite_ = wake[1];
    thread_ = std::thread([this] { loop(); });
}

XMapWatcher::~XMapWatcher() {
    const char byte = 0;
    [[maybe_unused]] const auto written = write(wakeWrite_, &byte, 1);
    thread_.join();
    close(wakeRead_);
    close(wakeWrite_);
    xcb_disconnect(connection_);
}

void XMapWatcher::watch(pid_t pid) {
    // Events still to come from an earlier program name another process and are passed over.
    const std::lock_guard lock(mutex_);
    watched_ = pid;
    watchedWindows_.clear();
    changes_.clear();
}

std::optional<MapChange> XMapWatcher::waitForMapped(TimePoint deadline) {
    std::unique_lock lock(mutex_);
    auto mapped = [this] {
        return std::find_if(changes_.begin(), changes_.end(),
                            [](const MapChange& change) { return change.mapped; });
    };
    if (!changed_.wait_until(lock, deadline, [&] { return mapped() != changes_.end(); })) {
        return std::nullopt;
    }
    return *mapped();
}

std::vector<MapChange> XMapWatcher::changes() const {
    const std::lock_guard lock(mutex_);
    return changes_;
}

std::optional<xcb_window_t> XMapWatcher::onScreen() const {
    const std::lock_guard lock(mutex_);
    if (changes_.empty() || !changes_.back().mapped) return std::nullopt;
    return changes_.back().window;
}

void XMapWatcher::loop() {
    pollfd descriptors[] = {{xcb_get_file_descriptor(connection_), POLLIN, 0},
                            {wakeRead_, POLLIN, 0}};
    while (true) {
        // Events the reply of a round trip brought along are queued already: no poll for them.
        while (xcb_generic_event_t* queued = xcb_poll_for_queued_event(connection_)) {
            const Reply<xcb_generic_event_t> event(queued);
            handle(*event, Clock::now());
        }
        poll(descriptors, 2, -1);
        if ((descriptors[1].revents & POLLIN) != 0) return;
        // Stamped as soon as the server's report is read, before the round trips that follow.
        const TimePoint at = Clock::now();
        while (xcb_generic_event_t* fresh = xcb_poll_for_event(connection_)) {
            const Reply<xcb_generic_event_t> event(fresh);
            handle(*event, at);
        }
        if (xcb_connection_has_error(connection_) != 0) return;
    }
}

void XMapWatcher::handle(const xcb_generic_event_t& event, TimePoint at) {
    const uint8_t type = event.response_type & 0x7F;
    if (type == XCB_MAP_NOTIFY) {
        const xcb_window_t window = reinterpret_cast<const xcb_map_notify_event_t&>(event).window;
        if (!belongsToWatched(window)) return;
        const std::lock_guard lock(mutex_);
        watchedWindows_.push_back(window);
        changes_.push_back({window, true, at});
    } else if (type == XCB_UNMAP_NOTIFY || type == XCB_DESTROY_NOTIFY) {
        const xcb_window_t window =
            type == XCB_UNMAP_NOTIFY
                ? reinterpret_cast<const xcb_unmap_notify_event_t&>(event).window
                : reinterpret_cast<const xcb_destroy_notify_event_t&>(event).window;
        const std::lock_guard lock(mutex_);
        if (std::find(watchedWindows_.begin(), watchedWindows_.end(), window) ==
            watchedWindows_.end()) {
            return;
        }
        // An unmapped window that is then destroyed left the screen once.
        std::erase(watchedWindows_, window);
        changes_.push_back({window, false, at});
    } else {
        return;
    }
    changed_.notify_all();
}

bool XMapWatcher::belongsToWatched(xcb_window_t window) {
    pid_t watched = 0;
    {
        const std::lock_guard lock(mutex_);
        watched = watched_;
    }
    if (watched == 0) return false;
    const Reply<xcb_get_property_reply_t> pid(xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, netWmPid_, XCB_ATOM_CARDINAL, 0, 1),
        nullptr));
    if (!pid || xcb_get_property_value_length(pid.get()) != 4) return false;
    uint32_t value = 0;
    std::memcpy(&value, xcb_get_property_value(pid.get()), sizeof value);
    return static_cast<pid_t>(value) == watched && title(window) == title_;
}

std::string XMapWatcher::title(xcb_window_t window) {
    using Property = std::pair<xcb_atom_t, xcb_atom_t>;
    for (const auto& [property, type] :
         {Property{netWmName_, utf8String_}, Property{XCB_ATOM_WM_NAME, XCB_ATOM_STRING}}) {
        const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            connection_, xcb_get_property(connection_, 0, window, property, type, 0, 256),
            nullptr));
        if (!reply) continue;
        const int length = xcb_get_property_value_length(reply.get());
        if (length <= 0) continue;
        return {static_cast<const char*>(xcb_get_property_value(reply.get())),
                static_cast<std::size_t>(length)};
    }
    return {};
}

}  // namespace support
