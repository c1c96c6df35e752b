#include "core/panes_behind_status.h"

#include <cstddef>

#include "core/english_list.h"
#include "core/text_scan.h"

namespace nominator {
namespace {

// Keeps the status line to a few lines however long the titles are.
constexpr std::size_t kTitleCharacters = 40;
constexpr std::size_t kTitleCharactersOfMany = 18;

}  // namespace

StatusLine PanesBehindStatus(const std::vector<PaneBehind>& behind, const StatusLine& before) {
    const bool one = behind.size() == 1;
    std::vector<std::string> tabs;
    std::vector<std::string> shortTitles;
    std::vector<std::string> titles;
    for (const PaneBehind& pane : behind) {
        tabs.push_back(std::to_string(pane.tab));
        const std::string shown = pane.page.empty() ? "an untitled page" : pane.page;
        shortTitles.push_back(
            "\"" + Shortened(shown, one ? kTitleCharacters : kTitleCharactersOfMany) + "\"");
        titles.push_back("tab " + std::to_string(pane.tab) + ": \"" + shown + "\"");
    }
    const std::string pages = EnglishList(shortTitles);
    StatusLine status =
        one ? Status(StatusId::PaneBehind, {}, {{"tabs", tabs[0]}, {"pages", pages}})
            : Status(StatusId::PanesBehind, {}, {{"tabs", EnglishList(tabs)}, {"pages", pages}});
    std::string detail(kPanesBehindDetail);
    detail.replace(detail.find("{pages}"), 7, EnglishList(titles));
    if (!before.text.empty()) detail += "\n" + before.text;
    if (!before.detail.empty()) detail += " (" + before.detail + ")";
    status.detail = std::move(detail);
    return status;
}

}  // namespace nominator
