#include "window/close_question.h"

#include <cstddef>

#include "core/english_list.h"

namespace nominator {

std::string UnsavedChangesQuestion(const std::vector<int>& tabs,
                                   const std::vector<PaneLabel>& panes) {
    std::vector<std::string> named;
    for (int tab : tabs) {
        std::string one = "tab " + std::to_string(tab);
        // A pane that went while its page was asked has no label left; its number still says
        // which one it was.
        if (tab >= 0 && static_cast<std::size_t>(tab) < panes.size()) {
            one += " (" + panes[static_cast<std::size_t>(tab)].name + ")";
        }
        named.push_back(one);
    }
    std::string question = EnglishList(named);
    if (!question.empty()) question[0] = 'T';
    const bool one = tabs.size() == 1;
    return question + (one ? " has changes" : " have changes") +
           " that are not saved. Close the window and lose " + (one ? "them?" : "all of them?");
}

std::optional<std::string> ClosingQuestion(const std::optional<std::string>& halfDone,
                                           const std::vector<int>& tabs,
                                           const std::vector<PaneLabel>& panes) {
    if (tabs.empty()) {
        if (!halfDone) return std::nullopt;
        return *halfDone + " Close anyway?";
    }
    const std::string unsaved = UnsavedChangesQuestion(tabs, panes);
    return halfDone ? *halfDone + " " + unsaved : unsaved;
}

}  // namespace nominator
