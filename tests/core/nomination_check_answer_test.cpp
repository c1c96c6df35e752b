#include "core/nomination_check_answer.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace nominator {

void PrintTo(const NominationFacts& facts, std::ostream* out) {
    *out << "highest earlier nomination " << facts.highestEarlierNomination << ", article state "
         << static_cast<int>(facts.article) << ", last revision " << facts.lastRevision
         << (facts.proposedDeletion ? ", proposed for deletion" : "")
         << (facts.speedyDeletion ? ", tagged for speedy deletion" : "");
}

void PrintTo(const CheckFailure& failure, std::ostream* out) {
    *out << "failure: " << failure.reason;
}

namespace {

using State = ArticleState;

// The pages of the project namespace that the API lists for the prefix of Sample's discussions.
const std::string kNoEarlier = R"("allpages":[])";
const std::string kSecondAndLookAlikes =
    R"("allpages":[{"pageid":1,"ns":4,"title":"Wikipedia:Articles for deletion/Sample"},)"
    R"j({"pageid":2,"ns":4,"title":"Wikipedia:Articles for deletion/Sample (2nd nomination)"},)j"
    R"({"pageid":3,"ns":4,"title":"Wikipedia:Articles for deletion/Sample 2"},)"
    R"j({"pageid":4,"ns":4,"title":"Wikipedia:Articles for deletion/Sample and more (7th nomination)"}])j";

// A default-format answer with these members of "query".
std::string Answer(const std::string& queryMembers) {
    return R"({"batchcomplete":"","query":{)" + queryMembers + "}}";
}

std::string Pages(const std::string& pages) { return R"("pages":{)" + pages + "}"; }

const std::string kSampleFine = R"("41":{"pageid":41,"ns":0,"title":"Sample","lastrevid":5})";

struct AnswerCase {
    const char* name;
    std::string article;
    std::string body;
    NominationCheck result;
};

void PrintTo(const AnswerCase& row, std::ostream* out) { *out << row.name; }

class ReadNominationCheckTest : public testing::TestWithParam<AnswerCase> {};

TEST_P(ReadNominationCheckTest, ReadsWhatTheAnswerSays) {
    EXPECT_EQ(ReadNominationCheck(GetParam().body, GetParam().article), GetParam().result);
}

const AnswerCase kNominations[] = {
    {"FirstNomination", "Sample", Answer(kNoEarlier + "," + Pages(kSampleFine)),
     NominationFacts{0, State::Fine, 5}},
    {"SecondNominationAmongLookAlikes", "Sample",
     Answer(kSecondAndLookAlikes + "," + Pages(kSampleFine)), NominationFacts{2, State::Fine, 5}},
    {"ListingEntriesWithoutTitlesIgnored", "Sample",
     Answer(R"("allpages":[{"pageid":1},7,null,{"title":5},)"
            R"({"title":"Wikipedia:Articles for deletion/Sample"}],)" +
            Pages(kSampleFine)),
     NominationFacts{1, State::Fine, 5}},
    {"FormatVersion2", "Sample",
     R"({"batchcomplete":true,"query":{"allpages":[)"
     R"j({"pageid":1,"ns":4,"title":"Wikipedia:Articles for deletion/Sample (3rd nomination)"}],)j"
     R"("pages":[{"pageid":41,"ns":0,"title":"Sample"}]}})",
     NominationFacts{3, State::Fine}},
    {"ListCutPastEveryNomination", "Sample",
     R"({"continue":{"apcontinue":"Articles_for_deletion/Sample_and_more","continue":"-||"},)"
     R"("query":{)" +
         kSecondAndLookAlikes + "," + Pages(kSampleFine) + "}}",
     NominationFacts{2, State::Fine, 5}},
    {"OtherModuleContinues", "Sample",
     R"({"continue":{"tlcontinue":"41|10|AfDM","continue":"||"},"query":{)" + kNoEarlier + "," +
         Pages(kSampleFine) + "}}",
     NominationFacts{0, State::Fine, 5}},
};

const AnswerCase kArticles[] = {
    {"Missing", "Sample",
     Answer(kNoEarlier + "," + Pages(R"("-1":{"ns":0,"title":"Sample","missing":""})")),
     NominationFacts{0, State::Missing}},
    {"MissingWithEarlierNominations", "Sample",
     Answer(kSecondAndLookAlikes + "," + Pages(R"("-1":{"ns":0,"title":"Sample","missing":""})")),
     NominationFacts{2, State::Missing}},
    {"MissingFormatVersion2", "Sample",
     R"({"query":{"allpages":[],"pages":[{"ns":0,"title":"Sample","missing":true}]}})",
     NominationFacts{0, State::Missing}},
    {"FalseFlagsFormatVersion2", "Sample",
     R"({"query":{"allpages":[],"pages":[{"ns":0,"title":"Sample","missing":false,)"
     R"("redirect":false}]}})",
     NominationFacts{0, State::Fine}},
    {"Redirect", "Sample",
     Answer(kNoEarlier + "," + Pages(R"("9":{"ns":0,"title":"Sample","redirect":""})")),
     NominationFacts{0, State::Redirect}},
    {"TaggedFirstNomination", "Sample",
     Answer(kNoEarlier + "," +
            Pages(R"("9":{"ns":0,"title":"Sample","templates":[)"
                  R"({"ns":10,"title":"Template:Article for deletion/dated"}]})")),
     NominationFacts{0, State::AlreadyNominated}},
    {"TaggedRenomination", "Sample",
     Answer(
         kSecondAndLookAlikes + "," +
         Pages(R"("9":{"ns":0,"title":"Sample","templates":[{"ns":10,"title":"Template:AfDM"}]})")),
     NominationFacts{2, State::AlreadyNominated}},
    {"OtherTemplateOnly", "Sample",
     Answer(
         kNoEarlier + "," +
         Pages(R"("9":{"ns":0,"title":"Sample","templates":[{"ns":10,"title":"Template:Afd"}]})")),
     NominationFacts{0, State::Fine}},
    {"NoTemplates", "Sample",
     Answer(kNoEarlier + "," + Pages(R"("9":{"ns":0,"title":"Sample","templates":[]})")),
     NominationFacts{0, State::Fine}},
    {"UserPage", "User:Sample",
     Answer(kNoEarlier + "," + Pages(R"("3":{"ns":2,"title":"User:Sample"})")),
     NominationFacts{0, State::OtherNamespace}},
    {"DraftPage", "Draft:Sample",
     Answer(kNoEarlier + "," + Pages(R"("3":{"ns":118,"title":"Draft:Sample"})")),
     NominationFacts{0, State::OtherNamespace}},
    {"SpecialPage", "Special:Random",
     Answer(kNoEarlier + "," + Pages(R"("-1":{"ns":-1,"title":"Special:Random","special":""})")),
     NominationFacts{0, State::OtherNamespace}},
    {"InvalidTitle", "Foo[bar]",
     Answer(kNoEarlier + "," +
            Pages(R"("-1":{"title":"Foo[bar]","invalidreason":"The requested page title )"
                  R"(contains invalid characters: \"[\".","invalid":""})")),
     NominationFacts{0, State::Missing}},
    {"InvalidFormatVersion2", "Foo|Bar",
     R"({"query":{"allpages":[],"pages":[{"title":"Foo|Bar","invalid":true}]}})",
     NominationFacts{0, State::Missing}},
    {"ScalarsWhereListsBelong", "Sample",
     Answer(kNoEarlier + R"(,"normalized":"Sample","interwiki":7,)" +
            Pages(R"("9":{"ns":0,"title":"Sample","templates":"Template:AfDM"})")),
     NominationFacts{0, State::Fine}},
    {"NoPagesSaysNothingAgainstTheArticle", "Sample", Answer(kSecondAndLookAlikes),
     NominationFacts{2, State::Fine}},
    {"EmptyNameIsNoArticle", "", Answer(kNoEarlier), NominationFacts{0, State::Missing}},
    {"Interwiki", "Fr:Café", Answer(kNoEarlier + R"(,"interwiki":[{"title":"Fr:Café","iw":"fr"}])"),
     NominationFacts{0, State::OtherNamespace}},
};

