#include "core/saved_edits.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace nominator {

void PrintTo(const SavedEdits& saved, std::ostream* out) {
    *out << "tag " << saved.tag << ", discussion " << saved.discussion << ", log line "
         << saved.logLine << ", notice " << static_cast<int>(saved.notice);
}

// Beside the nomination check's tests.
void PrintTo(const CheckFailure& failure, std::ostream* out);

namespace {

const NominationPages kSample{"Sample page", "Wikipedia:Articles for deletion/Sample page",
                              "Wikipedia:Articles for deletion/Log/2026 March 7"};

struct UrlCase {
    const char* name;
    NominationPages pages;
    // The values of titles and tltemplates as the address carries them.
    std::string titles;
    std::string templates;
};

void PrintTo(const UrlCase& row, std::ostream* out) { *out << row.name; }

class SavedEditsUrlTest : public testing::TestWithParam<UrlCase> {};

TEST_P(SavedEditsUrlTest, AsksForTheThreePagesAndTheirTemplatesInOneRequest) {
    EXPECT_EQ(SavedEditsUrl(GetParam().pages),
              "https://en.wikipedia.org/w/api.php?action=query&titles=" + GetParam().titles +
                  "&prop=templates&tltemplates=" + GetParam().templates +
                  "&tllimit=max&format=json");
}

const std::string kDeletionTemplates = "Template:Article%20for%20deletion/dated%7CTemplate:AfDM";

const UrlCase kUrls[] = {
    {"Plain", kSample,
     "Sample%20page%7CWikipedia:Articles%20for%20deletion/Sample%20page%7C"
     "Wikipedia:Articles%20for%20deletion/Log/2026%20March%207",
     kDeletionTemplates + "%7CWikipedia:Articles%20for%20deletion/Sample%20page"},
    {"QueryDelimiters",
     {"AT&T", "Wikipedia:Articles for deletion/AT&T", "L"},
     "AT%26T%7CWikipedia:Articles%20for%20deletion/AT%26T%7CL",
     kDeletionTemplates + "%7CWikipedia:Articles%20for%20deletion/AT%26T"},
    // Each value holding "|" stays one title, and so do all the others with it.
    {"PipeInATitle",
     {"A|B", "D/A|B", "L"},
     "%1FA%7CB%1FD/A%7CB%1FL",
     "%1FTemplate:Article%20for%20deletion/dated%1FTemplate:AfDM%1FD/A%7CB"},
};

const auto kRowName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Pages, SavedEditsUrlTest, testing::ValuesIn(kUrls), kRowName);

const NominationPages kWithTalk{kSample.article, kSample.discussion, kSample.log,
                                "User talk:Creator"};

TEST(SavedEditsUrlTest, AsksWhetherTheCreatorsTalkPageLinksTheDiscussionAndMayBeEdited) {
    EXPECT_EQ(SavedEditsUrl(kWithTalk),
              "https://en.wikipedia.org/w/api.php?action=query&titles="
              "Sample%20page%7CWikipedia:Articles%20for%20deletion/Sample%20page%7C"
              "Wikipedia:Articles%20for%20deletion/Log/2026%20March%207%7CUser%20talk:Creator"
              "&prop=templates%7Clinks%7Cinfo&tltemplates=" +
                  kDeletionTemplates +
                  "%7CWikipedia:Articles%20for%20deletion/Sample%20page&tllimit=max"
                  "&pltitles=Wikipedia:Articles%20for%20deletion/Sample%20page&pllimit=max"
                  "&intestactions=edit&format=json");
}

struct AnswerCase {
    const char* name;
    std::string body;
    std::variant<SavedEdits, CheckFailure> result;
};

void PrintTo(const AnswerCase& row, std::ostream* out) { *out << row.name; }

class ReadSavedEditsTest : public testing::TestWithParam<AnswerCase> {};

