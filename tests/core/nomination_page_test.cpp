#include "core/nomination_page.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using nominator::EarlierNominationCount;
using nominator::HighestEarlierNomination;
using nominator::NominationPage;
using nominator::RenominationTag;

const std::string kStem = "Wikipedia:Articles for deletion/";

struct CountCase {
    const char* name;
    std::string pageTitle;
    std::string_view article;
    std::optional<int> count;
};

void PrintTo(const CountCase& row, std::ostream* out) { *out << row.name; }

class EarlierNominationCountTest : public testing::TestWithParam<CountCase> {};

TEST_P(EarlierNominationCountTest, CountsOnlyTheArticlesOwnDiscussionPages) {
    EXPECT_EQ(EarlierNominationCount(GetParam().pageTitle, GetParam().article), GetParam().count);
}

const CountCase kCounted[] = {
    {"PageOfTheNameIsTheFirst", kStem + "Sample", "Sample", 1},
    {"Second", kStem + "Sample (2nd nomination)", "Sample", 2},
    {"Third", kStem + "Sample (3rd nomination)", "Sample", 3},
    {"Fourth", kStem + "Sample (4th nomination)", "Sample", 4},
    {"Eleventh", kStem + "Sample (11th nomination)", "Sample", 11},
    {"TwentyFirst", kStem + "Sample (21st nomination)", "Sample", 21},
    {"HundredTwelfth", kStem + "Sample (112th nomination)", "Sample", 112},
    {"NumberedFirst", kStem + "Sample (1st nomination)", "Sample", 1},
    {"NameWithSpaces", kStem + "Sample page (2nd nomination)", "Sample page", 2},
    {"NameWithParentheses", kStem + "Foo (band) (2nd nomination)", "Foo (band)", 2},
    {"NameWithParenthesesFirst", kStem + "Foo (band)", "Foo (band)", 1},
    {"NameWithSlash", kStem + "AC/DC", "AC/DC", 1},
    {"NameWithSlashSecond", kStem + "AC/DC (2nd nomination)", "AC/DC", 2},
    {"NameThatLooksNumbered", kStem + "Foo (2nd nomination)", "Foo (2nd nomination)", 1},
    {"NameThatLooksNumberedSecond", kStem + "Foo (2nd nomination) (2nd nomination)",
     "Foo (2nd nomination)", 2},
    {"LargestWithASuccessor", kStem + "Sample (2147483646th nomination)", "Sample", 2147483646},
};

const CountCase kLookAlikes[] = {
    {"LongerName", kStem + "Sample and more", "Sample", std::nullopt},
    {"NumberedName", kStem + "Sample 2", "Sample", std::nullopt},
    {"LongerNameNumbered", kStem + "Sample and more (2nd nomination)", "Sample", std::nullopt},
    {"Qualified", kStem + "Foo (band)", "Foo", std::nullopt},
    {"QualifiedNumbered", kStem + "Foo (band) (2nd nomination)", "Foo", std::nullopt},
    {"SubpageName", kStem + "AC/DC", "AC", std::nullopt},
    {"SubpageOfTheDiscussion", kStem + "Sample/Archive", "Sample", std::nullopt},
    {"SubpageOfARenomination", kStem + "Sample (2nd nomination)/Archive", "Sample", std::nullopt},
    {"NumberedTwice", kStem + "Foo (2nd nomination) (2nd nomination)", "Foo", std::nullopt},
    {"OtherCase", kStem + "sample", "Sample", std::nullopt},
    {"ShorterName", kStem + "Sampl", "Sample", std::nullopt},
    {"OtherNamespace", "Wikipedia talk:Articles for deletion/Sample", "Sample", std::nullopt},
    {"NoNamespace", "Articles for deletion/Sample", "Sample", std::nullopt},
    {"Underscores", "Wikipedia:Articles_for_deletion/Sample", "Sample", std::nullopt},
    {"OtherStem", "Wikipedia:Miscellany for deletion/Sample", "Sample", std::nullopt},
    {"Empty", "", "Sample", std::nullopt},
};

