// Which pane's engine asked for what, told apart by address, and how long after a click each
// of the three panes' requests reached the stand-in wiki.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "bench/shared_helpers.h"
#include "tests/support/clock.h"
#include "tests/support/stub_wiki_server.h"

namespace bench {

// In the order a click on Command1 navigates them.
inline constexpr std::array<std::string_view, 3> kPaneNames = {"Browser", "Browser3", "Browser2"};

// The pane (index into kPaneNames) whose address the request target is, if any.
std::optional<std::size_t> PaneOf(std::string_view target);

struct PaneTimes {
    // From the click's release to each pane's request arriving, in milliseconds.
    std::array<double, 3> millis{};
    // From the click to the engine opening the connection that carried each request: the
    // rest up to `millis` is the TLS handshake and the request's own sending.
    std::array<double, 3> connectMillis{};
    // The last of the three answers, after which the pages can finish loading.
    TimePoint lastAnswered;

    double allThree() const;
};

// The target of the first request from the article's pane (Browser) that arrived after the
// click, waiting for it until the deadline.
std::optional<std::string> WaitForArticleRequest(const StubWikiServer& server, TimePoint click,
                                                 TimePoint deadline);

// Waits for one request from each pane that arrived after the click.
std::optional<PaneTimes> WaitForPaneRequests(const StubWikiServer& server, TimePoint click,
                                             TimePoint deadline);

}  // namespace bench
