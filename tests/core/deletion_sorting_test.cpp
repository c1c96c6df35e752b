#include "core/deletion_sorting.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <variant>
#include <vector>

namespace nominator {
namespace {

using Topics = std::vector<std::string>;

TEST(CategoryEntriesTest, StartWithNotSortedThenEachLetterBeforeItsName) {
    EXPECT_EQ(CategoryEntries(),
              (std::vector<std::string>{
                  "Not sorted", "M Media and music", "O Organisation, corporation, or product",
                  "B Biographical", "S Society topics", "W Web or internet", "G Games or sports",
                  "T Science and technology", "F Fiction and the arts",
                  "P Places and transportation", "I Indiscernible or unclassifiable topic"}));
}

TEST(CategoryEntriesTest, EachEntrysLetterIsTheOneTheDiscussionGets) {
    const std::vector<std::string> entries = CategoryEntries();
    EXPECT_EQ(CategoryLetterAt(0), "");
    for (std::size_t i = 1; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].substr(0, 2), std::string(CategoryLetterAt(i)) + " ") << entries[i];
    }
    EXPECT_EQ(CategoryLetterAt(entries.size()), "");
}

struct SubpageCase {
    const char* name;
    const char* subpage;
    bool topic;
};

void PrintTo(const SubpageCase& row, std::ostream* out) { *out << row.name; }

class TopicPageTest : public testing::TestWithParam<SubpageCase> {};

TEST_P(TopicPageTest, TellsATopicsListFromTheListsThatAreNone) {
    EXPECT_EQ(IsTopicPage(GetParam().subpage), GetParam().topic);
}

const SubpageCase kSubpages[] = {
    {"ATopic", "Football", true},
    {"ATopicOfSeveralWords", "Science fiction and fantasy", true},
    {"ATopicWithASlashInside", "Albums and songs/Jazz", true},
    {"TheCompactList", "Compact", false},
    {"ACompactListsPart", "Compact/Football", false},
    {"TheFlatList", "Flat", false},
    {"ATopicsArchive", "Football/archive", false},
    {"ATopicsNumberedArchive", "Football/Archive 3", false},
    // Only the list pages themselves: a topic whose name starts so is still one.
    {"ATopicNamedLikeACompactList", "Compact discs", true},
    {"ATopicNamedLikeAnArchive", "Archives and museums", true},
    {"Nothing", "", false},
    {"OnlySpace", "  ", false},
};

INSTANTIATE_TEST_SUITE_P(Subpages, TopicPageTest, testing::ValuesIn(kSubpages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TopicListUrlTest, AsksForTheStemsSubpagesAndContinuesWhereTheWikiSaid) {
    const std::string first =
        "https://en.wikipedia.org/w/api.php?action=query&list=allpages&apnamespace=4"
        "&apprefix=WikiProject%20Deletion%20sorting/&apfilterredir=nonredirects&aplimit=max";
    EXPECT_EQ(TopicListUrl(), first + "&format=json");
    EXPECT_EQ(TopicListUrl({{"apcontinue", "Food & drink"}, {"continue", "-||"}}),
              first + "&apcontinue=Food%20%26%20drink&continue=-%7C%7C&format=json");
}

struct AnswerCase {
    const char* name;
    std::string answer;
    // The topics and the continuation read; a failure when `fails`.
    Topics topics;
    ApiContinuation continuation;
    bool fails;
};

void PrintTo(const AnswerCase& row, std::ostream* out) { *out << row.name; }

std::string Page(const std::string& subpage) {
    return R"({"pageid":1,"ns":4,"title":"Wikipedia:WikiProject Deletion sorting/)" + subpage +
           R"("})";
}

class TopicListAnswerTest : public testing::TestWithParam<AnswerCase> {};

TEST_P(TopicListAnswerTest, ReadsTheTopicsAndWhereTheListGoesOn) {
    const auto read = ReadTopicList(GetParam().answer);
    if (GetParam().fails) {
        EXPECT_TRUE(std::holds_alternative<CheckFailure>(read));
        return;
    }
    ASSERT_TRUE(std::holds_alternative<TopicListPart>(read)) << std::get<CheckFailure>(read).reason;
    EXPECT_EQ(std::get<TopicListPart>(read).topics, GetParam().topics);
    EXPECT_EQ(std::get<TopicListPart>(read).continuation, GetParam().continuation);
}

