#include "core/saved_edits.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/percent_encoding.h"

namespace nominator {

void PrintTo(EditState state, std::ostream* out) {
    constexpr const char* kNames[] = {"not asked", "unsaved", "saved", "cannot edit"};
    *out << kNames[static_cast<int>(state)];
}

// Beside the nomination check's tests.
void PrintTo(const CheckFailure& failure, std::ostream* out);

namespace {

// The plan of a first nomination of the article on the log day, its creator due a notice in
// the state given.
NominationPlan Plan(const std::string& name, const std::string& logKey = "2026_March_7",
                    NoticeState notice = NoticeState::Unknown) {
    return PlanNomination({.typedTitle = name,
                           .name = name,
                           .logKey = logKey,
                           .notice = notice,
                           .creator = "Creator"});
}

const NominationPlan kSample = Plan("Sample page");

constexpr EditState kNo = EditState::Unsaved;
constexpr EditState kYes = EditState::Saved;
constexpr EditState kNotAsked = EditState::NotAsked;
constexpr EditState kCannot = EditState::CannotEdit;

// What the wiki holds of the tag, the discussion, the log line and the notice.
SavedStates States(EditState tag, EditState discussion, EditState log,
                   EditState notice = kNotAsked) {
    return {tag, discussion, log, notice};
}

using Urls = std::vector<std::string>;

struct UrlCase {
    const char* name;
    NominationPlan plan;
    // The values of titles and tltemplates as the address carries them.
    std::string titles;
    std::string templates;
};

void PrintTo(const UrlCase& row, std::ostream* out) { *out << row.name; }

class SavedEditsUrlTest : public testing::TestWithParam<UrlCase> {};

TEST_P(SavedEditsUrlTest, AsksForTheThreePagesAndTheirTemplatesInOneRequest) {
    EXPECT_EQ(
        SavedEditsUrls(GetParam().plan),
        Urls{"https://en.wikipedia.org/w/api.php?action=query&titles=" + GetParam().titles +
             "&prop=templates&tltemplates=" + GetParam().templates + "&tllimit=max&format=json"});
}

const std::string kDeletionTemplates = "Template:Article%20for%20deletion/dated%7CTemplate:AfDM";

const UrlCase kUrls[] = {
    {"Plain", kSample,
     "Sample%20page%7CWikipedia:Articles%20for%20deletion/Sample%20page%7C"
     "Wikipedia:Articles%20for%20deletion/Log/2026%20March%207",
     kDeletionTemplates + "%7CWikipedia:Articles%20for%20deletion/Sample%20page"},
    {"QueryDelimiters", Plan("AT&T", "L"),
     "AT%26T%7CWikipedia:Articles%20for%20deletion/AT%26T%7C"
     "Wikipedia:Articles%20for%20deletion/Log/L",
     kDeletionTemplates + "%7CWikipedia:Articles%20for%20deletion/AT%26T"},
    // Each value holding "|" stays one title, and so do all the others with it.
    {"PipeInATitle", Plan("A|B", "L"),
     "%1FA%7CB%1FWikipedia:Articles%20for%20deletion/A%7CB%1F"
     "Wikipedia:Articles%20for%20deletion/Log/L",
     "%1FTemplate:Article%20for%20deletion/dated%1FTemplate:AfDM%1F"
     "Wikipedia:Articles%20for%20deletion/A%7CB"},
};

const auto kRowName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Pages, SavedEditsUrlTest, testing::ValuesIn(kUrls), kRowName);

const NominationPlan kWithTalk = Plan("Sample page", "2026_March_7", NoticeState::Due);

TEST(SavedEditsUrlTest, AsksWhetherTheCreatorsTalkPageLinksTheDiscussionAndMayBeEdited) {
    EXPECT_EQ(SavedEditsUrls(kWithTalk),
              Urls{"https://en.wikipedia.org/w/api.php?action=query&titles="
                   "Sample%20page%7CWikipedia:Articles%20for%20deletion/Sample%20page%7C"
                   "Wikipedia:Articles%20for%20deletion/Log/2026%20March%207%7CUser%20talk:Creator"
                   "&prop=templates%7Clinks%7Cinfo&tltemplates=" +
                   kDeletionTemplates +
                   "%7CWikipedia:Articles%20for%20deletion/Sample%20page&tllimit=max"
                   "&pltitles=Wikipedia:Articles%20for%20deletion/Sample%20page&pllimit=max"
                   "&intestactions=edit&format=json"});
}

// A bundle of the first article and `further` more, Further 1 to Further N, each by a creator
// of its own; the notices as given, the first article's and the others'.
NominationPlan BundleOf(int further, NoticeState first = NoticeState::Unknown,
                        NoticeState others = NoticeState::Unknown) {
    NominationInput input{.typedTitle = "Sample page",
                          .name = "Sample page",
                          .logKey = "2026_March_7",
                          .notice = first,
                          .creator = "Creator"};
    for (int i = 1; i <= further; ++i) {
        input.further.push_back({.name = "Further " + std::to_string(i),
                                 .notice = others,
                                 .creator = "Creator " + std::to_string(i)});
    }
    return PlanNomination(input);
}

struct BatchCase {
    const char* name;
    NominationPlan plan;
    // Each request's number of titles, and whether it asks about links.
    std::vector<std::size_t> titles;
    std::vector<bool> links;
};

void PrintTo(const BatchCase& row, std::ostream* out) { *out << row.name; }

class SavedEditsBatchTest : public testing::TestWithParam<BatchCase> {};

TEST_P(SavedEditsBatchTest, AsksAboutEveryPageOnceInRequestsOfAtMostFiftyTitles) {
    const BatchCase& row = GetParam();
    std::vector<std::size_t> titles;
    std::vector<bool> links;
    std::string asked;
    for (const std::string& url : SavedEditsUrls(row.plan)) {
        const std::size_t start = url.find("&titles=") + 8;
        const std::string value = url.substr(start, url.find('&', start) - start);
        std::size_t count = 1;
        for (std::size_t at = value.find("%7C"); at != std::string::npos;
             at = value.find("%7C", at + 1)) {
            ++count;
        }
        titles.push_back(count);
        links.push_back(url.find("&pltitles=") != std::string::npos);
        asked += (asked.empty() ? "" : "%7C") + value;
    }
    EXPECT_EQ(titles, row.titles);
    EXPECT_EQ(links, row.links);
    std::string pages;
    for (const PlannedEdit& edit : row.plan) {
        if (!edit.page.empty()) pages += (pages.empty() ? "" : "%7C") + PercentEncode(edit.page);
    }
    EXPECT_EQ(asked, pages);
}

const BatchCase kBatches[] = {
    {"OnePage", PlanNomination({.name = "Sample page", .logKey = "L"}), {3}, {false}},
    // The tag, the discussion, the log line and 47 or 48 further tags.
    {"FiftyTitlesOneRequest", BundleOf(47), {50}, {false}},
    {"FiftyOneTitlesTwoRequests", BundleOf(48), {50, 1}, {false, false}},
    // The most a bundle holds: 50 further tags and 51 notices; a batch without a notice does
    // not ask about links.
    {"AFullBundle",
     BundleOf(50, NoticeState::Open, NoticeState::Open),
     {50, 50, 4},
     {true, true, true}},
    {"NoticesOnlyInTheLaterBatch",
     BundleOf(48, NoticeState::YouCreated, NoticeState::Open),
     {50, 49},
     {false, true}},
};

INSTANTIATE_TEST_SUITE_P(Batches, SavedEditsBatchTest, testing::ValuesIn(kBatches),
                         [](const auto& info) { return std::string(info.param.name); });

struct AnswerCase {
    const char* name;
    std::string body;
    std::variant<SavedStates, CheckFailure> result;
};

void PrintTo(const AnswerCase& row, std::ostream* out) { *out << row.name; }

class ReadSavedEditsTest : public testing::TestWithParam<AnswerCase> {};

TEST_P(ReadSavedEditsTest, ReadsWhichEditsTheWikiHolds) {
    EXPECT_EQ(ReadSavedEdits({GetParam().body}, kSample), GetParam().result);
}

// Default-format page entries for the sample's pages.
const std::string kArticleUntagged = R"("1":{"pageid":1,"ns":0,"title":"Sample page"})";
const std::string kArticleTagged = R"("1":{"pageid":1,"ns":0,"title":"Sample page","templates":[)"
                                   R"({"ns":10,"title":"Template:Article for deletion/dated"}]})";
const std::string kNoDiscussion =
    R"("-1":{"ns":4,"title":"Wikipedia:Articles for deletion/Sample page","missing":""})";
const std::string kDiscussion =
    R"("2":{"pageid":2,"ns":4,"title":"Wikipedia:Articles for deletion/Sample page"})";
const std::string kLogWithoutLine =
    R"("3":{"pageid":3,"ns":4,"title":"Wikipedia:Articles for deletion/Log/2026 March 7"})";
const std::string kLogWithLine =
    R"("3":{"pageid":3,"ns":4,"title":"Wikipedia:Articles for deletion/Log/2026 March 7",)"
    R"("templates":[{"ns":4,"title":"Wikipedia:Articles for deletion/Sample page"}]})";

std::string Answer(const std::string& article, const std::string& discussion,
                   const std::string& log, const std::string& more = "") {
    return R"({"batchcomplete":"","query":{)" + more + R"("pages":{)" + article + "," + discussion +
           "," + log + "}}}";
}

const AnswerCase kAnswers[] = {
    {"NoneSaved", Answer(kArticleUntagged, kNoDiscussion, kLogWithoutLine), States(kNo, kNo, kNo)},
    {"TagOnly", Answer(kArticleTagged, kNoDiscussion, kLogWithoutLine), States(kYes, kNo, kNo)},
    {"RenominationTag",
     Answer(R"("1":{"ns":0,"title":"Sample page","templates":[{"ns":10,"title":"Template:AfDM"}]})",
            kDiscussion, kLogWithoutLine),
     States(kYes, kYes, kNo)},
    {"AllSaved", Answer(kArticleTagged, kDiscussion, kLogWithLine), States(kYes, kYes, kYes)},
    {"LogLineOnly", Answer(kArticleUntagged, kNoDiscussion, kLogWithLine), States(kNo, kNo, kYes)},
    {"LogOfOtherDiscussions",
     Answer(kArticleTagged, kDiscussion,
            R"("3":{"ns":4,"title":"Wikipedia:Articles for deletion/Log/2026 March 7",)"
            R"("templates":[{"ns":4,"title":"Wikipedia:Articles for deletion/Other"}]})"),
     States(kYes, kYes, kNo)},
    {"MissingArticleAndLog",
     Answer(R"("-1":{"ns":0,"title":"Sample page","missing":""})", kDiscussion,
            R"("-2":{"ns":4,"title":"Wikipedia:Articles for deletion/Log/2026 March 7",)"
            R"("missing":""})"),
     States(kNo, kYes, kNo)},
    {"FormatVersion2",
     R"({"batchcomplete":true,"query":{"pages":[)"
     R"({"ns":0,"title":"Sample page","templates":[{"ns":10,"title":"Template:AfDM"}]},)"
     R"({"ns":4,"title":"Wikipedia:Articles for deletion/Sample page","missing":true},)"
     R"({"pageid":3,"ns":4,"title":"Wikipedia:Articles for deletion/Log/2026 March 7",)"
     R"("templates":[{"ns":4,"title":"Wikipedia:Articles for deletion/Sample page"}]}]}})",
     States(kYes, kNo, kYes)},
    {"FormatVersion2FalseFlags",
     R"({"query":{"pages":[{"ns":0,"title":"Sample page","missing":false},)"
     R"({"ns":4,"title":"Wikipedia:Articles for deletion/Sample page","missing":false},)"
     R"({"ns":4,"title":"Wikipedia:Articles for deletion/Log/2026 March 7"}]}})",
     States(kNo, kYes, kNo)},
};

// The three pages with nothing saved, and the creator's talk page as this entry shows it.
std::string AnswerWithTalk(const std::string& talk) {
    return Answer(kArticleUntagged, kNoDiscussion, kLogWithoutLine + "," + talk);
}

const std::string kLinksDiscussion =
    R"("links":[{"ns":4,"title":"Wikipedia:Articles for deletion/Sample page"}])";

class ReadNoticeTest : public testing::TestWithParam<AnswerCase> {};

TEST_P(ReadNoticeTest, ReadsWhetherTheNoticeIsSavedOrCanBe) {
    EXPECT_EQ(ReadSavedEdits({GetParam().body}, kWithTalk), GetParam().result);
}

SavedStates NoticeOnly(EditState notice) { return States(kNo, kNo, kNo, notice); }

const AnswerCase kNotices[] = {
    {"NoTalkPageYet",
     AnswerWithTalk(
         R"("-3":{"ns":3,"title":"User talk:Creator","missing":"","actions":{"edit":""}})"),
     NoticeOnly(kNo)},
    {"Linked",
     AnswerWithTalk(R"("4":{"ns":3,"title":"User talk:Creator",)" + kLinksDiscussion +
                    R"(,"actions":{"edit":""}})"),
     NoticeOnly(kYes)},
    {"LinkedThoughProtectedSince",
     AnswerWithTalk(R"("4":{"ns":3,"title":"User talk:Creator",)" + kLinksDiscussion +
                    R"(,"actions":[]})"),
     NoticeOnly(kYes)},
    {"Protected", AnswerWithTalk(R"("4":{"ns":3,"title":"User talk:Creator","actions":[]})"),
     NoticeOnly(kCannot)},
    {"NoActionsSaid", AnswerWithTalk(R"("4":{"ns":3,"title":"User talk:Creator"})"),
     NoticeOnly(kCannot)},
    {"FormatVersion2",
     R"({"query":{"pages":[{"ns":0,"title":"Sample page"},)"
     R"({"ns":4,"title":"Wikipedia:Articles for deletion/Sample page","missing":true},)"
     R"({"ns":4,"title":"Wikipedia:Articles for deletion/Log/2026 March 7"},)"
     R"({"ns":3,"title":"User talk:Creator","actions":{"edit":true}}]}})",
     NoticeOnly(kNo)},
    {"FormatVersion2Protected",
     R"({"query":{"pages":[{"ns":0,"title":"Sample page"},)"
     R"({"ns":4,"title":"Wikipedia:Articles for deletion/Sample page","missing":true},)"
     R"({"ns":4,"title":"Wikipedia:Articles for deletion/Log/2026 March 7"},)"
     R"({"ns":3,"title":"User talk:Creator","actions":{"edit":false}}]}})",
     NoticeOnly(kCannot)},
    {"TalkPageNotListed", Answer(kArticleUntagged, kNoDiscussion, kLogWithoutLine),
     CheckFailure{"the answer does not list the page User talk:Creator"}},
};

INSTANTIATE_TEST_SUITE_P(Notices, ReadNoticeTest, testing::ValuesIn(kNotices), kRowName);

// The wiki answers for the titles it normalised the asked ones to.
const NominationPlan kTyped = Plan("sample_page");
const std::string kNormalised = R"("normalized":[{"from":"sample_page","to":"Sample page"},)"
                                R"({"from":"Wikipedia:Articles for deletion/sample_page",)"
                                R"("to":"Wikipedia:Articles for deletion/Sample page"}],)";

TEST(ReadSavedEditsTest, FollowsNormalisedTitles) {
    EXPECT_EQ(
        ReadSavedEdits({Answer(kArticleTagged, kDiscussion, kLogWithLine, kNormalised)}, kTyped),
        (std::variant<SavedStates, CheckFailure>{States(kYes, kYes, kYes)}));
    EXPECT_EQ(ReadSavedEdits({Answer(kArticleTagged, kDiscussion, kLogWithLine)}, kTyped),
              (std::variant<SavedStates, CheckFailure>{
                  CheckFailure{"the answer does not list the page sample_page"}}));
}

const AnswerCase kFailures[] = {
    {"NotJson", "<html>502 Bad Gateway</html>", CheckFailure{"the answer is not JSON"}},
    {"NotAnObject", "[]", CheckFailure{"the answer is not a JSON object"}},
    {"Error", R"({"error":{"code":"readapidenied","info":"You need read permission."}})",
     CheckFailure{"the wiki answered with an error: readapidenied (You need read permission.)"}},
    {"NoQuery", R"({"batchcomplete":""})", CheckFailure{"the answer holds no query result"}},
    {"NoPages", R"({"query":{"normalized":[]}})",
     CheckFailure{"the answer holds no list of pages"}},
    {"PagesNotAList", R"({"query":{"pages":"Sample page"}})",
     CheckFailure{"the answer holds no list of pages"}},
    {"LogNotListed", R"({"query":{"pages":{)" + kArticleTagged + "," + kDiscussion + "}}}",
     CheckFailure{"the answer does not list the page "
                  "Wikipedia:Articles for deletion/Log/2026 March 7"}},
    {"TemplatesCutShort",
     R"({"continue":{"tlcontinue":"3|4|Articles_for_deletion/Other","continue":"||"},)" +
         Answer(kArticleTagged, kDiscussion, kLogWithoutLine).substr(1),
     CheckFailure{"the answer lists the pages' templates only in part"}},
};

INSTANTIATE_TEST_SUITE_P(Answers, ReadSavedEditsTest, testing::ValuesIn(kAnswers), kRowName);
INSTANTIATE_TEST_SUITE_P(Failures, ReadSavedEditsTest, testing::ValuesIn(kFailures), kRowName);

// The check found the article tagged already, in revision 9: a tag counts as this nomination's
// only in a later revision.
TEST(ReadSavedEditsTest, ATagThatWasThereBeforeIsNotThisNominations) {
    NominationPlan plan = kSample;
    plan.front().savedAfterRevision = 9;
    EXPECT_NE(SavedEditsUrls(plan).at(0).find("&prop=templates%7Cinfo&"), std::string::npos);
    const auto tagged = [](int revision) {
        return Answer(
            R"("1":{"pageid":1,"ns":0,"title":"Sample page","lastrevid":)" +
                std::to_string(revision) +
                R"(,"templates":[{"ns":10,"title":"Template:Article for deletion/dated"}]})",
            kNoDiscussion, kLogWithoutLine);
    };
    using Read = std::variant<SavedStates, CheckFailure>;
    EXPECT_EQ(ReadSavedEdits({tagged(9)}, plan), Read{States(kNo, kNo, kNo)});
    EXPECT_EQ(ReadSavedEdits({tagged(10)}, plan), Read{States(kYes, kNo, kNo)});
    EXPECT_EQ(ReadSavedEdits({tagged(9)}, kSample), Read{States(kYes, kNo, kNo)});
}

// Each topic's list counts as saved once it transcludes the discussion, as the day's log does.
TEST(ReadSavedEditsTest, AListingIsSavedOnceItsListTranscludesTheDiscussion) {
    NominationInput input = {.typedTitle = "Sample page",
                             .name = "Sample page",
                             .logKey = "2026_March_7",
                             .topics = {"Football", "Places"}};
    const NominationPlan plan = PlanNomination(input);
    const std::string url = SavedEditsUrls(plan).at(0);
    EXPECT_NE(url.find("%7CWikipedia:WikiProject%20Deletion%20sorting/Football%7CWikipedia:"
                       "WikiProject%20Deletion%20sorting/Places&"),
              std::string::npos)
        << url;
    const std::string football =
        R"("4":{"pageid":4,"ns":4,"title":"Wikipedia:WikiProject Deletion sorting/Football",)"
        R"("templates":[{"ns":4,"title":"Wikipedia:Articles for deletion/Sample page"}]})";
    const std::string places =
        R"("5":{"pageid":5,"ns":4,"title":"Wikipedia:WikiProject Deletion sorting/Places",)"
        R"("templates":[{"ns":4,"title":"Wikipedia:Articles for deletion/Other"}]})";
    EXPECT_EQ(ReadSavedEdits({Answer(kArticleTagged, kDiscussion,
                                     kLogWithLine + "," + football + "," + places)},
                             plan),
              (std::variant<SavedStates, CheckFailure>{
                  SavedStates{kYes, kYes, kYes, kNotAsked, kYes, kNo}}));
    // Without the list of a topic in the answer, nothing can be said of the listings.
    EXPECT_TRUE(std::holds_alternative<CheckFailure>(ReadSavedEdits(
        {Answer(kArticleTagged, kDiscussion, kLogWithLine + "," + football)}, plan)));
}

// The answers to BundleOf(48)'s two requests: the first lists the tag, the discussion, the log
// and Further 1 to 47, the second Further 48, tagged. Every page exists, nothing else saved.
const NominationPlan kFiftyOne = BundleOf(48);

std::string Entry(int id, const std::string& title, const std::string& more = "") {
    return "\"" + std::to_string(id) + R"(":{"pageid":)" + std::to_string(id) +
           R"(,"ns":0,"title":")" + title + "\"" + more + "}";
}

