#include "core/wiki_addresses.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <string>
#include <string_view>

#include "core/log_date.h"

namespace {

TEST(WikiBaseTest, IsEnglishWikipediaOverHttps) {
    EXPECT_EQ(nominator::WikiBase, "https://en.wikipedia.org");
}

struct TitleCase {
    const char* name;
    std::string_view title;
    std::string_view articleEdit;
    std::string_view discussion;
};

void PrintTo(const TitleCase& row, std::ostream* out) { *out << row.name; }

class TitleAddressTest : public testing::TestWithParam<TitleCase> {};

TEST_P(TitleAddressTest, ArticleEditUrlOpensTheArticleInTheEditor) {
    EXPECT_EQ(nominator::ArticleEditUrl(GetParam().title), GetParam().articleEdit);
}

TEST_P(TitleAddressTest, DiscussionUrlViewsTheDiscussionPage) {
    EXPECT_EQ(nominator::DiscussionUrl(GetParam().title), GetParam().discussion);
}

const TitleCase kTitles[] = {
    {"SamplePage", "Sample page",
     "https://en.wikipedia.org/w/index.php?title=Sample%20page&action=edit",
     "https://en.wikipedia.org/wiki/Wikipedia:Articles_for_deletion/Sample%20page"},
    {"Empty", "", "https://en.wikipedia.org/w/index.php?title=&action=edit",
     "https://en.wikipedia.org/wiki/Wikipedia:Articles_for_deletion/"},
    {"Ampersand", "AT&T", "https://en.wikipedia.org/w/index.php?title=AT%26T&action=edit",
     "https://en.wikipedia.org/wiki/Wikipedia:Articles_for_deletion/AT%26T"},
    {"Plus", "C++", "https://en.wikipedia.org/w/index.php?title=C%2B%2B&action=edit",
     "https://en.wikipedia.org/wiki/Wikipedia:Articles_for_deletion/C%2B%2B"},
    {"Hash", "Foo#bar", "https://en.wikipedia.org/w/index.php?title=Foo%23bar&action=edit",
     "https://en.wikipedia.org/wiki/Wikipedia:Articles_for_deletion/Foo%23bar"},
    {"NamespaceAndSubpage", "Talk:Foo/Bar",
     "https://en.wikipedia.org/w/index.php?title=Talk:Foo/Bar&action=edit",
     "https://en.wikipedia.org/wiki/Wikipedia:Articles_for_deletion/Talk:Foo/Bar"},
    {"Percent", "100%", "https://en.wikipedia.org/w/index.php?title=100%25&action=edit",
     "https://en.wikipedia.org/wiki/Wikipedia:Articles_for_deletion/100%25"},
    {"Accent", "Café", "https://en.wikipedia.org/w/index.php?title=Caf%C3%A9&action=edit",
     "https://en.wikipedia.org/wiki/Wikipedia:Articles_for_deletion/Caf%C3%A9"},
    {"QueryDelimiters", "Why?a=b&c",
     "https://en.wikipedia.org/w/index.php?title=Why%3Fa%3Db%26c&action=edit",
     "https://en.wikipedia.org/wiki/Wikipedia:Articles_for_deletion/Why%3Fa%3Db%26c"},
};

INSTANTIATE_TEST_SUITE_P(Titles, TitleAddressTest, testing::ValuesIn(kTitles),
                         [](const auto& info) { return std::string(info.param.name); });

struct KeyCase {
    const char* name;
    std::string_view key;
    std::string_view logEdit;
};

void PrintTo(const KeyCase& row, std::ostream* out) { *out << row.name; }

class LogAddressTest : public testing::TestWithParam<KeyCase> {};

TEST_P(LogAddressTest, LogEditUrlOpensTheDaysLogInTheEditor) {
    EXPECT_EQ(nominator::LogEditUrl(GetParam().key), GetParam().logEdit);
}

const KeyCase kKeys[] = {
    {"September27", "2026_September_27",
     "https://en.wikipedia.org/w/index.php?title=Wikipedia:Articles_for_deletion/Log/"
     "2026_September_27&action=edit"},
    {"Empty", "",
     "https://en.wikipedia.org/w/index.php?title=Wikipedia:Articles_for_deletion/Log/"
     "&action=edit"},
    {"Hostile", "a b&c#d",
     "https://en.wikipedia.org/w/index.php?title=Wikipedia:Articles_for_deletion/Log/"
     "a%20b%26c%23d&action=edit"},
};

INSTANTIATE_TEST_SUITE_P(Keys, LogAddressTest, testing::ValuesIn(kKeys),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LogAddressOfDateTest, OpensTheLogOfAFormattedDate) {
    using namespace std::chrono;
    EXPECT_EQ(nominator::LogEditUrl(nominator::FormatLogDate(2024y / February / 29)),
              "https://en.wikipedia.org/w/index.php?title=Wikipedia:Articles_for_deletion/Log/"
              "2024_February_29&action=edit");
}

}  // namespace
