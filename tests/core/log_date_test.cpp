#include "core/log_date.h"

#include <gtest/gtest.h>

#include <time.h>

#include <cctype>
#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>

namespace {

using namespace std::chrono;
using nominator::FormatLogDate;
using nominator::UtcToday;
using nominator::UtcTomorrow;

// Written independently of the code under test so that date mismatches print readably.
std::string Iso(year_month_day date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(date.year()),
                  static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    return text;
}

// Test names allow letters, digits and underscores only.
std::string RowName(std::string text) {
    for (char& c : text) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return text;
}

struct KeyCase {
    const char* name;
    year_month_day date;
    const char* key;
};

void PrintTo(const KeyCase& row, std::ostream* out) { *out << row.name; }

class FormatLogDateTest : public testing::TestWithParam<KeyCase> {};

TEST_P(FormatLogDateTest, WritesYearEnglishMonthAndUnpaddedDay) {
    EXPECT_EQ(FormatLogDate(GetParam().date), GetParam().key);
}

const KeyCase kKeys[] = {
    {"SingleDigitDay", 2026y / March / 7, "2026_March_7"},
    {"TwoDigitDay", 2026y / September / 27, "2026_September_27"},
    {"Day10", 2026y / May / 10, "2026_May_10"},
    {"FirstOfYear", 2026y / January / 1, "2026_January_1"},
    {"LastOfYear", 2025y / December / 31, "2025_December_31"},
    {"LeapDay", 2024y / February / 29, "2024_February_29"},
    {"Year2000", 2000y / October / 2, "2000_October_2"},
};

INSTANTIATE_TEST_SUITE_P(Dates, FormatLogDateTest, testing::ValuesIn(kKeys),
                         [](const auto& info) { return std::string(info.param.name); });

void ExpectEnglishMonthNames() {
    const char* const keys[] = {"2026_January_7", "2026_February_7", "2026_March_7",
                                "2026_April_7",   "2026_May_7",      "2026_June_7",
                                "2026_July_7",    "2026_August_7",   "2026_September_7",
                                "2026_October_7", "2026_November_7", "2026_December_7"};
    for (unsigned m = 1; m <= 12; ++m) {
        EXPECT_EQ(FormatLogDate(2026y / month{m} / 7), keys[m - 1]);
    }
}

TEST(MonthNamesTest, AreEnglishInEveryMonth) { ExpectEnglishMonthNames(); }

struct InstantCase {
    const char* name;
    system_clock::time_point instant;
    const char* today;
    const char* tomorrow;
};

void PrintTo(const InstantCase& row, std::ostream* out) { *out << row.name; }

class UtcDayTest : public testing::TestWithParam<InstantCase> {};

TEST_P(UtcDayTest, TodayIsTheUtcDateAndTomorrowTheNextCalendarDay) {
    EXPECT_EQ(Iso(UtcToday(GetParam().instant)), GetParam().today);
    EXPECT_EQ(Iso(UtcTomorrow(GetParam().instant)), GetParam().tomorrow);
}

constexpr auto kLastSecond = 23h + 59min + 59s;

const InstantCase kInstants[] = {
    {"Midnight", sys_days{2026y / March / 7}, "2026-03-07", "2026-03-08"},
    {"LastSecond", sys_days{2026y / March / 7} + kLastSecond, "2026-03-07", "2026-03-08"},
    {"EndOfJanuary", sys_days{2026y / January / 31} + 12h, "2026-01-31", "2026-02-01"},
    {"EndOfApril", sys_days{2026y / April / 30} + kLastSecond, "2026-04-30", "2026-05-01"},
    {"EndOfYear", sys_days{2025y / December / 31} + kLastSecond, "2025-12-31", "2026-01-01"},
    {"LeapYear2024", sys_days{2024y / February / 28} + 6h, "2024-02-28", "2024-02-29"},
    {"LeapDay2024", sys_days{2024y / February / 29} + kLastSecond, "2024-02-29", "2024-03-01"},
    {"LeapYear2000", sys_days{2000y / February / 28}, "2000-02-28", "2000-02-29"},
    {"CommonYear2023", sys_days{2023y / February / 28} + kLastSecond, "2023-02-28", "2023-03-01"},
    {"CommonCentury1900", sys_days{1900y / February / 28} + 1h, "1900-02-28", "1900-03-01"},
    {"CommonCentury2100", sys_days{2100y / February / 28} + 1h, "2100-02-28", "2100-03-01"},
    {"BeforeTheEpoch", sys_days{1969y / December / 31} + kLastSecond, "1969-12-31", "1970-01-01"},
};

INSTANTIATE_TEST_SUITE_P(Instants, UtcDayTest, testing::ValuesIn(kInstants),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UtcDayKeyTest, EveryInstantOfOneUtcDayGivesTheSameKey) {
    const sys_days day = 2026y / September / 27;
    for (auto offset = 0min; offset < 24h; offset += 37min) {
        SCOPED_TRACE(offset.count());
        EXPECT_EQ(FormatLogDate(UtcToday(day + offset)), "2026_September_27");
        EXPECT_EQ(FormatLogDate(UtcTomorrow(day + offset)), "2026_September_28");
    }
    EXPECT_EQ(FormatLogDate(UtcToday(day + kLastSecond + 999ms)), "2026_September_27");
}

// Sets TZ for one test and puts back whatever was there before.
struct TimeZoneGuard {
    explicit TimeZoneGuard(const char* zone) {
        if (const char* old = std::getenv("TZ")) saved = old;
        setenv("TZ", zone, 1);
        tzset();
    }
    ~TimeZoneGuard() {
        saved ? setenv("TZ", saved->c_str(), 1) : unsetenv("TZ");
        tzset();
    }
    std::optional<std::string> saved;
};

int LocalDayOfMonth(system_clock::time_point instant) {
    const time_t seconds = system_clock::to_time_t(instant);
    tm local{};
    localtime_r(&seconds, &local);
    return local.tm_mday;
}

class LocalTimeZoneTest : public testing::TestWithParam<const char*> {};

TEST_P(LocalTimeZoneTest, PlaysNoPartInTheUtcDay) {
    const TimeZoneGuard zone(GetParam());
    const auto lastSecond = sys_days{2026y / March / 7} + kLastSecond;
    const auto nextMidnight = sys_days{2026y / March / 8};
    // Only meaningful when the zone really moves the local calendar date off the UTC one.
    if (LocalDayOfMonth(lastSecond) == 7 && LocalDayOfMonth(nextMidnight) == 8) {
        GTEST_SKIP() << "time zone " << GetParam() << " is not installed";
    }
    EXPECT_EQ(Iso(UtcToday(lastSecond)), "2026-03-07");
    EXPECT_EQ(Iso(UtcTomorrow(lastSecond)), "2026-03-08");
    EXPECT_EQ(Iso(UtcToday(nextMidnight)), "2026-03-08");
    EXPECT_EQ(Iso(UtcTomorrow(nextMidnight)), "2026-03-09");
}

INSTANTIATE_TEST_SUITE_P(Zones, LocalTimeZoneTest,
                         testing::Values("America/Los_Angeles", "Pacific/Kiritimati"),
                         [](const auto& info) { return RowName(info.param); });

// Locale changes are process-wide, so each case restores the one it found.
class ProcessLocaleTest : public testing::TestWithParam<const char*> {};

TEST_P(ProcessLocaleTest, MonthNamesStayEnglish) {
    const std::string savedC = std::setlocale(LC_ALL, nullptr);
    const std::locale savedCpp;
    try {
        std::locale::global(std::locale(GetParam()));
    } catch (const std::runtime_error&) {
        GTEST_SKIP() << "locale " << GetParam() << " is not installed";
    }
    ExpectEnglishMonthNames();
    std::locale::global(savedCpp);
    std::setlocale(LC_ALL, savedC.c_str());
}

INSTANTIATE_TEST_SUITE_P(Locales, ProcessLocaleTest,
                         testing::Values("de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8", "C.UTF-8"),
                         [](const auto& info) { return RowName(info.param); });

}  // namespace
