#include "core/panes_behind_status.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "core/english_list.h"

namespace nominator {
namespace {

struct BehindCase {
    const char* name;
    std::vector<PaneBehind> behind;
    StatusLine before;
    std::string text;
    std::string detail;
};

void PrintTo(const BehindCase& row, std::ostream* out) { *out << row.name; }

class PanesBehindStatusTest : public testing::TestWithParam<BehindCase> {};

TEST_P(PanesBehindStatusTest, NamesEachTabAndItsPageAndKeepsWhatTheLineSaid) {
    const StatusLine status = PanesBehindStatus(GetParam().behind, GetParam().before);
    EXPECT_EQ(status.text, GetParam().text);
    EXPECT_EQ(status.detail, GetParam().detail);
    EXPECT_TRUE(status.warning);
}

const std::string kAdvice =
    ". Click AFD again (Next Day -> for the log) to open this nomination's pages.";
// 45 characters, of which the line keeps 40; "é" and "ö" take two bytes each.
const std::string kLongTitle = "Editing Société Anonyme des Öleries du Nord 12";

const BehindCase kCases[] = {
    {"OneTab",
     {{0, "Editing AT&T"}},
     {"First nomination", "", false},
     "Tab 0 still shows an earlier page, kept for its unsaved changes: \"Editing AT&T\"",
     "Still shown: tab 0: \"Editing AT&T\"" + kAdvice + "\nFirst nomination"},
    {"TheCheckFailedWithAReason",
     {{2, "Editing Log"}},
     {"Could not check for earlier nominations", "HTTP status 500", false},
     "Tab 2 still shows an earlier page, kept for its unsaved changes: \"Editing Log\"",
     "Still shown: tab 2: \"Editing Log\"" + kAdvice +
         "\nCould not check for earlier nominations (HTTP status 500)"},
    {"NothingSaidBefore",
     {{1, ""}},
     {},
     "Tab 1 still shows an earlier page, kept for its unsaved changes: \"an untitled page\"",
     "Still shown: tab 1: \"an untitled page\"" + kAdvice},
    {"ALongTitleIsShortenedBetweenCharacters",
     {{0, kLongTitle}},
     {},
     "Tab 0 still shows an earlier page, kept for its unsaved changes: \"Editing Société Anonyme "
     "des Öleries du N\u2026\"",
     "Still shown: tab 0: \"" + kLongTitle + "\"" + kAdvice},
    {"ThreeTabs",
     {{0, "A"}, {1, "B"}, {2, "Editing the log of a long day"}},
     {},
     "Tabs 0, 1 and 2 still show earlier pages, kept for their unsaved changes: \"A\", \"B\" and "
     "\"Editing the log of\u2026\"",
     "Still shown: tab 0: \"A\", tab 1: \"B\" and tab 2: \"Editing the log of a long day\"" +
         kAdvice},
};

INSTANTIATE_TEST_SUITE_P(Cases, PanesBehindStatusTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EnglishListTest, JoinsWithCommasAndAnAnd) {
    EXPECT_EQ(EnglishList({}), "");
    EXPECT_EQ(EnglishList({"A"}), "A");
    EXPECT_EQ(EnglishList({"A", "B"}), "A and B");
    EXPECT_EQ(EnglishList({"A", "B", "C"}), "A, B and C");
}

}  // namespace
}  // namespace nominator
