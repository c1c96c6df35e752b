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

struct NoticeStateCase {
    const char* name;
    CreatorFacts facts;
    NoticeState state;
};

void PrintTo(const NoticeStateCase& row, std::ostream* out) { *out << row.name; }

class NoticeStateOfTest : public testing::TestWithParam<NoticeStateCase> {};

TEST_P(NoticeStateOfTest, SaysWhetherANoticeIsDue) {
    EXPECT_EQ(NoticeStateOf(GetParam().facts), GetParam().state);
}

const WikiUser kNominator{"Nominator", false};
const WikiUser kAnonymous{"192.0.2.7", true};

const NoticeStateCase kNoticeStates[] = {
    {"NoticeDue", {"Creator", kNominator}, NoticeState::Due},
    {"IpCreatorNoticeDue", {"192.0.2.8", kAnonymous}, NoticeState::Due},
    {"UserCreatedIt", {"Nominator", kNominator}, NoticeState::YouCreated},
    {"AnonymousUserCreatedIt", {"192.0.2.7", kAnonymous}, NoticeState::YouCreated},
    {"NoCreator", {std::nullopt, kNominator}, NoticeState::NoCreator},
};

INSTANTIATE_TEST_SUITE_P(Facts, NoticeStateOfTest, testing::ValuesIn(kNoticeStates),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace nominator
