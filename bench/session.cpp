// See session.h.
#include "bench/session.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

#include "bench/form1_on_screen.h"
#include "tests/support/form1_points.h"
#include "tests/support/profile_folders.h"

namespace bench {
namespace {

constexpr auto kStartTimeout = std::chrono::seconds(30);

std::filesystem::path NewRunDirectory(const std::filesystem::path& scratch) {
    static int runs = 0;
    return scratch / ("run-" + std::to_string(++runs));
}

}  // namespace

Session::Session(const std::string& program, const Environment& environment, XMapWatcher& watcher,
                 XWindowProbe& probe, const std::filesystem::path& scratch)
    : dir_(NewRunDirectory(scratch)),
      watcher_(watcher),
      probe_(probe),
      child_({program}, WithOwnProfile(environment, dir_), dir_ / "output.log") {
    watcher_.watch(child_.pid());
}

Session::~Session() {
    child_.terminate();
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

bool Session::waitForFirstFrame() {
    const TimePoint deadline = child_.started() + kStartTimeout;
    const std::optional<MapChange> window = watcher_.waitForMapped(deadline);
    if (!window) return false;
    mapped_ = window->at;
    const std::optional<TimePoint> drawn =
        probe_.waitForDrawn(window->window, Form1DrawnCheck(), deadline);
    if (!drawn) return false;
    firstFrame_ = *drawn;
    return true;
}

namespace {

xcb_window_t OnScreen(const XMapWatcher& watcher) {
    const std::optional<xcb_window_t> window = watcher.onScreen();
    if (!window) throw std::runtime_error("Form1 is not on screen");
    return *window;
}

}  // namespace

TimePoint Session::clickCommand1() {
    const PixelPoint centre = CentreOf("Command1");
    return probe_.click(OnScreen(watcher_), centre.x, centre.y);
}

void Session::typeTitle(std::string_view text) {
    const PixelPoint centre = CentreOf("Text1");
    probe_.typeOver(OnScreen(watcher_), centre.x, centre.y, text);
}

std::string Session::logTail() const {
    std::ifstream in(dir_ / "output.log");
    const std::string all{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    constexpr std::size_t kTail = 2000;
    return all.size() > kTail ? all.substr(all.size() - kTail) : all;
}

}  // namespace bench
