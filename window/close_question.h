#pragma once

#include <optional>
#include <string>
#include <vector>

#include "window/nomination_view.h"

namespace nominator {

// What closing the window asks when pages hold changes that are not saved: one question that
// names every such tab, as a browser asks when it closes several tabs. `tabs` in tab order;
// `panes` names what each tab holds.
std::string UnsavedChangesQuestion(const std::vector<int>& tabs,
                                   const std::vector<PaneLabel>& panes);

// The one question before closing, about a nomination saved in part (`halfDone` says what is
// missing) and the tabs with unsaved changes; nothing when there is neither.
std::optional<std::string> ClosingQuestion(const std::optional<std::string>& halfDone,
                                           const std::vector<int>& tabs,
                                           const std::vector<PaneLabel>& panes);

}  // namespace nominator
