#include "window/pane_labels.h"

#include <algorithm>

namespace nominator {

std::vector<PaneLabel> PaneLabelsOf(const NominationPlan& plan) {
    // In a bundle the panes of one kind differ only by their pages, which they name.
    const bool bundle =
        std::any_of(std::begin(kEditKinds), std::end(kEditKinds),
                    [&plan](const EditKindInfo& kind) { return SeveralOfKind(plan, kind.kind); });
    std::vector<PaneLabel> labels;
    for (const PlannedEdit& edit : plan) {
        const std::string name{edit.info().paneName};
        const std::string description{edit.info().paneDescription};
        const std::string page = bundle && !edit.page.empty() ? ": " + edit.page : std::string();
        labels.push_back({edit.caption, name, description + page, page.empty() ? "" : name + page});
    }
    return labels;
}

}  // namespace nominator
