#include "core/creator_query.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

namespace {

struct QueryCase {
    const char* name;
    std::string_view article;
    // The value of titles as the address carries it.
    std::string_view titles;
};

void PrintTo(const QueryCase& row, std::ostream* out) { *out << row.name; }

class CreatorQueryUrlTest : public testing::TestWithParam<QueryCase> {};

TEST_P(CreatorQueryUrlTest, AsksForTheFirstRevisionsAndTheUserInOneRequest) {
    const std::string expected =
        "https://en.wikipedia.org/w/api.php?action=query&titles=" + std::string(GetParam().titles) +
        "&prop=revisions&rvdir=newer&rvlimit=50&rvprop=user%7Ccontent"
        "&rvslots=main&meta=userinfo&format=json";
    EXPECT_EQ(nominator::CreatorQueryUrl(GetParam().article), expected);
}

const QueryCase kQueries[] = {
    {"Plain", "Sample", "Sample"},
    {"Spaces", "Sample page", "Sample%20page"},
    {"QueryDelimiters", "AT&T=C++?#x", "AT%26T%3DC%2B%2B%3F%23x"},
    {"NonAscii", "Café", "Caf%C3%A9"},
    // Otherwise the API would look up two titles, "Foo" and "Bar".
    {"PipeSentAsOneTitle", "Foo|Bar", "%1FFoo%7CBar"},
};

INSTANTIATE_TEST_SUITE_P(Articles, CreatorQueryUrlTest, testing::ValuesIn(kQueries),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
