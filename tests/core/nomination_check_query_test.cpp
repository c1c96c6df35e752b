#include "core/nomination_check_query.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct QueryCase {
    const char* name;
    std::string_view article;
    // The values of apprefix and titles as the address carries them.
    std::string_view prefix;
    std::string_view titles;
};

void PrintTo(const QueryCase& row, std::ostream* out) { *out << row.name; }

class NominationCheckUrlTest : public testing::TestWithParam<QueryCase> {};

TEST_P(NominationCheckUrlTest, AsksForEarlierNominationsAndTheArticleInOneRequest) {
    const std::string expected =
        "https://en.wikipedia.org/w/api.php?action=query&list=allpages&apnamespace=4"
        "&apprefix=" +
        std::string(GetParam().prefix) +
        "&apfilterredir=nonredirects&aplimit=max"
        "&titles=" +
        std::string(GetParam().titles) +
        "&prop=info%7Ctemplates%7Crevisions"
        "&tltemplates=Template:Article%20for%20deletion/dated%7CTemplate:AfDM"
        "%7CTemplate:Proposed%20deletion/dated%7CTemplate:Prod%20blp/dated%7CTemplate:Db-meta"
        "&rvdir=newer&rvlimit=1&rvprop=user%7Ccontent&rvslots=main&meta=userinfo&format=json";
    EXPECT_EQ(nominator::NominationCheckUrl(GetParam().article), expected);
}

const QueryCase kQueries[] = {
    {"Plain", "Sample", "Articles%20for%20deletion/Sample", "Sample"},
    {"Spaces", "Sample page", "Articles%20for%20deletion/Sample%20page", "Sample%20page"},
    {"QueryDelimiters", "AT&T=C++?#x", "Articles%20for%20deletion/AT%26T%3DC%2B%2B%3F%23x",
     "AT%26T%3DC%2B%2B%3F%23x"},
    {"NonAscii", "Café", "Articles%20for%20deletion/Caf%C3%A9", "Caf%C3%A9"},
    {"Parentheses", "Foo (band)", "Articles%20for%20deletion/Foo%20(band)", "Foo%20(band)"},
    {"Empty", "", "Articles%20for%20deletion/", ""},
    // Otherwise the API would look up two titles, "Foo" and "Bar".
    {"PipeSentAsOneTitle", "Foo|Bar", "Articles%20for%20deletion/Foo%7CBar", "%1FFoo%7CBar"},
    {"AlreadyEncoded", "100%25", "Articles%20for%20deletion/100%2525", "100%2525"},
};

INSTANTIATE_TEST_SUITE_P(Articles, NominationCheckUrlTest, testing::ValuesIn(kQueries),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// Every further article in one request; a title holding "|" keeps the others whole too.
TEST(FurtherCheckUrlTest, AsksForEveryFurtherArticleInOneRequest) {
    const std::string tail =
        "&prop=info%7Ctemplates"
        "&tltemplates=Template:Article%20for%20deletion/dated%7CTemplate:AfDM"
        "%7CTemplate:Proposed%20deletion/dated%7CTemplate:Prod%20blp/dated%7CTemplate:Db-meta"
        "&tllimit=max&format=json";
    const struct {
        std::vector<std::string> names;
        std::string titles;
    } rows[] = {
        {{"Other page"}, "Other%20page"},
        {{"Other page", "AT&T", "Third"}, "Other%20page%7CAT%26T%7CThird"},
        {{"A|B", "C"}, "%1FA%7CB%1FC"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.titles);
        EXPECT_EQ(nominator::FurtherCheckUrl(row.names),
                  "https://en.wikipedia.org/w/api.php?action=query&titles=" + row.titles + tail);
    }
}

}  // namespace
