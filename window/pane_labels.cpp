#include "window/pane_labels.h"

namespace nominator {

std::vector<PaneLabel> PaneLabelsOf(const NominationPlan& plan) {
    std::vector<PaneLabel> labels;
    for (const PlannedEdit& edit : plan) {
        labels.push_back({edit.caption, std::string(edit.info().paneName),
                          std::string(edit.info().paneDescription)});
    }
    return labels;
}

}  // namespace nominator
