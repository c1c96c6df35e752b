#pragma once

#include <string>
#include <vector>

#include "core/nomination_status.h"

namespace nominator {

// A pane that still shows an earlier page, which the user kept for its unsaved changes
// instead of leaving it for the nomination's page.
struct PaneBehind {
    int tab;
    // The page's title (UTF-8), as the browser names it.
    std::string page;
};

// While panes are behind, the status line warns which tab still shows which earlier page, so
// that nobody saves there believing it is the nomination's; what the line said before becomes
// its tool tip. Long page titles are shortened in the line and whole in the tool tip. `behind`
// is in tab order and not empty.
StatusLine PanesBehindStatus(const std::vector<PaneBehind>& behind, const StatusLine& before);

}  // namespace nominator