const std::string kTagTemplate =
    R"(,"templates":[{"ns":10,"title":"Template:Article for deletion/dated"}])";

// The first batch's answer, without the further articles from `leftOut` on, and with `more`
// before its pages (a warning, say).
std::string FirstBatch(int leftOut = 48, const std::string& more = "") {
    std::string pages = Entry(1, "Sample page") + "," +
                        Entry(2, "Wikipedia:Articles for deletion/Sample page") + "," +
                        Entry(3, "Wikipedia:Articles for deletion/Log/2026 March 7");
    for (int i = 1; i < leftOut; ++i) pages += "," + Entry(10 + i, "Further " + std::to_string(i));
    return "{" + more + R"("query":{"pages":{)" + pages + "}}}";
}

const std::string kSecondBatch =
    R"({"query":{"pages":{)" + Entry(100, "Further 48", kTagTemplate) + "}}}";

// The discussion saved, and the tag on Further 48.
SavedStates FiftyOneRead() {
    SavedStates saved(kFiftyOne.size(), kNo);
    saved[1] = kYes;
    saved[3] = kNotAsked;
    saved.back() = kYes;
    return saved;
}

struct BatchAnswerCase {
    const char* name;
    std::vector<std::string> answers;
    std::variant<SavedStates, CheckFailure> result;
};