const CountCase kOddCounts[] = {
    {"TwoSpacesBefore", kStem + "Sample  (2nd nomination)", "Sample", std::nullopt},
    {"NoSpaceBefore", kStem + "Sample(2nd nomination)", "Sample", std::nullopt},
    {"SpaceInside", kStem + "Sample ( 2nd nomination)", "Sample", std::nullopt},
    {"TwoSpacesInside", kStem + "Sample (2nd  nomination)", "Sample", std::nullopt},
    {"SpaceAfter", kStem + "Sample (2nd nomination) ", "Sample", std::nullopt},
    {"SpaceBeforeClosing", kStem + "Sample (2nd nomination )", "Sample", std::nullopt},
    {"Capitalised", kStem + "Sample (2nd Nomination)", "Sample", std::nullopt},
    {"Plural", kStem + "Sample (2nd nominations)", "Sample", std::nullopt},
    {"SpelledOut", kStem + "Sample (second nomination)", "Sample", std::nullopt},
    {"WrongSuffix", kStem + "Sample (2th nomination)", "Sample", std::nullopt},
    {"WrongSuffixForTeen", kStem + "Sample (12nd nomination)", "Sample", std::nullopt},
    {"NoSuffix", kStem + "Sample (2 nomination)", "Sample", std::nullopt},
    {"NoNumber", kStem + "Sample (nd nomination)", "Sample", std::nullopt},
    {"NothingInside", kStem + "Sample ( nomination)", "Sample", std::nullopt},
    {"OnlyTheWord", kStem + "Sample (nomination)", "Sample", std::nullopt},
    {"LeadingZero", kStem + "Sample (02nd nomination)", "Sample", std::nullopt},
    {"Zeroth", kStem + "Sample (0th nomination)", "Sample", std::nullopt},
    {"Negative", kStem + "Sample (-2nd nomination)", "Sample", std::nullopt},
    {"Plus", kStem + "Sample (+2nd nomination)", "Sample", std::nullopt},
    {"NonAsciiDigit", kStem + "Sample (\u0662nd nomination)", "Sample", std::nullopt},
    {"Unclosed", kStem + "Sample (2nd nomination", "Sample", std::nullopt},
    {"LargestInt", kStem + "Sample (2147483647th nomination)", "Sample", std::nullopt},
    {"BeyondInt", kStem + "Sample (2147483648th nomination)", "Sample", std::nullopt},
    {"Huge", kStem + "Sample (99999999999999999999999999th nomination)", "Sample", std::nullopt},
};

const auto kRowName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Counted, EarlierNominationCountTest, testing::ValuesIn(kCounted),
                         kRowName);
INSTANTIATE_TEST_SUITE_P(LookAlikes, EarlierNominationCountTest, testing::ValuesIn(kLookAlikes),
                         kRowName);
INSTANTIATE_TEST_SUITE_P(OddCounts, EarlierNominationCountTest, testing::ValuesIn(kOddCounts),
                         kRowName);

struct HighestCase {
    const char* name;
    std::vector<std::string> pageTitles;
    int highest;
};

TEST(HighestEarlierNominationTest, IsTheLargestCountAmongTheArticlesOwnPages) {
    const HighestCase cases[] = {
        {"NoPages", {}, 0},
        {"OnlyLookAlikes", {kStem + "Sample and more", kStem + "Sample 2"}, 0},
        {"OnlyTheFirst", {kStem + "Sample"}, 1},
        {"Three",
         {kStem + "Sample", kStem + "Sample (2nd nomination)", kStem + "Sample (3rd nomination)"},
         3},
        {"OutOfOrder", {kStem + "Sample (11th nomination)", kStem + "Sample (9th nomination)"}, 11},
        {"Gap", {kStem + "Sample (4th nomination)"}, 4},
        {"LookAlikesIgnored",
         {kStem + "Sample", kStem + "Sample and more (5th nomination)",
          kStem + "Sample (3rd  nomination)"},
         1},
        {"HugeIgnored",
         {kStem + "Sample (2nd nomination)", kStem + "Sample (2147483647th nomination)",
          kStem + "Sample (99999999999999999999th nomination)"},
         2},
    };
    for (const HighestCase& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(HighestEarlierNomination(row.pageTitles, "Sample"), row.highest);
    }
}

struct PageCase {
    std::string_view article;
    int nomination;
    const char* page;
};

TEST(NominationPageTest, IsTheNameForTheFirstAndNumberedAfter) {
    const PageCase cases[] = {
        {"Sample", 1, "Sample"},
        {"Sample page", 2, "Sample page (2nd nomination)"},
        {"Sample", 3, "Sample (3rd nomination)"},
        {"Sample", 11, "Sample (11th nomination)"},
        {"Sample", 22, "Sample (22nd nomination)"},
        {"Foo (band)", 2, "Foo (band) (2nd nomination)"},
        {"AC/DC", 5, "AC/DC (5th nomination)"},
        {"", 1, ""},
    };
    for (const PageCase& row : cases) {
        SCOPED_TRACE(row.page);
        EXPECT_EQ(NominationPage(row.article, row.nomination), row.page);
    }
}

// The page made for a nomination is recognised as that nomination when the next one comes.
TEST(NominationPageTest, IsCountedAsItsNominationLater) {
    for (const std::string_view article :
         {"Sample", "Foo (band)", "AC/DC", "Foo (2nd nomination)"}) {
        for (int nomination = 1; nomination <= 250; ++nomination) {
            SCOPED_TRACE(testing::Message() << article << " #" << nomination);
            EXPECT_EQ(EarlierNominationCount(kStem + NominationPage(article, nomination), article),
                      nomination);
        }
    }
}

struct TagCase {
    int nomination;
    const char* tag;
};

TEST(RenominationTagTest, NamesTheNominationsOrdinal) {
    const TagCase cases[] = {
        {2, "{{subst:afdx|2nd}}"},   {3, "{{subst:afdx|3rd}}"},   {4, "{{subst:afdx|4th}}"},
        {12, "{{subst:afdx|12th}}"}, {21, "{{subst:afdx|21st}}"}, {102, "{{subst:afdx|102nd}}"},
    };
    for (const TagCase& row : cases) {
        SCOPED_TRACE(row.nomination);
        EXPECT_EQ(RenominationTag(row.nomination), row.tag);
    }
}

}  // namespace
