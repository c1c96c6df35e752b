#include "window/pane_labels.h"

namespace nominator {

std::vector<PaneLabel> DefaultPaneLabels() {
    return {
        {"Tab 0", "Article editor", "The article in the wiki's editor"},
        {"Tab 1", "Deletion discussion", "The article's deletion discussion page"},
        {"Tab 2", "Day's log editor", "The day's deletion log in the wiki's editor"},
        {"Tab 3", "Creator's talk page", "The article creator's talk page in the wiki's editor"},
    };
}

}  // namespace nominator
