#include "core/log_date.h"

#include <array>
#include <string_view>

namespace nominator {
namespace {

// Spelled out rather than taken from a locale: the log pages carry English names only.
constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

}  // namespace

std::string FormatLogDate(std::chrono::year_month_day date) {
    const int year = static_cast<int>(date.year());
    const unsigned month = static_cast<unsigned>(date.month());
    const unsigned day = static_cast<unsigned>(date.day());
    std::string key = std::to_string(year);
    key += '_';
    key += kMonthNames.at(month - 1);
    key += '_';
    key += std::to_string(day);
    return key;
}

std::chrono::year_month_day UtcToday(std::chrono::system_clock::time_point now) {
    return std::chrono::year_month_day{std::chrono::floor<std::chrono::days>(now)};
}

std::chrono::year_month_day UtcTomorrow(std::chrono::system_clock::time_point now) {
    return std::chrono::year_month_day{std::chrono::sys_days{UtcToday(now)} + std::chrono::days{1}};
}

}  // namespace nominator
