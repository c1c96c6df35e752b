#include "core/bundle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nominator {
namespace {

// Distinct titles, one a line.
std::string Lines(int count) {
    std::string box;
    for (int i = 1; i <= count; ++i) box += "Article " + std::to_string(i) + "\n";
    return box;
}

struct TitlesRow {
    const char* name;
    std::string box;
    std::vector<std::string> names;
    bool tooMany = false;
};

void PrintTo(const TitlesRow& row, std::ostream* out) { *out << row.name; }

// The first article is "Sample page".
const TitlesRow kTitleRows[] = {
    {"AnEmptyBoxIsNoBundle", "", {}},
    {"OnlyBlankLines", "\n  \n\t\n", {}},
    {"OneTitleALineInTheOrderTyped", "Zeta\nalpha\nMiddle one", {"Zeta", "Alpha", "Middle one"}},
    {"UnderTheWikisOwnName", "  some_page \xC3\xA9t\xC3\xA9  ", {"Some page \xC3\xA9t\xC3\xA9"}},
    {"BlankLinesDropped", "\nFirst\n\n\nSecond\n", {"First", "Second"}},
    {"RepeatsDroppedUnderAnySpelling",
     "Other page\nother_page\nOther  page\nOther page",
     {"Other page"}},
    {"TheFirstArticleItselfDropped", "sample_page\nOther page\nSample page", {"Other page"}},
    {"WindowsAndOldMacLineEnds", "One\r\nTwo\rThree\r\n", {"One", "Two", "Three"}},
    {"FiftyAreAllowed", Lines(50),
     [] {
         std::vector<std::string> names;
         for (int i = 1; i <= 50; ++i) names.push_back("Article " + std::to_string(i));
         return names;
     }()},
    {"FiftyOneAreTooMany", Lines(51), {}, true},
    // What is dropped does not count.
    {"RepeatsDoNotCountTowardsTheMost", Lines(50) + "Article 1\nSample page\n\n",
     [] {
         std::vector<std::string> names;
         for (int i = 1; i <= 50; ++i) names.push_back("Article " + std::to_string(i));
         return names;
     }()},
};

class FurtherTitlesTest : public testing::TestWithParam<TitlesRow> {};

TEST_P(FurtherTitlesTest, ReadsTheBoxByItsRules) {
    const TitlesRow& row = GetParam();
    EXPECT_EQ(ReadFurtherTitles(row.box, "Sample page"), (FurtherTitles{row.names, row.tooMany}));
}

INSTANTIATE_TEST_SUITE_P(Rules, FurtherTitlesTest, testing::ValuesIn(kTitleRows),
                         [](const auto& info) { return std::string(info.param.name); });

struct TextRow {
    const char* name;
    std::string text;
    std::string expected;
};

void PrintTo(const TextRow& row, std::ostream* out) { *out << row.name; }

const TextRow kTextRows[] = {
    {"TheTagNamesTheSharedDiscussion", FurtherArticleTag("Sample page"),
     "{{subst:afd1|Sample page}}"},
    {"TheTagOfARenominationsBundle", FurtherArticleTag("Sample page (2nd nomination)"),
     "{{subst:afd1|Sample page (2nd nomination)}}"},
    {"AReasonWithoutFurtherArticlesStaysAsItIs", BundledReason("Not notable.", {}), "Not notable."},
    {"TheListFollowsTheReason", BundledReason("Not notable.", {"Other page", "Third page"}),
     "Not notable.\n\nI am also nominating the following related pages:\n:{{la|Other page}}\n"
     ":{{la|Third page}}"},
    {"TheNoticeNamesTheArticleAndTheDiscussion",
     FurtherArticleNotice("Other page", "Sample page (2nd nomination)"),
     "{{subst:Afd notice|1=Other page|2=Sample page (2nd nomination)}} ~~~~"},
};

class BundleTextsTest : public testing::TestWithParam<TextRow> {};

TEST_P(BundleTextsTest, IsTheWikisMarkup) { EXPECT_EQ(GetParam().text, GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(Texts, BundleTextsTest, testing::ValuesIn(kTextRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace nominator