const AnswerCase kAnswers[] = {
    {"WholeList",
     R"({"batchcomplete":"","query":{"allpages":[)" + Page("Compact") + "," + Page("Football") +
         "," + Page("Flat") + "," + Page("Football/archive") + "," + Page("Places") + "]}}",
     {"Football", "Places"},
     {},
     false},
    {"FirstPartOfSeveral",
     R"({"continue":{"apcontinue":"Places","continue":"-||"},"query":{"allpages":[)" +
         Page("Football") + "]}}",
     {"Football"},
     {{"apcontinue", "Places"}, {"continue", "-||"}},
     false},
    {"FormatVersion2",
     R"({"batchcomplete":true,"query":{"allpages":[)" + Page("Sports") + "]}}",
     {"Sports"},
     {},
     false},
    {"NoSubpages", R"({"batchcomplete":"","query":{"allpages":[]}})", {}, {}, false},
    // Another page the prefix did not hold is no topic of this list.
    {"AnotherPage",
     R"({"query":{"allpages":[{"ns":4,"title":"Wikipedia:Articles for deletion/Sports"}]}})",
     {},
     {},
     false},
    {"NoList", R"({"batchcomplete":"","query":{}})", {}, {}, true},
    {"AnError", R"({"error":{"code":"badvalue","info":"No."}})", {}, {}, true},
    {"NotJson", "<html>Gateway Timeout</html>", {}, {}, true},
};

INSTANTIATE_TEST_SUITE_P(Answers, TopicListAnswerTest, testing::ValuesIn(kAnswers),
                         [](const auto& info) { return std::string(info.param.name); });

struct TypedCase {
    const char* name;
    const char* typed;
    TypedTopics sorted;
};

void PrintTo(const TypedCase& row, std::ostream* out) { *out << row.name; }

class TypedTopicsTest : public testing::TestWithParam<TypedCase> {};

TEST_P(TypedTopicsTest, AreTheWikisTopicsAsItSpellsThemAndTheOthersAsTyped) {
    const Topics wikis = {"Football", "Science fiction and fantasy", "Places"};
    EXPECT_EQ(SortTypedTopics(GetParam().typed, wikis), GetParam().sorted);
}

const TypedCase kTyped[] = {
    {"Nothing", "", {}},
    {"OneALine", "Football\nPlaces", {{"Football", "Places"}, {}}},
    {"InTheOrderTyped", "Places\nFootball", {{"Places", "Football"}, {}}},
    {"BlankLinesAndSpaceAround", "\n  Football \r\n\n\tPlaces\n", {{"Football", "Places"}, {}}},
    {"AsTheWikiReadsATitle", "science_fiction  and fantasy", {{"Science fiction and fantasy"}, {}}},
    {"EachOnce", "Football\nfootball\nFootball", {{"Football"}, {}}},
    {"NotOnTheWiki", "Footbal\nPlaces\nFootbal", {{"Places"}, {"Footbal"}}},
    // The words of a topic are compared as the wiki compares titles: only the first letter
    // in either case.
    {"AnotherCaseInside", "Science Fiction and Fantasy", {{}, {"Science Fiction and Fantasy"}}},
};

INSTANTIATE_TEST_SUITE_P(Typed, TypedTopicsTest, testing::ValuesIn(kTyped),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TopicTextsTest, AreTheNoteTheListingAndItsSummary) {
    EXPECT_EQ(DelsortNote("Football"), "{{subst:delsort|Football|~~~~}}");
    EXPECT_EQ(TopicListTitle("Football"), "Wikipedia:WikiProject Deletion sorting/Football");
    EXPECT_EQ(TopicListingLine("Wikipedia:Articles for deletion/Sample"),
              "{{Wikipedia:Articles for deletion/Sample}}");
    EXPECT_EQ(TopicListingSummary("Wikipedia:Articles for deletion/Sample (2nd nomination)"),
              "Listing [[:Wikipedia:Articles for deletion/Sample (2nd nomination)]].");
}

}  // namespace
}  // namespace nominator
