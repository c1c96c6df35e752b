#pragma once

#include <chrono>
#include <string>

namespace nominator {

// The key that ends the title of a day's deletion log page, such as "2026_March_7".
// Month names are always English and the day has no leading zero, as the wiki titles its logs.
std::string FormatLogDate(std::chrono::year_month_day date);

// The wiki rolls its daily logs over at midnight UTC, whatever the editor's time zone.
std::chrono::year_month_day UtcToday(std::chrono::system_clock::time_point now);
std::chrono::year_month_day UtcTomorrow(std::chrono::system_clock::time_point now);

}  // namespace nominator
