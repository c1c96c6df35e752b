#include "core/creator_answer.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace nominator {

void PrintTo(const CreatorFacts& facts, std::ostream* out) {
    *out << "creator " << facts.creator.value_or("(none)") << ", user " << facts.user.name
         << (facts.user.anonymous ? " (anonymous)" : "") << (facts.lookFurther ? ", further" : "");
}

// Beside the nomination check's tests.
void PrintTo(const CheckFailure& failure, std::ostream* out);

namespace {

const std::string kLoggedIn = R"("userinfo":{"id":7,"name":"Nominator"})";
const WikiUser kNominator{"Nominator", false};

// A default-format revision by this user with this text.
std::string Revision(const std::string& user, const std::string& text) {
    return R"({"user":")" + user +
           R"(","slots":{"main":{"contentmodel":"wikitext",)"
           R"("contentformat":"text/x-wiki","*":")" +
           text + R"("}}})";
}

// A default-format answer with the user logged in and the article Sample with these revisions.
std::string Answer(const std::string& revisions) {
    return R"({"batchcomplete":"","query":{"pages":{"41":{"pageid":41,"ns":0,"title":"Sample",)"
           R"("revisions":[)" +
           revisions + "]}}," + kLoggedIn + "}}";
}

const std::string kArticleText = "'''Sample''' is a sample.";
const std::string kRedirectText = "#REDIRECT [[Example]]";

struct AnswerCase {
    const char* name;
    std::string article;
    std::string body;
    CreatorCheck result;
};

void PrintTo(const AnswerCase& row, std::ostream* out) { *out << row.name; }

class ReadCreatorTest : public testing::TestWithParam<AnswerCase> {};

TEST_P(ReadCreatorTest, ReadsWhatTheAnswerSays) {
    EXPECT_EQ(ReadCreator(GetParam().body, GetParam().article), GetParam().result);
}

const AnswerCase kCreators[] = {
    {"FirstRevision", "Sample",
     Answer(Revision("Creator", kArticleText) + "," + Revision("Editor", kArticleText)),
     CreatorFacts{"Creator", kNominator}},
    {"FirstRevisionRedirect", "Sample",
     Answer(Revision("Redirector", kRedirectText) + "," + Revision("Creator", kArticleText) + "," +
            Revision("Editor", kArticleText)),
     CreatorFacts{"Creator", kNominator}},
    {"SeveralRedirects", "Sample",
     Answer(Revision("Redirector", kRedirectText) + "," +
            Revision("Other", R"(  \n#redirect:[[Elsewhere|x]])") + "," +
            Revision("Creator", kArticleText)),
     CreatorFacts{"Creator", kNominator}},
    {"RedirectBetweenLaterRevisionsIgnored", "Sample",
     Answer(Revision("Creator", kArticleText) + "," + Revision("Redirector", kRedirectText)),
     CreatorFacts{"Creator", kNominator}},
    {"AllRedirects", "Sample",
     Answer(Revision("Redirector", kRedirectText) + "," + Revision("Other", kRedirectText)),
     CreatorFacts{std::nullopt, kNominator}},
    // The nomination check asks for the first revision only, beside the earlier nominations.
    {"CheckAnswerFirstRevision", "Sample",
     R"({"continue":{"rvcontinue":"20260307|52","continue":"||info|templates"},"query":{)"
     R"("allpages":[],"pages":{"41":{"pageid":41,"ns":0,"title":"Sample","revisions":[)" +
         Revision("Creator", kArticleText) + "]}}," + kLoggedIn + "}}",
     CreatorFacts{"Creator", kNominator}},
    {"CheckAnswerFirstRevisionRedirect", "Sample",
     R"({"continue":{"rvcontinue":"20260307|52","continue":"||info|templates"},"query":{)"
     R"("allpages":[],"pages":{"41":{"pageid":41,"ns":0,"title":"Sample","revisions":[)" +
         Revision("Redirector", kRedirectText) + "]}}," + kLoggedIn + "}}",
     CreatorFacts{std::nullopt, kNominator, true}},
    {"OnlyRevisionARedirect", "Sample", Answer(Revision("Redirector", kRedirectText)),
     CreatorFacts{std::nullopt, kNominator}},
    {"IpCreator", "Sample",
     Answer(R"({"user":"192.0.2.7","anon":"","slots":{"main":{"*":"Text"}}})"),
     CreatorFacts{"192.0.2.7", kNominator}},
    {"HiddenUser", "Sample", Answer(R"({"userhidden":"","slots":{"main":{"*":"Text"}}})"),
     CreatorFacts{std::nullopt, kNominator}},
    {"HiddenUserOfRedirectPassedOver", "Sample",
     Answer(R"({"userhidden":"","slots":{"main":{"*":"#REDIRECT [[Example]]"}}},)" +
            Revision("Creator", kArticleText)),
     CreatorFacts{"Creator", kNominator}},
    {"HiddenTextCountsAsNoRedirect", "Sample",
     Answer(R"({"user":"Creator","slots":{"main":{"texthidden":""}}},)" +
            Revision("Editor", kArticleText)),
     CreatorFacts{"Creator", kNominator}},
    {"NoRevisions", "Sample",
     R"({"query":{"pages":{"41":{"pageid":41,"ns":0,"title":"Sample"}},)" + kLoggedIn + "}}",
     CreatorFacts{std::nullopt, kNominator}},
    {"MissingArticle", "Sample",
     R"({"query":{"pages":{"-1":{"ns":0,"title":"Sample","missing":""}},)" + kLoggedIn + "}}",
     CreatorFacts{std::nullopt, kNominator}},
    {"InvalidTitle", "<x>",
     R"({"query":{"pages":{"-1":{"title":"<x>","invalidreason":"bad","invalid":""}},)" + kLoggedIn +
         "}}",
     CreatorFacts{std::nullopt, kNominator}},
    {"EmptyName", "", R"({"query":{)" + kLoggedIn + "}}", CreatorFacts{std::nullopt, kNominator}},
    {"NormalisedTitle", "sample_page",
     R"({"query":{"normalized":[{"from":"sample_page","to":"Sample page"}],)"
     R"("pages":{"5":{"ns":0,"title":"Sample page","revisions":[)" +
         Revision("Creator", kArticleText) + "]}}," + kLoggedIn + "}}",
     CreatorFacts{"Creator", kNominator}},
    {"AnonymousUser", "Sample",
     R"({"query":{"pages":{"41":{"ns":0,"title":"Sample","revisions":[)" +
         Revision("Creator", kArticleText) +
         R"(]}},"userinfo":{"id":0,"name":"2001:DB8:0:0:0:0:0:1","anon":""}}})",
     CreatorFacts{"Creator", WikiUser{"2001:DB8:0:0:0:0:0:1", true}}},
    {"FormatVersion2", "Sample",
     R"({"batchcomplete":true,"query":{"pages":[{"pageid":41,"ns":0,"title":"Sample",)"
     R"("revisions":[{"user":"Redirector","slots":{"main":{"contentmodel":"wikitext",)"
     R"("content":"#Redirect [[Example]]"}}},{"user":"10.0.0.1","anon":true,)"
     R"("slots":{"main":{"content":"Text"}}}]}],)"
     R"("userinfo":{"id":0,"name":"10.0.0.2","anon":true}}})",
     CreatorFacts{"10.0.0.1", WikiUser{"10.0.0.2", true}}},
    {"FormatVersion2Missing", "Sample",
     R"({"query":{"pages":[{"ns":0,"title":"Sample","missing":true}],)"
     R"("userinfo":{"id":7,"name":"Nominator"}}})",
     CreatorFacts{std::nullopt, kNominator}},
    {"FormatVersion2HiddenUser", "Sample",
     R"({"query":{"pages":[{"ns":0,"title":"Sample","revisions":[{"userhidden":true,)"
     R"("slots":{"main":{"content":"Text"}}}]}],"userinfo":{"id":7,"name":"Nominator"}}})",
     CreatorFacts{std::nullopt, kNominator}},
};

