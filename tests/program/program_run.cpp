#include "tests/program/program_run.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <system_error>
#include <thread>

#include "tests/support/form1_points.h"
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

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "afd-program-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::system_error(errno, std::generic_category(), "mkdtemp");
    }
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
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

void ProgramRun::clickAfd() {
    const std::optional<xcb_window_t> form1 = window();
    if (!form1) throw std::runtime_error("Form1 is not on screen");
    const support::PixelPoint command1 = support::CentreOf("Command1");
    input_.clickIn(*form1, command1.x, command1.y);
}

void ProgramRun::typeIntoPane(std::string_view text) {
    const std::optional<xcb_window_t> form1 = window();
    if (!form1) throw std::runtime_error("Form1 is not on screen");
    // The panes fill Tabby below its tab strip.
    const support::PixelPoint tabby = support::CentreOf("Tabby");
    // Under Xvfb no window manager activates the window, and a click into the panes' window
    // of an inactive window leaves the keys where they were; a click on a box activates it.
    const support::PixelPoint text1 = support::CentreOf("Text1");
    input_.clickIn(*form1, text1.x, text1.y);
    std::this_thread::sleep_for(500ms);
    input_.clickIn(*form1, tabby.x, tabby.y + 16);
    // The click hands the keys to the panes' own window, a moment later.
    std::this_thread::sleep_for(500ms);
    input_.type(text);
    input_.sync();
}

bool ProgramRun::answerQuestion(const std::function<void()>& ask, const std::string& title,
                                std::uint32_t keysym, support::XInput::Modifier modifier) {
    support::XMapWatcher question(title);
    question.watch(process_.pid());
    ask();
    if (!question.waitForMapped(support::Clock::now() + kEngineGiveUp)) return false;
    // The question takes the keys a moment after it is on screen.
    std::this_thread::sleep_for(500ms);
    input_.key(keysym, modifier);
    input_.sync();
    return true;
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
