#pragma once

#include <optional>
#include <string>
#include <vector>

#include "window/nomination_view.h"
#include "window/pane_labels.h"

namespace nominator {

// What closing the window asks when pages hold changes that are not saved: one question that
// names every such tab, as a browser asks when it closes several tabs, by the names in `panes`
// (the panes' labels, in tab order; by default those of the four panes a nomination uses).
// `tabs` in tab order.
std::string UnsavedChangesQuestion(const std::vector<int>& tabs,
                                   const std::vector<PaneLabel>& panes = DefaultPaneLabels());

// The one question before closing, about a nomination saved in part (`halfDone` says what is
// missing) and the tabs with unsaved changes; nothing when there is neither.
std::optional<std::string> ClosingQuestion(const std::optional<std::string>& halfDone,
                                           const std::vector<int>& tabs,
                                           const std::vector<PaneLabel>& panes);

}  // namespace nominator
