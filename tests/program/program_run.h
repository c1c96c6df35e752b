// The real program started as a user starts it, on a profile folder of the test's choosing,
// with its browser engine pointed at the loopback stand-in for the wiki or the local wiki.
#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/form1_points.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/stub_wiki_server.h"
#include "tests/support/x_input.h"
#include "tests/support/x_map_watcher.h"

namespace nominator {

// Waiting for the engine: it starts slowly under the sanitizers.
inline constexpr std::chrono::seconds kEngineGiveUp{60};
// A clean end takes well under a second; this only keeps a hung program from hanging a test.
inline constexpr std::chrono::seconds kEndsWithin{15};

// The requests of the three panes among the stand-in's requests from index `first` on: what a
// nomination opens, not what its pages then ask for.
std::vector<support::ArrivedRequest> PaneRequests(
    const std::vector<support::ArrivedRequest>& requests, std::size_t first = 0);

// Waits until the three panes have loaded their pages, counting from request `first` on.
bool WaitForThreePanes(const support::StubWikiServer& wiki, std::size_t first = 0);

using support::ScratchFolder;

// A window's rectangle on the screen, and a size, in the X server's pixels.
struct ScreenRect {
    int x;
    int y;
    int width;
    int height;

    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};
void PrintTo(const ScreenRect& rect, std::ostream* out);
struct ScreenSize {
    int width;
    int height;

    friend bool operator==(const ScreenSize&, const ScreenSize&) = default;
};
void PrintTo(const ScreenSize& size, std::ostream* out);

// Runs the program as on a busy desktop whose programs have taken every inotify instance
// there is: it starts in a user namespace of its own whose limit of inotify instances is 0, so
// that nothing else on the machine loses one meanwhile.
std::vector<std::string> WithoutInotify();

class ProgramRun {
public:
    // The program keeps its profile, cache and settings in `profile` (created if need be) and
    // writes what it prints, stdout and stderr together, to `log`. With a launcher, the program
    // runs under it; the launcher execs it in its own process.
    ProgramRun(const std::filesystem::path& profile, const support::Environment& environment,
               const std::filesystem::path& log, const std::vector<std::string>& launcher = {});

    support::ChildProcess& process() { return process_; }
    // Form1 on screen, once it is, waiting for it until the deadline.
    std::optional<xcb_window_t> waitForWindow();
    // Form1 as it is on screen now: the window is re-created once when the panes join.
    std::optional<xcb_window_t> window() const { return watcher_.onScreen(); }
    // Clicks the named control of Form1 with real X input, as a user's hand would.
    void click(std::string_view control);
    // Clicks that point of Form1's client area.
    void clickAt(support::PixelPoint point);
    void clickAfd() { click("Command1"); }
    // Keys and typing, which go where the keyboard focus is.
    support::XInput& input() { return input_; }
    // Clicks into the middle of the shown pane's page with real X input until the panes' window
    // has the keyboard focus and `pageHasTheKeys` (waiting until the deadline) says the page
    // has them too; false when three clicks did not do it.
    bool clickIntoPane(const std::function<bool(support::TimePoint deadline)>& pageHasTheKeys);
    // Does what makes the program ask (`ask`), waits for its question, a window with this
    // title, and answers it with the key; false when no question showed.
    bool answerQuestion(const std::function<void()>& ask, const std::string& title,
                        std::uint32_t keysym,
                        support::XInput::Modifier modifier = support::XInput::Modifier::None);
    // Form1's rectangle on the screen, and the smallest size it asks the window manager for;
    // nothing while it is not on screen.
    std::optional<ScreenRect> geometry() const;
    std::optional<ScreenSize> minimumSize() const;
    // Moves and resizes Form1 as a window manager does when the user drags it. After a
    // nomination has shown the panes, waits until their window has grown with it: the program
    // has then taken in the new size. False if it never did.
    bool place(const ScreenRect& rect);
    // Waits until Form1 has left the screen or the program has ended.
    bool waitUntilWindowGone();
    // Everything the program has printed so far.
    std::string output() const;
    // The inotify instances the program and its helper processes hold open now.
    int inotifyInstances();

private:
    std::filesystem::path log_;
    support::XMapWatcher watcher_;
    support::XInput input_;
    support::ChildProcess process_;
};

}  // namespace nominator
