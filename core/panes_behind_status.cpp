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
    std::string text =
        one ? "Tab " + tabs[0] + " still shows an earlier page, kept for its unsaved changes: "
            : "Tabs " + EnglishList(tabs) +
                  " still show earlier pages, kept for their unsaved changes: ";
    text += EnglishList(shortTitles);
    std::string detail = "Still shown: " + EnglishList(titles) +
                         ". Click AFD again (Next Day -> for the log) to open this nomination's "
                         "pages.";
    if (!before.text.empty()) detail += "\n" + before.text;
    if (!before.detail.empty()) detail += " (" + before.detail + ")";
    return {std::move(text), std::move(detail), true};
}

}  // namespace nominator
