// The local wiki as the fixture builds it: its pages, saved as the wiki saves an edit, hold what
// the English Wikipedia's templates leave behind, read back through the wiki's own API, which
// also answers for the pages' links and for the accounts, their groups and blocks.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/api_query.h"
#include "core/deletion_sorting.h"
#include "core/nomination_plan.h"
#include "core/saved_edits.h"
#include "tests/qt/stand_in_wiki.h"

namespace nominator {
namespace {

using testing::ContainsRegex;

struct PageRow {
    const char* title;
    bool exists;
    // Each must match somewhere in the page's text (POSIX extended expressions).
    std::vector<const char*> holds;
};

void PrintTo(const PageRow& row, std::ostream* out) { *out << row.title; }

const char* const kSignature =
    R"(\[\[User:Nominator\|Nominator\]\] \(\[\[User talk:Nominator\|talk\]\]\) [0-9]{2}:[0-9]{2}, [0-9]+ [A-Z][a-z]+ [0-9]{4} \(UTC\))";

const PageRow kPages[] = {
    // {{subst:afd}}: the dated tag between two comments, named after the article itself.
    {"Tagged article",
     true,
     {R"(^<!-- [^>]+ -->
\{\{Article for deletion/dated\|page=Tagged article\|timestamp=[0-9]{14}\|year=[0-9]{4}\|month=[A-Z][a-z]+\|day=[0-9]+\|)",
      R"(\}\}
<!-- End of AfD message[^>]*-->
'''Tagged article''')"}},
    // {{subst:afd2 | pg=...| text=...}} ~~~~: heading, link to the article, reason, signed.
    {"Wikipedia:Articles for deletion/Sample page (2nd nomination)",
     true,
     {R"(^===\[\[:Sample page\]\]===
:\[\[Sample page\]\])",
      "\nThe sources are still thin\\. ", kSignature}},
    // The day's log: a header, the line new entries go under, then one line per discussion.
    {"Wikipedia:Articles for deletion/Log/2026 March 7",
     true,
     {R"(<!-- Add new entries to the TOP of the following list -->
\{\{Wikipedia:Articles for deletion/Tagged article\}\}
\{\{Wikipedia:Articles for deletion/Sample page and more\}\}
?$)"}},
    // {{subst:afd1|...}}: the dated tag of a further article, named after the discussion it
    // shares.
    {"Bundled article",
     true,
     {R"(^<!-- [^>]+ -->
\{\{Article for deletion/dated\|page=Bundle example\|timestamp=[0-9]{14}\|year=[0-9]{4}\|month=[A-Z][a-z]+\|day=[0-9]+\|)",
      R"(\}\}
<!-- End of AfD message[^>]*-->
'''Bundled article''')"}},
    // A bundle's discussion: the further articles listed with {{la|...}} before the signature.
    {"Wikipedia:Articles for deletion/Bundle example",
     true,
     {R"(^===\[\[:Bundle example\]\]===
:\[\[Bundle example\]\])",
      R"(
Neither is notable\.

I am also nominating the following related pages:
:\{\{la\|Bundled article\}\} )",
      kSignature}},
    // {{subst:Afd notice|1=...|2=...}} ~~~~: the further article's notice links the shared
    // discussion.
    {"User talk:Notified editor",
     true,
     {R"(^== Nomination of \[\[:Bundled article\]\] for deletion ==
)",
      R"(at \[\[Wikipedia:Articles for deletion/Bundle example\]\] until)", kSignature}},
    // {{subst:prod}} and {{subst:prod blp}}: the dated tags, the second spelled as a user may;
    // and a speedy-deletion tag.
    {"Proposed article", true, {R"(^\{\{Short description\|An article proposed for deletion\}\}
\{\{Proposed deletion/dated
\|concern = No \[\[Wikipedia:Notability\|coverage\]\] of \{\{PAGENAME\}\} in reliable sources
)"}},
    {"Proposed biography", true, {R"(^\{\{ prod_blp/dated \|concern=No sources at all\|)"}},
    {"Speedy article", true, {R"(^\{\{db-a7\|help=off\}\}
'''Speedy article''')"}},
    {"Template:Prod blp/dated", true, {"All BLP articles proposed for deletion"}},
    {"Template:Db-a7", true, {R"(^\{\{Db-meta\|)"}},
    {"Sample redirect", true, {R"(^#REDIRECT \[\[Sample page\]\])"}},
    {"Sample page", true, {R"(^\{\{Short description\|)", R"(
\{\{About\|)"}},
    {"No such article", false, {}},
    // The Main Page's links, the article among them.
    {"Main Page", true, {R"(\[\[Main Page article\]\])", R"(\[\[Featured news item\]\])"}},
    {"Main Page article", true, {"^'''Main Page article'''"}},
    // Closed three weeks before the tests' day, the closer's signature written out with its date;
    // the talk page's banner says the same.
    {"Wikipedia:Articles for deletion/Recently kept article",
     true,
     {R"(^===\[\[:Recently kept article\]\]===
:\[\[Recently kept article\]\])",
      R"(
:''The result was '''keep'''\.'' \[\[User:Closer\|Closer\]\] \(\[\[User talk:Closer\|talk\]\]\) 12:00, 14 February 2026 \(UTC\)$)"}},
    {"Talk:Recently kept article",
     true,
     {R"(^\{\{Old AfD multi\|date=14 February 2026\|result='''keep'''\|page=Recently kept article\}\}$)"}},
    {"Template:Old AfD multi", true, {R"(\{\{\{date\}\}\})", R"(\{\{\{result\}\}\})"}},
    {"Recently kept article", true, {"^'''Recently kept article'''"}},
    // Closed years ago; only the discussion's closing line says when.
    {"Wikipedia:Articles for deletion/Long ago kept article",
     true,
     {R"(^===\[\[:Long ago kept article\]\]===)",
      R"(
:''The result was '''no consensus'''\.'' \[\[User:Closer\|Closer\]\] \(\[\[User talk:Closer\|talk\]\]\) 12:00, 3 May 2019 \(UTC\)$)"}},
    {"Long ago kept article", true, {"^'''Long ago kept article'''"}},
    {"Talk:Long ago kept article", false, {}},
    // The blocked account's and the bot's articles; their talk pages are yet to be made.
    {"Blocked creator's article", true, {"^'''Blocked creator's article'''"}},
    {"User talk:Blocked creator", false, {}},
    {"Bot's article", true, {"^'''Bot's article'''"}},
    {"User talk:Helper bot", false, {}},
};

class LocalWikiPagesTest : public testing::TestWithParam<PageRow> {};

TEST_P(LocalWikiPagesTest, TheWikiHoldsWhatItsTemplatesLeft) {
    const PageRow& row = GetParam();
    const std::optional<support::WikiPage> page = LoopbackWiki().page(row.title);
    ASSERT_EQ(page.has_value(), row.exists);
    if (!page) return;
    EXPECT_EQ(page->lastSummary, "Page for the tests");
    for (const char* pattern : row.holds) EXPECT_THAT(page->text, ContainsRegex(pattern));
}

// A test's name made of the title's letters and digits.
std::string NameOf(const char* title) {
    std::string name;
    for (const char c : std::string(title)) {
        if (std::isalnum(static_cast<unsigned char>(c))) name += c;
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Pages, LocalWikiPagesTest, testing::ValuesIn(kPages),
                         [](const auto& info) { return NameOf(info.param.title); });

struct LinkRow {
    const char* from;
    const char* to;
    bool links;
};

void PrintTo(const LinkRow& row, std::ostream* out) { *out << row.from << " -> " << row.to; }

const LinkRow kLinks[] = {
    {"Main Page", "Main Page article", true},
    {"Main Page", "Featured news item", true},
    // The articles the other tests nominate are not on the Main Page.
    {"Main Page", "Sample page", false},
    {"Main Page", "Plain article", false},
    {"Main Page", "Recently kept article", false},
    {"Talk:Recently kept article", "Wikipedia:Articles for deletion/Recently kept article", true},
    // {{la|...}} links the article and its talk page.
    {"Wikipedia:Articles for deletion/Bundle example", "Bundled article", true},
    {"Wikipedia:Articles for deletion/Bundle example", "Talk:Bundled article", true},
    {"User talk:Notified editor", "Wikipedia:Articles for deletion/Bundle example", true},
    // The notice without its second parameter would name the article's own discussion.
    {"User talk:Notified editor", "Wikipedia:Articles for deletion/Bundled article", false},
};

class LocalWikiLinksTest : public testing::TestWithParam<LinkRow> {};

// What the wiki's link tables say, as the API answers a question about one link.
TEST_P(LocalWikiLinksTest, TheApiAnswersWhetherThePageLinksTheOther) {
    const LinkRow& row = GetParam();
    EXPECT_EQ(LoopbackWiki().links(row.from, row.to), row.links);
}

INSTANTIATE_TEST_SUITE_P(Links, LocalWikiLinksTest, testing::ValuesIn(kLinks),
                         [](const auto& info) {
                             return NameOf(info.param.from) + "To" + NameOf(info.param.to);
                         });

struct AccountRow {
    const char* name;
    // A group it is in.
    const char* group;
    bool blocked;
    // The articles whose first revision it saved.
    std::vector<const char*> started;
};

void PrintTo(const AccountRow& row, std::ostream* out) { *out << row.name; }

const AccountRow kAccounts[] = {
    {"Nominator", "sysop", false, {"Main Page article", "Recently kept article"}},
    {"Creator", "user", false, {"Creator's article", "Bundle lead", "Bundle second"}},
    {"Further creator", "user", false, {"Bundle third"}},
    {"Blocked creator", "user", true, {"Blocked creator's article"}},
    {"Helper bot", "bot", false, {"Bot's article"}},
};

class LocalWikiAccountsTest : public testing::TestWithParam<AccountRow> {};

TEST_P(LocalWikiAccountsTest, TheAccountIsAsTheApiSaysAndStartedItsArticles) {
    const AccountRow& row = GetParam();
    const std::optional<support::WikiAccount> account = LoopbackWiki().account(row.name);
    ASSERT_TRUE(account.has_value());
    EXPECT_THAT(account->groups, testing::Contains(row.group));
    EXPECT_EQ(account->blocked, row.blocked);
    // A blocked account blocks no address it used.
    EXPECT_FALSE(account->autoblocking);
    for (const char* title : row.started) {
        EXPECT_EQ(LoopbackWiki().firstAuthor(title), row.name) << title;
    }
}

INSTANTIATE_TEST_SUITE_P(Accounts, LocalWikiAccountsTest, testing::ValuesIn(kAccounts),
                         [](const auto& info) { return NameOf(info.param.name); });

// The wiki's answer to the window's question for its topics: its topic lists, not the compact one.
TEST(LocalWikiTopicsTest, TheWikisTopicsAreItsTopicListsWithoutTheCompactList) {
    const std::string url = TopicListUrl();
    const auto read = ReadTopicList(LoopbackWiki().askApi(url.substr(url.find('?') + 1)));
    ASSERT_TRUE(std::holds_alternative<TopicListPart>(read));
    EXPECT_EQ(std::get<TopicListPart>(read).topics,
              (std::vector<std::string>{"Football", "Places"}));
    EXPECT_TRUE(std::get<TopicListPart>(read).continuation.empty());
}

// Each topic's list takes new entries at its top, as the day's log does, and the discussions'
// note has its stand-in. (A plain test, so that it meets the lists before any nomination here
// adds to them.)
TEST(LocalWikiTopicsTest, EachTopicsListTakesNewEntriesAtItsTop) {
    const std::pair<const char*, const char*> lists[] = {{"Football", "Tagged article"},
                                                         {"Places", "Sample page and more"}};
    for (const auto& [topic, entry] : lists) {
        const std::optional<support::WikiPage> list = LoopbackWiki().page(TopicListTitle(topic));
        ASSERT_TRUE(list.has_value()) << topic;
        EXPECT_THAT(list->text,
                    testing::HasSubstr("<!-- Add new entries to the TOP of the following list -->\n"
                                       "{{Wikipedia:Articles for deletion/" +
                                       std::string(entry) + "}}"));
    }
    EXPECT_TRUE(LoopbackWiki().page(TopicListTitle("Compact")).has_value());
    const std::optional<support::WikiPage> note = LoopbackWiki().page("Template:Delsort");
    ASSERT_TRUE(note.has_value());
    EXPECT_THAT(note->text, ContainsRegex(R"(\{\{\{1\}\}\}-related deletion discussions)"));
}

// The tests' requests all come from 127.0.0.1, their saves included.
TEST(LocalWikiBlocksTest, NoBlockStopsTheTestsOwnAddress) {
    EXPECT_FALSE(LoopbackWiki().addressBlocked("127.0.0.1"));
}

// The largest bundle: No such article and 50 further ones, none of them on the wiki, each by a
// creator of their own who is due a notice: 104 pages.
NominationPlan FullBundle() {
    NominationInput input{.typedTitle = "No such article",
                          .name = "No such article",
                          .logKey = "2026_March_7",
                          .notice = NoticeState::Open,
                          .creator = "Creator"};
    for (int i = 1; i <= 50; ++i) {
        input.further.push_back({.name = "No such article " + std::to_string(i),
                                 .notice = NoticeState::Open,
                                 .creator = "No such creator " + std::to_string(i)});
    }
    return PlanNomination(input);
}

// Every page of the plan in one request, as the question asked before it came in batches.
std::string OneRequestForAll(const NominationPlan& plan) {
    std::vector<std::string_view> pages;
    for (const PlannedEdit& edit : plan) pages.push_back(edit.page);
    return ApiUrl({{"action", "query"},
                   {"titles", MultiValue(pages)},
                   {"prop", "templates"},
                   {"format", "json"}});
}

struct TitleLimitRow {
    const char* name;
    // Whether the first batch's request asks about every page at once.
    bool allAtOnce;
    std::variant<SavedStates, CheckFailure> read;
};

void PrintTo(const TitleLimitRow& row, std::ostream* out) { *out << row.name; }

// Nothing of the bundle is saved; the wiki lets anyone edit the creators' talk pages.
SavedStates NothingSaved() { return SavedStates(FullBundle().size(), EditState::Unsaved); }

const TitleLimitRow kTitleLimits[] = {
    {"EveryBatchIsAnsweredInFull", false, NothingSaved()},
    // The wiki refuses more titles than it takes: the question fails, saying why.
    {"TooManyTitlesAreRefused", true,
     CheckFailure{"the wiki answered with an error: toomanyvalues (Too many values supplied for "
                  "parameter \"titles\". The limit is 50.)"}},
};

class LocalWikiTitleLimitTest : public testing::TestWithParam<TitleLimitRow> {};

TEST_P(LocalWikiTitleLimitTest, TheSavedEditsQuestionFitsTheWikisLimit) {
    const NominationPlan plan = FullBundle();
    std::vector<std::string> urls = SavedEditsUrls(plan);
    ASSERT_EQ(urls.size(), 3u);
    if (GetParam().allAtOnce) urls.front() = OneRequestForAll(plan);
    std::vector<std::string> answers;
    for (const std::string& url : urls) answers.push_back(LoopbackWiki().answerTo(url));
    EXPECT_EQ(ReadSavedEdits(answers, plan), GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(TitleLimits, LocalWikiTitleLimitTest, testing::ValuesIn(kTitleLimits),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace nominator
