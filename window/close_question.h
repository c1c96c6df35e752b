#pragma once

#include <string>
#include <vector>

namespace nominator {

// What closing the window asks when pages hold changes that are not saved: one question that
// names every such tab, as a browser asks when it closes several tabs. `tabs` in tab order.
std::string UnsavedChangesQuestion(const std::vector<int>& tabs);

}  // namespace nominator
