#include "tests/program/program_run.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <thread>

#include "tests/support/profile_folders.h"
#include "window/form1_layout.h"

namespace nominator {
namespace {

using namespace std::chrono_literals;

}  // namespace

std::vector<support::ArrivedRequest> PaneRequests(
    const std::vector<support::ArrivedRequest>& requests, std::size_t first) {
    std::vector<support::ArrivedRequest> panes;
    for (std::size_t i = first; i < requests.size(); ++i) {
        const std::string& target = requests[i].target;
        if (target.starts_with("/w/index.php?") || target.starts_with("/wiki/")) {
            panes.push_back(requests[i]);
        }
    }
    return panes;
}

bool WaitForThreePanes(const support::StubWikiServer& wiki, std::size_t first) {
    return wiki.waitFor(
        [first](const std::vector<support::ArrivedRequest>& requests) {
            return PaneRequests(requests, first).size() >= 3;
        },
        support::Clock::now() + kEngineGiveUp);
}

ProgramRun::ProgramRun(const std::filesystem::path& profile,
                       const support::Environment& environment, const std::filesystem::path& log)
    : log_(log),
      watcher_(std::string(kFormCaption)),
      process_({AFD_NOMINATOR}, support::WithOwnProfile(environment, profile), log) {
    watcher_.watch(process_.pid());
}

std::optional<xcb_window_t> ProgramRun::waitForWindow() {
    const std::optional<support::MapChange> mapped =
        watcher_.waitForMapped(process_.started() + kEngineGiveUp);
    if (!mapped) return std::nullopt;
    return window();
}

void ProgramRun::click(std::string_view control) { clickAt(support::CentreOf(control)); }

void ProgramRun::clickAt(support::PixelPoint point) {
    const std::optional<xcb_window_t> form1 = window();
    if (!form1) throw std::runtime_error("Form1 is not on screen");
    input_.clickIn(*form1, point.x, point.y);
}

bool ProgramRun::waitUntilWindowGone() {
    const support::TimePoint deadline = support::Clock::now() + kEngineGiveUp;
    while (window() && process_.running()) {
        if (support::Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

std::string ProgramRun::output() const {
    std::ifstream in(log_);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace nominator
