// See pane_requests.h. The addresses are those the tool builds for the default title.
#include "bench/pane_requests.h"

#include <algorithm>

namespace bench {

std::optional<std::size_t> PaneOf(std::string_view target) {
    constexpr std::string_view kEdit = "/w/index.php?title=";
    constexpr std::string_view kLog = "Wikipedia:Articles_for_deletion/Log/";
    constexpr std::string_view kDiscussion = "/wiki/Wikipedia:Articles_for_deletion/";
    if (target.starts_with(kEdit)) {
        return target.substr(kEdit.size()).starts_with(kLog) ? 1 : 0;
    }
    if (target.starts_with(kDiscussion)) return 2;
    return std::nullopt;
}

double PaneTimes::allThree() const { return *std::max_element(millis.begin(), millis.end()); }

std::optional<std::string> WaitForArticleRequest(const StubWikiServer& server, TimePoint click,
                                                 TimePoint deadline) {
    std::optional<std::string> target;
    server.waitFor(
        [&](const std::vector<ArrivedRequest>& requests) {
            for (const ArrivedRequest& request : requests) {
                if (request.arrived >= click && PaneOf(request.target) == 0) {
                    target = request.target;
                    return true;
                }
            }
            return false;
        },
        deadline);
    return target;
}

std::optional<PaneTimes> WaitForPaneRequests(const StubWikiServer& server, TimePoint click,
                                             TimePoint deadline) {
    std::optional<PaneTimes> times;
    server.waitFor(
        [&](const std::vector<ArrivedRequest>& requests) {
            std::array<const ArrivedRequest*, 3> first{};
            for (const ArrivedRequest& request : requests) {
                const std::optional<std::size_t> pane = PaneOf(request.target);
                if (!pane || request.arrived < click) continue;
                const ArrivedRequest*& slot = first.at(*pane);
                if (slot == nullptr || request.arrived < slot->arrived) slot = &request;
            }
            if (std::find(first.begin(), first.end(), nullptr) != first.end()) return false;
            PaneTimes found;
            found.lastAnswered = click;
            for (std::size_t pane = 0; pane < first.size(); ++pane) {
                found.millis.at(pane) = MillisBetween(click, first.at(pane)->arrived);
                found.connectMillis.at(pane) = MillisBetween(click, first.at(pane)->connected);
                found.lastAnswered = std::max(found.lastAnswered, first.at(pane)->answered);
            }
            times = found;
            return true;
        },
        deadline);
    return times;
}

}  // namespace bench
