#pragma once

#include <string>

namespace nominator {

// An English ordinal in digits, as the wiki numbers renominations: "1st", "2nd", "3rd", "4th",
// "11th", "12th", "13th", "21st", "101st", "111th".
std::string Ordinal(int number);

}  // namespace nominator