// The other deletion processes' tags, as the API names the templates they leave.
std::string WithTemplates(const std::string& templates) {
    return Answer(
        kNoEarlier + "," +
        Pages(R"("9":{"ns":0,"title":"Sample","lastrevid":7,"templates":[)" + templates + "]}"));
}

const AnswerCase kDeletionTags[] = {
    {"ProposedDeletion", "Sample",
     WithTemplates(R"({"ns":10,"title":"Template:Proposed deletion/dated"})"),
     NominationFacts{.lastRevision = 7, .proposedDeletion = true}},
    {"BiographysProposedDeletion", "Sample",
     WithTemplates(R"({"ns":10,"title":"Template:Prod blp/dated"})"),
     NominationFacts{.lastRevision = 7, .proposedDeletion = true}},
    {"SpeedyDeletion", "Sample",
     WithTemplates(R"({"ns":10,"title":"Template:Db-a7"},{"ns":10,"title":"Template:Db-meta"})"),
     NominationFacts{.lastRevision = 7, .speedyDeletion = true}},
    {"EveryTagAtOnce", "Sample",
     WithTemplates(R"({"ns":10,"title":"Template:AfDM"},{"ns":10,"title":"Template:Db-meta"},)"
                   R"({"ns":10,"title":"Template:Prod blp/dated"})"),
     NominationFacts{.article = State::AlreadyNominated,
                     .lastRevision = 7,
                     .proposedDeletion = true,
                     .speedyDeletion = true}},
    {"LookAlikeTemplatesAreNoTags", "Sample",
     WithTemplates(R"({"ns":10,"title":"Template:Proposed deletion"},)"
                   R"({"ns":10,"title":"Template:Db"},{"ns":0,"title":"Prod blp/dated"})"),
     NominationFacts{.lastRevision = 7}},
    {"FormatVersion2", "Sample",
     R"({"query":{"allpages":[],"pages":[{"ns":0,"title":"Sample","templates":[)"
     R"({"ns":10,"title":"Template:Db-meta"},)"
     R"({"ns":10,"title":"Template:Proposed deletion/dated"}]}]}})",
     NominationFacts{.proposedDeletion = true, .speedyDeletion = true}},
    {"AnotherPagesTagsAreNotTheArticles", "Sample",
     Answer(kNoEarlier + "," +
            Pages(R"("8":{"ns":0,"title":"Other","templates":[)"
                  R"({"ns":10,"title":"Template:Db-meta"}]},)"
                  R"("9":{"ns":0,"title":"Sample"})")),
     NominationFacts{}},
};