TEST_P(ReadSavedEditsTest, ReadsWhichEditsTheWikiHolds) {
    EXPECT_EQ(ReadSavedEdits(GetParam().body, kSample), GetParam().result);
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
    {"NoneSaved", Answer(kArticleUntagged, kNoDiscussion, kLogWithoutLine), SavedEdits{}},
    {"TagOnly", Answer(kArticleTagged, kNoDiscussion, kLogWithoutLine),
     SavedEdits{true, false, false}},
    {"RenominationTag",
     Answer(R"("1":{"ns":0,"title":"Sample page","templates":[{"ns":10,"title":"Template:AfDM"}]})",
            kDiscussion, kLogWithoutLine),
     SavedEdits{true, true, false}},
    {"AllSaved", Answer(kArticleTagged, kDiscussion, kLogWithLine), SavedEdits{true, true, true}},
    {"LogLineOnly", Answer(kArticleUntagged, kNoDiscussion, kLogWithLine),
     SavedEdits{false, false, true}},
    {"LogOfOtherDiscussions",
     Answer(kArticleTagged, kDiscussion,
            R"("3":{"ns":4,"title":"Wikipedia:Articles for deletion/Log/2026 March 7",)"
            R"("templates":[{"ns":4,"title":"Wikipedia:Articles for deletion/Other"}]})"),
     SavedEdits{true, true, false}},
    {"MissingArticleAndLog",
     Answer(R"("-1":{"ns":0,"title":"Sample page","missing":""})", kDiscussion,
            R"("-2":{"ns":4,"title":"Wikipedia:Articles for deletion/Log/2026 March 7",)"
            R"("missing":""})"),
     SavedEdits{false, true, false}},
    {"FormatVersion2",
     R"({"batchcomplete":true,"query":{"pages":[)"
     R"({"ns":0,"title":"Sample page","templates":[{"ns":10,"title":"Template:AfDM"}]},)"
     R"({"ns":4,"title":"Wikipedia:Articles for deletion/Sample page","missing":true},)"
     R"({"pageid":3,"ns":4,"title":"Wikipedia:Articles for deletion/Log/2026 March 7",)"
     R"("templates":[{"ns":4,"title":"Wikipedia:Articles for deletion/Sample page"}]}]}})",
     SavedEdits{true, false, true}},
    {"FormatVersion2FalseFlags",
     R"({"query":{"pages":[{"ns":0,"title":"Sample page","missing":false},)"
     R"({"ns":4,"title":"Wikipedia:Articles for deletion/Sample page","missing":false},)"
     R"({"ns":4,"title":"Wikipedia:Articles for deletion/Log/2026 March 7"}]}})",
     SavedEdits{false, true, false}},
};

// The three pages with nothing saved, and the creator's talk page as this entry shows it.
std::string AnswerWithTalk(const std::string& talk) {
    return Answer(kArticleUntagged, kNoDiscussion, kLogWithoutLine + "," + talk);
}

const std::string kLinksDiscussion =
    R"("links":[{"ns":4,"title":"Wikipedia:Articles for deletion/Sample page"}])";

class ReadNoticeTest : public testing::TestWithParam<AnswerCase> {};

TEST_P(ReadNoticeTest, ReadsWhetherTheNoticeIsSavedOrCanBe) {
    EXPECT_EQ(ReadSavedEdits(GetParam().body, kWithTalk), GetParam().result);
}

SavedEdits NoticeOnly(Notice notice) { return SavedEdits{false, false, false, notice}; }

const AnswerCase kNotices[] = {
    {"NoTalkPageYet",
     AnswerWithTalk(
         R"("-3":{"ns":3,"title":"User talk:Creator","missing":"","actions":{"edit":""}})"),
     NoticeOnly(Notice::Unsaved)},
    {"Linked",
     AnswerWithTalk(R"("4":{"ns":3,"title":"User talk:Creator",)" + kLinksDiscussion +
                    R"(,"actions":{"edit":""}})"),
     NoticeOnly(Notice::Saved)},
    {"LinkedThoughProtectedSince",
     AnswerWithTalk(R"("4":{"ns":3,"title":"User talk:Creator",)" + kLinksDiscussion +
                    R"(,"actions":[]})"),
     NoticeOnly(Notice::Saved)},
    {"Protected", AnswerWithTalk(R"("4":{"ns":3,"title":"User talk:Creator","actions":[]})"),
     NoticeOnly(Notice::CannotLeave)},
    {"NoActionsSaid", AnswerWithTalk(R"("4":{"ns":3,"title":"User talk:Creator"})"),
     NoticeOnly(Notice::CannotLeave)},
    {"FormatVersion2",
     R"({"query":{"pages":[{"ns":0,"title":"Sample page"},)"
     R"({"ns":4,"title":"Wikipedia:Articles for deletion/Sample page","missing":true},)"
     R"({"ns":4,"title":"Wikipedia:Articles for deletion/Log/2026 March 7"},)"
     R"({"ns":3,"title":"User talk:Creator","actions":{"edit":true}}]}})",
     NoticeOnly(Notice::Unsaved)},
    {"FormatVersion2Protected",
     R"({"query":{"pages":[{"ns":0,"title":"Sample page"},)"
     R"({"ns":4,"title":"Wikipedia:Articles for deletion/Sample page","missing":true},)"
     R"({"ns":4,"title":"Wikipedia:Articles for deletion/Log/2026 March 7"},)"
     R"({"ns":3,"title":"User talk:Creator","actions":{"edit":false}}]}})",
     NoticeOnly(Notice::CannotLeave)},
    {"TalkPageNotListed", Answer(kArticleUntagged, kNoDiscussion, kLogWithoutLine),
     CheckFailure{"the answer does not list the creator's talk page"}},
};

INSTANTIATE_TEST_SUITE_P(Notices, ReadNoticeTest, testing::ValuesIn(kNotices), kRowName);