void PrintTo(const BatchAnswerCase& row, std::ostream* out) { *out << row.name; }

class ReadSavedBatchesTest : public testing::TestWithParam<BatchAnswerCase> {};

TEST_P(ReadSavedBatchesTest, PutsTheBatchesAnswersTogether) {
    ASSERT_EQ(SavedEditsUrls(kFiftyOne).size(), 2u);
    EXPECT_EQ(ReadSavedEdits(GetParam().answers, kFiftyOne), GetParam().result);
}

const std::string kTooMany =
    R"("warnings":{"query":{"*":"Too many values supplied for parameter \"titles\". )"
    R"(The limit is 50."}},)";

const BatchAnswerCase kBatchAnswers[] = {
    {"BothBatches", {FirstBatch(), kSecondBatch}, FiftyOneRead()},
    // A wiki that takes fewer titles than asked warns and leaves the rest out.
    {"APageLeftOutWithAWarning",
     {FirstBatch(47, kTooMany), kSecondBatch},
     CheckFailure{"the answer does not list the page Further 47"}},
    {"TheSecondBatchsPageOnlyInTheFirst",
     {FirstBatch(), FirstBatch()},
     CheckFailure{"the answer does not list the page Further 48"}},
    {"OneAnswerForTwoBatches",
     {FirstBatch()},
     CheckFailure{"the answers are not those of the plan's batches"}},
    // What the local MediaWiki answers to more titles than it takes.
    {"TheWikiRefusedTooManyTitles",
     {R"({"error":{"code":"toomanyvalues","info":"Too many values supplied for parameter )"
      R"(\"titles\". The limit is 50.","limit":50,"lowlimit":50,"highlimit":500}})",
      kSecondBatch},
     CheckFailure{"the wiki answered with an error: toomanyvalues (Too many values supplied "
                  "for parameter \"titles\". The limit is 50.)"}},
    {"ASecondBatchThatIsNoAnswer",
     {FirstBatch(), "<html>502 Bad Gateway</html>"},
     CheckFailure{"the answer is not JSON"}},
};

