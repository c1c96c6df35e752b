#include "tests/program/program_run.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <thread>

#include "tests/support/process_tree.h"
#include "tests/support/profile_folders.h"
#include "tests/support/x_reply.h"
#include "window/form1_layout.h"

namespace nominator {
namespace {

using namespace std::chrono_literals;
using support::Reply;

using Connection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;

Connection Connect() { return {support::Connect(), &xcb_disconnect}; }

std::optional<ScreenRect> GeometryOf(xcb_connection_t* connection, xcb_window_t window) {
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr));
    if (!geometry) return std::nullopt;
    return ScreenRect{geometry->x, geometry->y, geometry->width, geometry->height};
}

std::vector<xcb_window_t> ChildrenOf(xcb_connection_t* connection, xcb_window_t window) {
    const Reply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr));
    if (!tree) return {};
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    return {children, children + xcb_query_tree_children_length(tree.get())};
}

int PaneWidthIn(int windowWidth) { return GrownPaneRect({windowWidth, kDesignSize.height}).width; }

std::vector<std::string> Launched(std::vector<std::string> launcher) {
    launcher.emplace_back(AFD_NOMINATOR);
    return launcher;
}

// WM_NORMAL_HINTS: 18 numbers, the flags first and the minimum size at 5 and 6.
constexpr std::uint32_t kMinimumSizeFlag = 1U << 4;
constexpr int kNormalHintsLength = 18;

}  // namespace

void PrintTo(const ScreenRect& rect, std::ostream* out) {
    *out << rect.x << "," << rect.y << " " << rect.width << "x" << rect.height;
}

void PrintTo(const ScreenSize& size, std::ostream* out) {
    *out << size.width << "x" << size.height;
}

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

std::vector<std::string> WithoutInotify() {
    return {"/usr/bin/unshare",
            "--user",
            "--map-root-user",
            "--",
            "/bin/sh",
            "-c",
            "echo 0 >/proc/sys/user/max_inotify_instances && exec \"$0\""};
}

ProgramRun::ProgramRun(const std::filesystem::path& profile,
                       const support::Environment& environment, const std::filesystem::path& log,
                       const std::vector<std::string>& launcher)
    : log_(log),
      watcher_(std::string(kFormCaption)),
      process_(Launched(launcher), support::WithOwnProfile(environment, profile), log) {
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

bool ProgramRun::clickIntoPane(
    const std::function<bool(support::TimePoint deadline)>& pageHasTheKeys) {
    // Under Xvfb no window manager activates the window, and a click into the panes' window of
    // an inactive window leaves the keys where they were; a click on a box activates it. Even
    // so a click into the panes now and then leaves them there; a second click, as a user's
    // would, gives them to the page.
    click("Text1");
    std::this_thread::sleep_for(500ms);
    // The panes fill Tabby below its tab strip.
    const support::PixelPoint tabby = support::CentreOf("Tabby");
    for (int attempt = 0; attempt < 3; ++attempt) {
        clickAt({tabby.x, tabby.y + 16});
        const support::TimePoint deadline = support::Clock::now() + 5s;
        while (input_.focusWindow() == window() && support::Clock::now() < deadline) {
            std::this_thread::sleep_for(10ms);
        }
        if (input_.focusWindow() != window() && pageHasTheKeys(deadline)) return true;
    }
    return false;
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

std::optional<ScreenRect> ProgramRun::geometry() const {
    const std::optional<xcb_window_t> form1 = window();
    if (!form1) return std::nullopt;
    return GeometryOf(Connect().get(), *form1);
}

std::optional<ScreenSize> ProgramRun::minimumSize() const {
    const std::optional<xcb_window_t> form1 = window();
    if (!form1) return std::nullopt;
    const Connection connection = Connect();
    const Reply<xcb_get_property_reply_t> hints(xcb_get_property_reply(
        connection.get(),
        xcb_get_property(connection.get(), 0, *form1, XCB_ATOM_WM_NORMAL_HINTS,
                         XCB_ATOM_WM_SIZE_HINTS, 0, kNormalHintsLength),
        nullptr));
    if (!hints || hints->format != 32 ||
        xcb_get_property_value_length(hints.get()) < static_cast<int>(kNormalHintsLength * 4)) {
        return std::nullopt;
    }
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(hints.get()));
    if ((values[0] & kMinimumSizeFlag) == 0) return std::nullopt;
    return ScreenSize{static_cast<int>(values[5]), static_cast<int>(values[6])};
}

bool ProgramRun::place(const ScreenRect& rect) {
    const std::optional<xcb_window_t> form1 = window();
    if (!form1) return false;
    const Connection connection = Connect();
    const std::uint32_t values[] = {
        static_cast<std::uint32_t>(rect.x), static_cast<std::uint32_t>(rect.y),
        static_cast<std::uint32_t>(rect.width), static_cast<std::uint32_t>(rect.height)};
    xcb_configure_window(connection.get(), *form1,
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                             XCB_CONFIG_WINDOW_HEIGHT,
                         values);
    const int paneWidth = PaneWidthIn(rect.width);
    const support::TimePoint deadline = support::Clock::now() + kEngineGiveUp;
    while (support::Clock::now() < deadline) {
        for (const xcb_window_t child : ChildrenOf(connection.get(), *form1)) {
            const std::optional<ScreenRect> geometry = GeometryOf(connection.get(), child);
            if (geometry && geometry->width == paneWidth) return true;
        }
        std::this_thread::sleep_for(5ms);
    }
    return false;
}

bool ProgramRun::waitUntilWindowGone() {
    const support::TimePoint deadline = support::Clock::now() + kEngineGiveUp;
    while (window() && process_.running()) {
        if (support::Clock::now() >= deadline) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

int ProgramRun::inotifyInstances() {
    int count = support::InotifyInstances(process_.pid());
    for (const pid_t helper : support::Descendants(process_.pid())) {
        count += support::InotifyInstances(helper);
    }
    return count;
}

std::string ProgramRun::output() const {
    std::ifstream in(log_);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace nominator
