#include "core/creator_notice.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace nominator {
namespace {

struct NoticeCase {
    const char* name;
    std::string_view article;
    int nomination;
    std::string_view notice;
};

void PrintTo(const NoticeCase& row, std::ostream* out) { *out << row.name; }

class CreatorNoticeTest : public testing::TestWithParam<NoticeCase> {};

TEST_P(CreatorNoticeTest, NamesTheNomination) {
    EXPECT_EQ(CreatorNotice(GetParam().article, GetParam().nomination), GetParam().notice);
}

const NoticeCase kNotices[] = {
    {"First", "Sample", 1, "{{subst:Afd notice|1=Sample}} ~~~~"},
    {"Second", "Sample", 2, "{{subst:Afd notice|1=Sample|order=&#32;(2nd nomination)}} ~~~~"},
    {"Third", "Sample page", 3,
     "{{subst:Afd notice|1=Sample page|order=&#32;(3rd nomination)}} ~~~~"},
    {"Eleventh", "Sample", 11, "{{subst:Afd notice|1=Sample|order=&#32;(11th nomination)}} ~~~~"},
    {"TwentyFirst", "Sample", 21,
     "{{subst:Afd notice|1=Sample|order=&#32;(21st nomination)}} ~~~~"},
};

INSTANTIATE_TEST_SUITE_P(Nominations, CreatorNoticeTest, testing::ValuesIn(kNotices),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CreatorNoticeSummaryTest, LinksTheDiscussionTheArticleAndTheVenue) {
    EXPECT_EQ(CreatorNoticeSummary("Sample (2nd nomination)", "Sample"),
              "Notification: [[Wikipedia:Articles for deletion/Sample (2nd nomination)|nomination]]"
              " of [[:Sample]] at [[WP:AFD|articles for deletion]].");
}

TEST(CreatorTalkPageTest, IsTheCreatorsUserTalkPage) {
    EXPECT_EQ(CreatorTalkPage("Creator"), "User talk:Creator");
    EXPECT_EQ(CreatorTalkPage("192.0.2.7"), "User talk:192.0.2.7");
}

constexpr std::string_view kNotice = "{{subst:Afd notice|1=Sample}} ~~~~";
constexpr std::string_view kDiscussion = "Wikipedia:Articles for deletion/Sample";

struct TalkCase {
    const char* name;
    std::string talkText;
    std::optional<std::string> noticed;
};

void PrintTo(const TalkCase& row, std::ostream* out) { *out << row.name; }

class NoticedTalkTextTest : public testing::TestWithParam<TalkCase> {};

TEST_P(NoticedTalkTextTest, AppendsTheNoticeOnce) {
    EXPECT_EQ(NoticedTalkText(GetParam().talkText, kNotice, kDiscussion), GetParam().noticed);
}

const std::string kWelcome = "== Welcome ==\nHello. ~~~~";

const TalkCase kTalkTexts[] = {
    {"Empty", "", std::string(kNotice)},
    {"WhiteSpaceOnly", " \n\n", std::string(kNotice)},
    {"WithText", kWelcome, kWelcome + "\n\n" + std::string(kNotice)},
    {"TrailingLineBreaksMadeOneBlankLine", kWelcome + "\n\n\n",
     kWelcome + "\n\n" + std::string(kNotice)},
    {"HoldsTheNotice", kWelcome + "\n\n" + std::string(kNotice), std::nullopt},
    {"LinksTheDiscussion",
     "== Nomination of [[Sample]] ==\nSee [[Wikipedia:Articles for deletion/Sample]].",
     std::nullopt},
    {"LinksTheDiscussionAnyWay",
     "See [[ wikipedia : articles_for_deletion/Sample#Sample|the discussion]].", std::nullopt},
    {"LinksTheDiscussionByAlias", "See [[:WP:Articles for deletion/Sample]].", std::nullopt},
    {"LinksAnotherArticlesDiscussion", "See [[Wikipedia:Articles for deletion/Sample (band)]].",
     "See [[Wikipedia:Articles for deletion/Sample (band)]].\n\n" + std::string(kNotice)},
    {"LinksAPageOfTheSameNameElsewhere", "See [[User:Articles for deletion/Sample]].",
     "See [[User:Articles for deletion/Sample]].\n\n" + std::string(kNotice)},
    {"TitleCaseBeyondTheFirstLetterCounts", "See [[Wikipedia:Articles For Deletion/Sample]].",
     "See [[Wikipedia:Articles For Deletion/Sample]].\n\n" + std::string(kNotice)},
};

INSTANTIATE_TEST_SUITE_P(TalkPages, NoticedTalkTextTest, testing::ValuesIn(kTalkTexts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NoticedTalkTextTest, RenominationIsNotHeldOffByTheFirstDiscussion) {
    const std::string_view renomination =
        "{{subst:Afd notice|1=Sample|order=&#32;(2nd nomination)}} ~~~~";
    const std::string talk = "Old: [[Wikipedia:Articles for deletion/Sample]].";
    EXPECT_EQ(NoticedTalkText(talk, renomination,
                              "Wikipedia:Articles for deletion/Sample (2nd nomination)"),
              talk + "\n\n" + std::string(renomination));
}

struct WhyCase {
    const char* name;
    CreatorFacts facts;
    bool talkPageProtected;
    std::optional<std::string> why;
};

void PrintTo(const WhyCase& row, std::ostream* out) { *out << row.name; }

class WhyNoNoticeTest : public testing::TestWithParam<WhyCase> {};

TEST_P(WhyNoNoticeTest, SaysWhyNoNoticeIsLeft) {
    EXPECT_EQ(WhyNoNotice(GetParam().facts, GetParam().talkPageProtected), GetParam().why);
}

const WikiUser kNominator{"Nominator", false};
const WikiUser kAnonymous{"192.0.2.7", true};

const WhyCase kWhys[] = {
    {"NoticeDue", {"Creator", kNominator}, false, std::nullopt},
    {"IpCreatorNoticeDue", {"192.0.2.8", kAnonymous}, false, std::nullopt},
    {"UserCreatedIt",
     {"Nominator", kNominator},
     false,
     "You created the article: no notice needed"},
    {"AnonymousUserCreatedIt",
     {"192.0.2.7", kAnonymous},
     true,
     "You created the article: no notice needed"},
    {"NoCreator",
     {std::nullopt, kNominator},
     false,
     "No creator found for the article: no notice to leave"},
    {"NoCreatorProtected",
     {std::nullopt, kNominator},
     true,
     "No creator found for the article: no notice to leave"},
    {"Protected",
     {"Creator", kNominator},
     true,
     "The creator's talk page is protected: no notice can be left there"},
};

INSTANTIATE_TEST_SUITE_P(Facts, WhyNoNoticeTest, testing::ValuesIn(kWhys),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace nominator