INSTANTIATE_TEST_SUITE_P(Batches, ReadSavedBatchesTest, testing::ValuesIn(kBatchAnswers), kRowName);

struct ReportCase {
    const char* name;
    SavedStates saved;
    std::optional<StatusLine> status;
    std::optional<std::string> question;
};

void PrintTo(const ReportCase& row, std::ostream* out) { *out << row.name; }

class SavedEditsReportTest : public testing::TestWithParam<ReportCase> {};

TEST_P(SavedEditsReportTest, NamesWhatIsSavedAndWhatIsMissing) {
    // The notice is due where the wiki was asked about it.
    const NominationPlan& plan = GetParam().saved[3] == kNotAsked ? kSample : kWithTalk;
    EXPECT_EQ(SavedEditsStatus(plan, GetParam().saved, CreatorsKnown::All), GetParam().status);
    EXPECT_EQ(HalfDoneNomination("Sample page", plan, GetParam().saved, CreatorsKnown::All),
              GetParam().question);
    EXPECT_EQ(NominationComplete(plan, GetParam().saved, CreatorsKnown::All),
              GetParam().status && GetParam().status->text.starts_with("Nomination complete"));
}

const std::string kQuestion = "The nomination of Sample page is not complete: ";

const ReportCase kReports[] = {
    {"None", States(kNo, kNo, kNo), std::nullopt, std::nullopt},
    {"All", States(kYes, kYes, kYes),
     StatusLine{"Nomination complete: tag, discussion and log line saved", "", false},
     std::nullopt},
    {"LogLineMissing", States(kYes, kYes, kNo),
     StatusLine{"Saved: article tag, discussion. Not yet saved: log line", "", false},
     kQuestion + "the log line is not saved."},
    {"TagOnly", States(kYes, kNo, kNo),
     StatusLine{"Saved: article tag. Not yet saved: discussion, log line", "", false},
     kQuestion + "the discussion and the log line are not saved."},
    {"TagMissing", States(kNo, kYes, kYes),
     StatusLine{"Saved: discussion, log line. Not yet saved: article tag", "", false},
     kQuestion + "the article tag is not saved."},
    {"DiscussionOnly", States(kNo, kYes, kNo),
     StatusLine{"Saved: discussion. Not yet saved: article tag, log line", "", false},
     kQuestion + "the article tag and the log line are not saved."},
    {"NoticeMissing", States(kYes, kYes, kYes, kNo),
     StatusLine{"Saved: article tag, discussion, log line. Not yet saved: notice", "", false},
     kQuestion + "the notice to the creator is not saved."},
    {"AllFour", States(kYes, kYes, kYes, kYes),
     StatusLine{"Nomination complete: tag, discussion, log line and notice saved", "", false},
     std::nullopt},
    {"NoticeOnly", States(kNo, kNo, kNo, kYes),
     StatusLine{"Saved: notice. Not yet saved: article tag, discussion, log line", "", false},
     kQuestion + "the article tag, the discussion and the log line are not saved."},
    {"NoticeDueNothingSaved", States(kNo, kNo, kNo, kNo), std::nullopt, std::nullopt},
    {"NoticeCannotBeLeft", States(kYes, kYes, kYes, kCannot),
     StatusLine{"Nomination complete: tag, discussion and log line saved", "", false},
     std::nullopt},
    {"NoticeCannotBeLeftLogMissing", States(kYes, kYes, kNo, kCannot),
     StatusLine{"Saved: article tag, discussion. Not yet saved: log line", "", false},
     kQuestion + "the log line is not saved."},
};