// Each warning wins over the ones after it.
const AnswerCase kOrder[] = {
    {"OtherNamespaceBeforeMissing", "User:Nobody",
     Answer(kNoEarlier + "," + Pages(R"("-1":{"ns":2,"title":"User:Nobody","missing":""})")),
     NominationFacts{0, State::OtherNamespace}},
    {"OtherNamespaceBeforeRedirect", "Wikipedia:Sample",
     Answer(kNoEarlier + "," +
            Pages(R"("5":{"ns":4,"title":"Wikipedia:Sample","redirect":"","templates":[)"
                  R"({"ns":10,"title":"Template:AfDM"}]})")),
     NominationFacts{0, State::OtherNamespace}},
    {"MissingBeforeTagged", "Sample",
     Answer(kNoEarlier + "," +
            Pages(R"("-1":{"ns":0,"title":"Sample","missing":"","templates":[)"
                  R"({"ns":10,"title":"Template:AfDM"}]})")),
     NominationFacts{0, State::Missing}},
    {"RedirectBeforeTagged", "Sample",
     Answer(kNoEarlier + "," +
            Pages(R"("5":{"ns":0,"title":"Sample","redirect":"","templates":[)"
                  R"({"ns":10,"title":"Template:Article for deletion/dated"}]})")),
     NominationFacts{0, State::Redirect}},
};

// The article is the page the API names after it, or after the title it normalised it to.
const AnswerCase kFinding[] = {
    {"AmongSeveralPages", "Sample",
     Answer(kNoEarlier + "," +
            Pages(R"("-1":{"ns":0,"title":"Other","missing":""},)"
                  R"("5":{"ns":0,"title":"Sample","redirect":""},)"
                  R"("6":{"ns":2,"title":"User:Sample"})")),
     NominationFacts{0, State::Redirect}},
    {"Normalised", "WP:Sandbox",
     Answer(kNoEarlier + R"(,"normalized":[{"from":"WP:Sandbox","to":"Wikipedia:Sandbox"}],)" +
            Pages(R"("-1":{"ns":0,"title":"WP:Sandbox","missing":""},)"
                  R"("8":{"ns":4,"title":"Wikipedia:Sandbox"})")),
     NominationFacts{0, State::OtherNamespace}},
    {"OtherTitlesNormalisationIgnored", "Sample",
     Answer(kNoEarlier + R"(,"normalized":[{"from":"Other","to":"Sample"}],)" +
            Pages(R"("8":{"ns":0,"title":"Sample","missing":""})")),
     NominationFacts{0, State::Missing}},
    {"NormalisedFormatVersion2", "Sample_page",
     R"({"query":{"allpages":[],"normalized":[{"fromencoded":false,"from":"Sample_page",)"
     R"("to":"Sample page"}],"pages":[{"ns":0,"title":"Sample page","redirect":true}]}})",
     NominationFacts{0, State::Redirect}},
};

