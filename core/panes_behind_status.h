#pragma once

#include <vector>

#include "core/status_catalogue.h"

namespace nominator {

// While panes are behind, the status line warns which tab still shows which earlier page, so
// that nobody saves there believing it is the nomination's; what the line said before becomes
// its tool tip. Long page titles are shortened in the line and whole in the tool tip. `behind`
// is in tab order and not empty.
StatusLine PanesBehindStatus(const std::vector<PaneBehind>& behind, const StatusLine& before);

}  // namespace nominator