INSTANTIATE_TEST_SUITE_P(Reports, SavedEditsReportTest, testing::ValuesIn(kReports), kRowName);

// A bundle of three: the first article and Second by Creator, Third by Other; the rows are the
// tag, the discussion, the log line, Creator's notice (of Sample page and Second), the tags on
// Second and Third, and Other's notice.
NominationPlan Bundle() {
    NominationInput input{.typedTitle = "Sample page",
                          .name = "Sample page",
                          .logKey = "2026_March_7",
                          .notice = NoticeState::Open,
                          .creator = "Creator"};
    input.further = {{.name = "Second", .notice = NoticeState::Open, .creator = "Creator"},
                     {.name = "Third", .notice = NoticeState::Open, .creator = "Other"}};
    return PlanNomination(input);
}

struct BundleReportCase {
    const char* name;
    SavedStates saved;
    std::optional<std::string> status;
    std::optional<std::string> question;
    CreatorsKnown creators = CreatorsKnown::All;
};

void PrintTo(const BundleReportCase& row, std::ostream* out) { *out << row.name; }

class BundleReportTest : public testing::TestWithParam<BundleReportCase> {};

TEST_P(BundleReportTest, NamesEachOfSeveralEditsOfAKindAndCountsThem) {
    const NominationPlan plan = Bundle();
    ASSERT_EQ(plan.size(), GetParam().saved.size());
    const std::optional<StatusLine> status =
        SavedEditsStatus(plan, GetParam().saved, GetParam().creators);
    EXPECT_EQ(status ? std::optional(status->text) : std::nullopt, GetParam().status);
    EXPECT_EQ(HalfDoneNomination("Sample page", plan, GetParam().saved, GetParam().creators),
              GetParam().question);
    EXPECT_EQ(NominationComplete(plan, GetParam().saved, GetParam().creators),
              status && status->text.starts_with("Nomination complete"));
}