// The wiki answers for the titles it normalised the asked ones to.
const NominationPages kTyped{"sample_page", "Project:Articles for deletion/sample_page",
                             "Wikipedia:Articles for deletion/Log/2026 March 7"};
const std::string kNormalised = R"("normalized":[{"from":"sample_page","to":"Sample page"},)"
                                R"({"from":"Project:Articles for deletion/sample_page",)"
                                R"("to":"Wikipedia:Articles for deletion/Sample page"}],)";

TEST(ReadSavedEditsTest, FollowsNormalisedTitles) {
    EXPECT_EQ(
        ReadSavedEdits(Answer(kArticleTagged, kDiscussion, kLogWithLine, kNormalised), kTyped),
        (std::variant<SavedEdits, CheckFailure>{SavedEdits{true, true, true}}));
    EXPECT_EQ(ReadSavedEdits(Answer(kArticleTagged, kDiscussion, kLogWithLine), kTyped),
              (std::variant<SavedEdits, CheckFailure>{
                  CheckFailure{"the answer does not list all three pages"}}));
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
     CheckFailure{"the answer does not list all three pages"}},
    {"TemplatesCutShort",
     R"({"continue":{"tlcontinue":"3|4|Articles_for_deletion/Other","continue":"||"},)" +
         Answer(kArticleTagged, kDiscussion, kLogWithoutLine).substr(1),
     CheckFailure{"the answer lists the pages' templates only in part"}},
};

INSTANTIATE_TEST_SUITE_P(Answers, ReadSavedEditsTest, testing::ValuesIn(kAnswers), kRowName);
INSTANTIATE_TEST_SUITE_P(Failures, ReadSavedEditsTest, testing::ValuesIn(kFailures), kRowName);

struct ReportCase {
    const char* name;
    SavedEdits saved;
    std::optional<StatusLine> status;
    std::optional<std::string> question;
};

void PrintTo(const ReportCase& row, std::ostream* out) { *out << row.name; }

class SavedEditsReportTest : public testing::TestWithParam<ReportCase> {};

TEST_P(SavedEditsReportTest, NamesWhatIsSavedAndWhatIsMissing) {
    EXPECT_EQ(SavedEditsStatus(GetParam().saved), GetParam().status);
    EXPECT_EQ(HalfDoneNomination("Sample page", GetParam().saved), GetParam().question);
}

const std::string kQuestion = "The nomination of Sample page is not complete: ";

const ReportCase kReports[] = {
    {"None", {false, false, false}, std::nullopt, std::nullopt},
    {"All",
     {true, true, true},
     StatusLine{"Nomination complete: tag, discussion and log line saved", "", false},
     std::nullopt},
    {"LogLineMissing",
     {true, true, false},
     StatusLine{"Saved: article tag, discussion. Not yet saved: log line", "", false},
     kQuestion + "the log line is not saved."},
    {"TagOnly",
     {true, false, false},
     StatusLine{"Saved: article tag. Not yet saved: discussion, log line", "", false},
     kQuestion + "the discussion and the log line are not saved."},
    {"TagMissing",
     {false, true, true},
     StatusLine{"Saved: discussion, log line. Not yet saved: article tag", "", false},
     kQuestion + "the article tag is not saved."},
    {"DiscussionOnly",
     {false, true, false},
     StatusLine{"Saved: discussion. Not yet saved: article tag, log line", "", false},
     kQuestion + "the article tag and the log line are not saved."},
    {"NoticeMissing",
     {true, true, true, Notice::Unsaved},
     StatusLine{"Saved: article tag, discussion, log line. Not yet saved: notice", "", false},
     kQuestion + "the notice to the creator is not saved."},
    {"AllFour",
     {true, true, true, Notice::Saved},
     StatusLine{"Nomination complete: tag, discussion, log line and notice saved", "", false},
     std::nullopt},
    {"NoticeOnly",
     {false, false, false, Notice::Saved},
     StatusLine{"Saved: notice. Not yet saved: article tag, discussion, log line", "", false},
     kQuestion + "the article tag, the discussion and the log line are not saved."},
    {"NoticeDueNothingSaved", {false, false, false, Notice::Unsaved}, std::nullopt, std::nullopt},
    {"NoticeCannotBeLeft",
     {true, true, true, Notice::CannotLeave},
     StatusLine{"Nomination complete: tag, discussion and log line saved", "", false},
     std::nullopt},
    {"NoticeCannotBeLeftLogMissing",
     {true, true, false, Notice::CannotLeave},
     StatusLine{"Saved: article tag, discussion. Not yet saved: log line", "", false},
     kQuestion + "the log line is not saved."},
};

INSTANTIATE_TEST_SUITE_P(Reports, SavedEditsReportTest, testing::ValuesIn(kReports), kRowName);

}  // namespace
}  // namespace nominator