const AnswerCase kFailures[] = {
    {"Empty", "Sample", "", CheckFailure{"the answer is not JSON"}},
    {"Html", "Sample", "<!DOCTYPE html><html><body>502 Bad Gateway</body></html>",
     CheckFailure{"the answer is not JSON"}},
    {"Truncated", "Sample", R"({"query":{"allpages":[)", CheckFailure{"the answer is not JSON"}},
    {"TrailingText", "Sample", Answer(kNoEarlier) + " and more",
     CheckFailure{"the answer is not JSON"}},
    {"InvalidUtf8InAString", "Sample", "{\"query\":{\"allpages\":[{\"title\":\"\xFF\"}]}}",
     CheckFailure{"the answer is not JSON"}},
    {"Array", "Sample", "[]", CheckFailure{"the answer is not a JSON object"}},
    {"String", "Sample", R"("query")", CheckFailure{"the answer is not a JSON object"}},
    {"Null", "Sample", "null", CheckFailure{"the answer is not a JSON object"}},
    {"Error", "Sample",
     R"({"error":{"code":"ratelimited","info":"You've exceeded your rate limit."},)"
     R"("servedby":"mw1"})",
     CheckFailure{"the wiki answered with an error: ratelimited (You've exceeded your rate "
                  "limit.)"}},
    {"ErrorWithQuery", "Sample", R"({"error":{"code":"x"},"query":{"allpages":[]}})",
     CheckFailure{"the wiki answered with an error: x"}},
    {"ErrorNotAnObject", "Sample", R"({"error":"boom"})",
     CheckFailure{"the wiki answered with an error"}},
    {"NoQuery", "Sample", R"({"batchcomplete":""})",
     CheckFailure{"the answer holds no query result"}},
    {"QueryNotAnObject", "Sample", R"({"query":[]})",
     CheckFailure{"the answer holds no query result"}},
    {"NoListing", "Sample", Answer(Pages(kSampleFine)),
     CheckFailure{"the answer holds no list of discussion pages"}},
    {"ListingNotAList", "Sample", Answer(R"("allpages":{"1":{"title":"x"}})"),
     CheckFailure{"the answer holds no list of discussion pages"}},
    {"PagesNotAList", "Sample", Answer(kNoEarlier + R"(,"pages":"Sample")"),
     CheckFailure{"the answer's pages are not a list"}},
    {"ArticleNotListed", "Sample",
     Answer(kNoEarlier + "," + Pages(R"("5":{"ns":0,"title":"Other"})")),
     CheckFailure{"the answer does not list the article"}},
    {"ListCutBeforeTheNominations", "Sample",
     R"({"continue":{"apcontinue":"Articles_for_deletion/SampleZ","continue":"-||"},"query":{)" +
         kNoEarlier + "}}",
     CheckFailure{"too many pages start with this title to list in one answer"}},
    {"ListCutAmongTheNominations", "Sample page",
     R"j({"continue":{"apcontinue":"Articles_for_deletion/Sample_page_(3rd_nomination)",)j"
     R"("continue":"-||"},"query":{)" +
         kNoEarlier + "}}",
     CheckFailure{"too many pages start with this title to list in one answer"}},
    {"ListCutWithoutAPlace", "Sample",
     R"({"continue":{"apcontinue":5},"query":{)" + kNoEarlier + "}}",
     CheckFailure{"too many pages start with this title to list in one answer"}},
};

const auto kRowName = [](const auto& info) { return std::string(info.param.name); };
INSTANTIATE_TEST_SUITE_P(Nominations, ReadNominationCheckTest, testing::ValuesIn(kNominations),
                         kRowName);
INSTANTIATE_TEST_SUITE_P(Articles, ReadNominationCheckTest, testing::ValuesIn(kArticles), kRowName);
INSTANTIATE_TEST_SUITE_P(DeletionTags, ReadNominationCheckTest, testing::ValuesIn(kDeletionTags),
                         kRowName);