const BundleReportCase kBundleReports[] = {
    {"NoneSaved", {kNo, kNo, kNo, kNo, kNo, kNo, kNo}, std::nullopt, std::nullopt},
    {"AllSaved",
     {kYes, kYes, kYes, kYes, kYes, kYes, kYes},
     "Nomination complete: 3 tags, discussion, log line and 2 notices saved",
     std::nullopt},
    {"ATagAndANoticeMissing",
     {kYes, kYes, kYes, kYes, kYes, kNo, kNo},
     "Saved: tag on Sample page, discussion, log line, notice to Creator, tag on Second. "
     "Not yet saved: tag on Third, notice to Other",
     kQuestion + "the tag on Third and the notice to Other are not saved."},
    {"OnlyTheFirstTagMissing",
     {kNo, kYes, kYes, kYes, kYes, kYes, kYes},
     "Saved: discussion, log line, notice to Creator, tag on Second, tag on Third, notice to "
     "Other. Not yet saved: tag on Sample page",
     kQuestion + "the tag on Sample page is not saved."},
    // A talk page that cannot be edited leaves its notice out of the count.
    {"ANoticeThatCannotBeLeft",
     {kYes, kYes, kYes, kYes, kYes, kYes, kCannot},
     "Nomination complete: 3 tags, discussion, log line and notice saved",
     std::nullopt},
    // Until the wiki has said who created every article, more notices may join the plan.
    {"EverythingSavedWhileACreatorIsUnknown",
     {kYes, kYes, kYes, kYes, kYes, kYes, kYes},
     "Saved so far: tag on Sample page, discussion, log line, notice to Creator, tag on Second, "
     "tag on Third, notice to Other. The creators' notices are not known yet",
     kQuestion + "the creators' notices are not known yet.",
     CreatorsKnown::NotAll},
    {"ATagMissingWhileACreatorIsUnknown",
     {kYes, kYes, kYes, kYes, kYes, kNo, kYes},
     "Saved: tag on Sample page, discussion, log line, notice to Creator, tag on Second, notice "
     "to Other. Not yet saved: tag on Third",
     kQuestion + "the tag on Third is not saved and the creators' notices are not known yet.",
     CreatorsKnown::NotAll},
    // A notice that joined the plan since the wiki was last asked is not known to be saved.
    {"ANoticeNotAskedAboutYet",
     {kYes, kYes, kYes, kYes, kYes, kYes, kNotAsked},
     "Saved so far: tag on Sample page, discussion, log line, notice to Creator, tag on Second, "
     "tag on Third. The creators' notices are not known yet",
     kQuestion + "the creators' notices are not known yet."},
};

INSTANTIATE_TEST_SUITE_P(Bundles, BundleReportTest, testing::ValuesIn(kBundleReports), kRowName);

}  // namespace
}  // namespace nominator
