#include "core/nomination_review.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace nominator {

void PrintTo(const ReviewFacts& facts, std::ostream* out) {
    *out << "main page " << facts.onMainPage << ", blocked " << facts.creatorBlocked << ", bot "
         << facts.creatorIsBot << ", last ";
    if (facts.lastDiscussion) {
        *out << facts.lastDiscussion->result << " on " << WikiDate(facts.lastDiscussion->day);
    } else {
        *out << "none";
    }
}

// Beside the nomination check's tests.
void PrintTo(const CheckFailure& failure, std::ostream* out);

namespace {

using namespace std::chrono;

TEST(ReviewUrlTest, AsksForTheMainPagesLinkAndForARenominationsHistoryAndTheCreator) {
    EXPECT_EQ(ReviewUrl("Sample page", "", ""),
              "https://en.wikipedia.org/w/api.php?action=query&titles=Main%20Page"
              "&prop=links%7Crevisions&pltitles=Sample%20page&pllimit=max&rvprop=content"
              "&rvslots=main&format=json");
    EXPECT_EQ(ReviewUrl("A|B", "Wikipedia:Articles for deletion/A|B", "C&D"),
              "https://en.wikipedia.org/w/api.php?action=query"
              "&titles=%1FMain%20Page%1FTalk:A%7CB%1FWikipedia:Articles%20for%20deletion/A%7CB"
              "&prop=links%7Crevisions&pltitles=%1FA%7CB&pllimit=max&rvprop=content&rvslots=main"
              "&list=users&ususers=C%26D&usprop=blockinfo%7Cgroups&format=json");
}

const std::string kLast = "Wikipedia:Articles for deletion/Sample";

// An answer with these page entries (format version 2) and users.
std::string Answer(const std::string& pages, const std::string& users = "") {
    return R"({"batchcomplete":true,"query":{"pages":[)" + pages + "]" +
           (users.empty() ? "" : R"(,"users":[)" + users + "]") + "}}";
}

std::string Page(const std::string& title, const std::string& text, const std::string& more = "") {
    return R"({"ns":0,"title":")" + title + R"(")" + more +
           R"(,"revisions":[{"slots":{"main":{"contentmodel":"wikitext","content":")" + text +
           R"("}}}]})";
}

const std::string kMainPageLinks = R"(,"links":[{"ns":0,"title":"Sample"}])";

struct ReviewCase {
    const char* name;
    std::string body;
    std::variant<ReviewFacts, CheckFailure> result;
};

void PrintTo(const ReviewCase& row, std::ostream* out) { *out << row.name; }

class ReadReviewTest : public testing::TestWithParam<ReviewCase> {};

TEST_P(ReadReviewTest, ReadsWhatTheReviewersWouldSee) {
    EXPECT_EQ(ReadReview(GetParam().body, "Sample", kLast), GetParam().result);
}

constexpr year_month_day kFeb14{year{2026}, month{2}, day{14}};

const ReviewCase kReviews[] = {
    {"NothingFound", Answer(Page("Main Page", "Welcome")), ReviewFacts{}},
    {"OnTheMainPage", Answer(Page("Main Page", "[[Sample]]", kMainPageLinks)),
     ReviewFacts{.onMainPage = true}},
    {"TalkPagesLatestEntry",
     Answer(Page("Talk:Sample",
                 "{{Old AfD multi |date=3 May 2019 |result='''delete''' |page=Sample"
                 " |date2=14 February 2026 |result2='''Keep''' |page2=Sample (2nd nomination)}}")),
     ReviewFacts{.lastDiscussion = ClosedDiscussion{"keep", kFeb14}}},
    {"TalkPageTemplateSpelledAnotherWay",
     Answer(Page("Talk:Sample",
                 "{{WikiProject X|class=stub}}\\n{{old_AfD_multi|date=February 14, 2026|"
                 "result=[[WP:NC|no consensus]]|page={{PAGENAME}}}}")),
     ReviewFacts{.lastDiscussion = ClosedDiscussion{"no consensus", kFeb14}}},
    {"ClosingLineWhenTheTalkPageSaysNothing",
     Answer(Page("Talk:Sample", "Nothing here.") + "," +
            Page(kLast,
                 ":''The result was '''keep'''.'' [[User:Closer|Closer]] "
                 "([[User talk:Closer|talk]]) 12:00, 14 February 2026 (UTC)\\n"
                 "{{subst:afd2 | pg=Sample}} [[User:N|N]] 09:00, 1 February 2026 (UTC)")),
     ReviewFacts{.lastDiscussion = ClosedDiscussion{"keep", kFeb14}}},
    {"AnOpenDiscussionSaysNothing",
     Answer(Page(kLast, "Delete. [[User:N|N]] 09:00, 1 February 2026 (UTC)")), ReviewFacts{}},
    {"BlockedCreator",
     Answer(Page("Main Page", "x"),
            R"({"userid":4,"name":"Creator","blockid":3,"blockedby":"Admin","groups":["*"]})"),
     ReviewFacts{.creatorBlocked = true}},
    {"BotCreator", Answer(Page("Main Page", "x"), R"({"userid":5,"name":"B","groups":["bot"]})"),
     ReviewFacts{.creatorIsBot = true}},
    {"AnIpCreator", Answer(Page("Main Page", "x"), R"({"name":"192.0.2.7","invalid":true})"),
     ReviewFacts{}},
    {"NotJson", "<p>down</p>", CheckFailure{"the answer is not JSON"}},
};

INSTANTIATE_TEST_SUITE_P(Answers, ReadReviewTest, testing::ValuesIn(kReviews),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadReviewTest, AFirstNominationHasNoLastDiscussion) {
    const auto facts = ReadReview(
        Answer(Page("Talk:Sample", "{{Old AfD multi|date=14 February 2026|result=keep}}")),
        "Sample", "");
    EXPECT_EQ(facts, (std::variant<ReviewFacts, CheckFailure>{ReviewFacts{}}));
}

struct RecentCase {
    const char* result;
    year_month_day closed;
    bool recent;
};

TEST(ClosedRecentlyAsKeptTest, IsAKeepOrNoConsensusUnderSixMonthsOld) {
    constexpr year_month_day today{year{2026}, month{3}, day{7}};
    const RecentCase cases[] = {
        {"keep", kFeb14, true},
        {"speedy keep", kFeb14, true},
        {"no consensus", year_month_day{year{2025}, month{9}, day{8}}, true},
        {"no consensus", year_month_day{year{2025}, month{9}, day{7}}, false},
        {"keep", year_month_day{year{2019}, month{5}, day{3}}, false},
        {"delete", kFeb14, false},
        {"merge", kFeb14, false},
        // Six months after the 31st of August is the end of February.
        {"keep", year_month_day{year{2025}, month{8}, day{31}}, false},
    };
    for (const RecentCase& row : cases) {
        SCOPED_TRACE(std::string(row.result) + " on " + WikiDate(row.closed));
        EXPECT_EQ(ClosedRecentlyAsKept({row.result, row.closed}, today), row.recent);
    }
    EXPECT_TRUE(ClosedRecentlyAsKept({"keep", year_month_day{year{2025}, month{8}, day{31}}},
                                     year_month_day{year{2026}, month{2}, day{27}}));
}

TEST(WikiDateTest, WritesTheDayAsTheWikiDoes) {
    EXPECT_EQ(WikiDate(kFeb14), "14 February 2026");
    EXPECT_EQ(WikiDate(year_month_day{year{2019}, month{5}, day{3}}), "3 May 2019");
}

}  // namespace
}  // namespace nominator
