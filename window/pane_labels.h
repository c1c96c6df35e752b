#pragma once

#include <string>
#include <vector>

#include "core/nomination_plan.h"
#include "window/nomination_view.h"

namespace nominator {

// The panes' object names, which the tests and the engine find them by: "Browser" for the
// first, then "Browser2", "Browser3", ... as the form's designer numbered them. Inline, since
// the engine module links nothing of the window.
inline std::string PaneObjectName(int index) {
    return index == 0 ? std::string("Browser") : "Browser" + std::to_string(index + 1);
}

// The tabs and panes of the plan: one an edit, in its order. In a bundle, each pane's tool tip
// and description name its page.
std::vector<PaneLabel> PaneLabelsOf(const NominationPlan& plan);

}  // namespace nominator
