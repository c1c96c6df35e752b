#pragma once

#include <string>
#include <vector>

#include "window/nomination_view.h"

namespace nominator {

// The panes' object names, which the tests and the engine find them by: "Browser" for the
// first, then "Browser2", "Browser3", ... as the form's designer numbered them. Inline, since
// the engine module links nothing of the window.
inline std::string PaneObjectName(int index) {
    return index == 0 ? std::string("Browser") : "Browser" + std::to_string(index + 1);
}

// The four panes a nomination uses: the article editor, the deletion discussion, the day's log
// and the creator's talk page, on tabs "Tab 0" to "Tab 3".
std::vector<PaneLabel> DefaultPaneLabels();

}  // namespace nominator