const AnswerCase kFailures[] = {
    {"NotJson", "Sample", "<html>", CheckFailure{"the answer is not JSON"}},
    {"Error", "Sample", R"({"error":{"code":"maxlag","info":"Waiting"}})",
     CheckFailure{"the wiki answered with an error: maxlag (Waiting)"}},
    {"NoUserInfo", "Sample",
     R"({"query":{"pages":{"41":{"ns":0,"title":"Sample","revisions":[]}}}})",
     CheckFailure{"the answer does not say who the user is"}},
    {"NoPages", "Sample", R"({"query":{)" + kLoggedIn + "}}",
     CheckFailure{"the answer holds no list of pages"}},
    {"OtherArticle", "Sample",
     R"({"query":{"pages":{"3":{"ns":0,"title":"Other","revisions":[]}},)" + kLoggedIn + "}}",
     CheckFailure{"the answer does not list the article"}},
};

INSTANTIATE_TEST_SUITE_P(Creators, ReadCreatorTest, testing::ValuesIn(kCreators),
                         [](const auto& info) { return std::string(info.param.name); });
INSTANTIATE_TEST_SUITE_P(Failures, ReadCreatorTest, testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

struct RedirectCase {
    const char* name;
    std::string_view text;
    bool redirect;
};

void PrintTo(const RedirectCase& row, std::ostream* out) { *out << row.name; }

class IsRedirectTextTest : public testing::TestWithParam<RedirectCase> {};

TEST_P(IsRedirectTextTest, ReadsTheTextAsTheWikiDoes) {
    EXPECT_EQ(IsRedirectText(GetParam().text), GetParam().redirect);
}

const RedirectCase kRedirects[] = {
    {"Plain", "#REDIRECT [[Example]]", true},
    {"AnyCase", "#rEdIrEcT [[Example]]", true},
    {"LeadingWhiteSpace", " \n\t#REDIRECT [[Example]]", true},
    {"NoSpaceBeforeLink", "#REDIRECT[[Example]]", true},
    {"LinkOnNextLine", "#REDIRECT\n[[Example]]", true},
    {"OldColon", "#REDIRECT: [[Example]]", true},
    {"WithCategory", "#REDIRECT [[Example|x]]\n[[Category:Redirects]]", true},
    {"TextBeforeTheWord", "See #REDIRECT [[Example]]", false},
    {"NoLink", "#REDIRECT to Example", false},
    {"LinkNotClosedOnItsLine", "#REDIRECT [[Example\n]]", false},
    {"LinkWithoutTarget", "#REDIRECT [[ |x]]", false},
    {"WordOnly", "#REDIRECT", false},
    {"Empty", "", false},
    {"ArticleText", "'''Sample''' is a sample.", false},
};

INSTANTIATE_TEST_SUITE_P(Texts, IsRedirectTextTest, testing::ValuesIn(kRedirects),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace nominator
