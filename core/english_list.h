#pragma once

#include <string>
#include <vector>

namespace nominator {

// The items as an English list: "A", "A and B", "A, B and C"; empty for none.
std::string EnglishList(const std::vector<std::string>& items);

}  // namespace nominator
