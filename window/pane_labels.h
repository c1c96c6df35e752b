#pragma once

#include <vector>

#include "core/nomination_plan.h"
#include "window/nomination_view.h"

namespace nominator {

// The tabs and panes of the plan: one an edit, in its order.
std::vector<PaneLabel> PaneLabelsOf(const NominationPlan& plan);

}  // namespace nominator