INSTANTIATE_TEST_SUITE_P(Order, ReadNominationCheckTest, testing::ValuesIn(kOrder), kRowName);
INSTANTIATE_TEST_SUITE_P(Finding, ReadNominationCheckTest, testing::ValuesIn(kFinding), kRowName);
INSTANTIATE_TEST_SUITE_P(Failures, ReadNominationCheckTest, testing::ValuesIn(kFailures), kRowName);

struct FurtherCase {
    const char* name;
    std::string body;
    std::variant<std::vector<NominationFacts>, CheckFailure> result;
};

void PrintTo(const FurtherCase& row, std::ostream* out) { *out << row.name; }

class ReadFurtherCheckTest : public testing::TestWithParam<FurtherCase> {};

// The further articles "Other", "Gone" and "Tagged", read as the first article is.
TEST_P(ReadFurtherCheckTest, ReadsEachArticleInTheOrderAsked) {
    EXPECT_EQ(ReadFurtherCheck(GetParam().body, {"Other", "Gone", "Tagged"}), GetParam().result);
}

const std::string kOther = R"("1":{"pageid":1,"ns":0,"title":"Other","lastrevid":7})";
const std::string kGone = R"("-1":{"ns":0,"title":"Gone","missing":""})";
const std::string kTagged =
    R"("3":{"pageid":3,"ns":0,"title":"Tagged","lastrevid":9,)"
    R"("templates":[{"ns":10,"title":"Template:Article for deletion/dated"}]})";

const FurtherCase kFurther[] = {
    {"EachAsItStands", Answer(Pages(kTagged + "," + kOther + "," + kGone)),
     std::vector<NominationFacts>{
         {0, State::Fine, 7}, {0, State::Missing, 0}, {0, State::AlreadyNominated, 9}}},
    {"UnderTheirNormalisedTitles",
     Answer(R"("normalized":[{"from":"Other","to":"Other"}],)" +
            Pages(R"("2":{"pageid":2,"ns":0,"title":"Gone","redirect":"","lastrevid":4},)" +
                  kOther + "," + kTagged)),
     std::vector<NominationFacts>{
         {0, State::Fine, 7}, {0, State::Redirect, 4}, {0, State::AlreadyNominated, 9}}},
    // Their other deletion processes' tags, as the first article's check reads them.
    {"ProposedAndSpeedyTags",
     Answer(Pages(R"("1":{"pageid":1,"ns":0,"title":"Other","lastrevid":7,"templates":)"
                  R"([{"ns":10,"title":"Template:Prod blp/dated"}]},)" +
                  kGone + "," +
                  R"("3":{"pageid":3,"ns":0,"title":"Tagged","lastrevid":9,"templates":)"
                  R"([{"ns":10,"title":"Template:Db-a7"},{"ns":10,"title":"Template:Db-meta"}]})")),
     std::vector<NominationFacts>{
         {.article = State::Fine, .lastRevision = 7, .proposedDeletion = true},
         {0, State::Missing, 0},
         {.article = State::Fine, .lastRevision = 9, .speedyDeletion = true}}},
    {"AnArticleLeftOutFails", Answer(Pages(kOther + "," + kTagged)),
     CheckFailure{"the answer does not list the article Gone"}},
    {"NoPagesFails", Answer(R"("userinfo":{})"), CheckFailure{"the answer holds no list of pages"}},
    {"TemplatesCutShortFail",
     R"({"continue":{"tlcontinue":"3|10|X"},"query":{)" +
         Pages(kOther + "," + kGone + "," + kTagged) + "}}",
     CheckFailure{"the answer lists the articles' templates only in part"}},
    {"NotJsonFails", "<html>", CheckFailure{"the answer is not JSON"}},
};

INSTANTIATE_TEST_SUITE_P(Further, ReadFurtherCheckTest, testing::ValuesIn(kFurther), kRowName);

// A hostile or broken server may send anything; deep nesting must not exhaust the stack.
TEST(ReadNominationCheckTest, SurvivesDeeplyNestedAnswers) {
    constexpr std::size_t kDepth = 200000;
    const std::string nested = std::string(kDepth, '[') + std::string(kDepth, ']');
    EXPECT_EQ(ReadNominationCheck(nested, "Sample"),
              NominationCheck{CheckFailure{"the answer is not a JSON object"}});
    const std::string deepListing =
        R"({"query":{"allpages":[)" + nested + R"(],"pages":{"1":{"ns":0,"title":"Sample"}}}})";
    EXPECT_EQ(ReadNominationCheck(deepListing, "Sample"), NominationCheck{NominationFacts{}});
}

}  // namespace
}  // namespace nominator
