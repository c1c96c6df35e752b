#include "core/nomination_plan.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace nominator {
namespace {

NominationInput Sample(int number = 1, NoticeState notice = NoticeState::Unknown) {
    return {.typedTitle = "sample page",
            .name = "Sample page",
            .reason = "Not notable",
            .logKey = "2026_March_7",
            .number = number,
            .notice = notice,
            .creator = "Creator"};
}

std::vector<EditKind> KindsOf(const NominationPlan& plan) {
    std::vector<EditKind> kinds;
    for (const PlannedEdit& edit : plan) kinds.push_back(edit.kind);
    return kinds;
}

TEST(NominationPlanTest, IsTheFourEditsInTabOrderWithTheirCaptions) {
    const NominationPlan plan = PlanNomination(Sample());
    EXPECT_EQ(KindsOf(plan), (std::vector<EditKind>{EditKind::ArticleTag, EditKind::Discussion,
                                                    EditKind::DayLog, EditKind::CreatorNotice}));
    for (std::size_t i = 0; i < plan.size(); ++i) {
        EXPECT_EQ(plan[i].caption, "Tab " + std::to_string(i));
        EXPECT_EQ(EditOfKind(plan, plan[i].kind), i);
    }
    // The editors open first, the discussion page after them.
    EXPECT_EQ(OpeningOrder(plan), (std::vector<std::size_t>{0, 2, 1, 3}));
}

TEST(NominationPlanTest, NamesEachEditsPageAddressTextAndSummary) {
    const NominationPlan plan = PlanNomination(Sample());
    const std::string discussion = "Wikipedia:Articles for deletion/Sample page";
    EXPECT_EQ(plan[0].page, "Sample page");
    EXPECT_EQ(plan[0].address,
              "https://en.wikipedia.org/w/index.php?title=sample%20page&action=edit");
    EXPECT_EQ(plan[0].text, "{{subst:afd}}");
    EXPECT_EQ(plan[1].page, discussion);
    EXPECT_EQ(plan[1].address,
              "https://en.wikipedia.org/wiki/Wikipedia:Articles_for_deletion/Sample%20page");
    EXPECT_EQ(plan[1].text, "{{subst:afd2 | pg=sample page| text=Not notable}} ~~~~");
    EXPECT_EQ(plan[2].page, "Wikipedia:Articles for deletion/Log/2026 March 7");
    EXPECT_EQ(plan[2].text, "{{subst:afd3 | pg=Sample page}}");
    EXPECT_EQ(plan[2].summary, "Adding [[:" + discussion + "]].");
    for (const PlannedEdit& edit : plan) EXPECT_FALSE(edit.summary.empty());
}

TEST(NominationPlanTest, ARenominationNamesItsOwnDiscussion) {
    const NominationPlan plan = PlanNomination(Sample(3));
    EXPECT_EQ(plan[0].text, "{{subst:afdx|3rd}}");
    EXPECT_EQ(plan[1].page, "Wikipedia:Articles for deletion/Sample page (3rd nomination)");
    EXPECT_EQ(plan[2].text, "{{subst:afd3 | pg=Sample page (3rd nomination)}}");
}

TEST(NominationPlanTest, ListsTheDiscussionOnEachTopicAfterTheOtherEdits) {
    NominationInput input = Sample(2);
    input.category = "B";
    input.topics = {"Football", "Science fiction and fantasy"};
    const NominationPlan plan = PlanNomination(input);
    ASSERT_EQ(plan.size(), 6U);
    const std::string discussion = "Wikipedia:Articles for deletion/Sample page (2nd nomination)";
    EXPECT_EQ(plan[1].text,
              "{{subst:afd2 | pg=sample page| cat=B| text=Not notable}} ~~~~\n"
              "{{subst:delsort|Football|~~~~}}\n"
              "{{subst:delsort|Science fiction and fantasy|~~~~}}");
    const std::string lists[] = {"Football", "Science%20fiction%20and%20fantasy"};
    for (std::size_t i = 0; i < 2; ++i) {
        const PlannedEdit& listing = plan[4 + i];
        EXPECT_EQ(listing.kind, EditKind::TopicListing);
        EXPECT_EQ(listing.caption, "Tab " + std::to_string(4 + i));
        EXPECT_EQ(listing.page, "Wikipedia:WikiProject Deletion sorting/" + input.topics[i]);
        EXPECT_EQ(listing.address,
                  "https://en.wikipedia.org/w/index.php?title=Wikipedia:WikiProject%20Deletion%20"
                  "sorting/" +
                      lists[i] + "&action=edit");
        EXPECT_EQ(listing.text, "{{" + discussion + "}}");
        EXPECT_EQ(listing.summary, "Listing [[:" + discussion + "]].");
        EXPECT_TRUE(listing.due);
    }
    // The listings are editors: they open with the log, before the discussion page.
    EXPECT_EQ(OpeningOrder(plan), (std::vector<std::size_t>{0, 2, 4, 5, 1, 3}));
}

struct NoticeCase {
    const char* name;
    NoticeState state;
    std::string page;
    std::string address;
    bool due;
};

class PlannedNoticeTest : public testing::TestWithParam<NoticeCase> {};

TEST_P(PlannedNoticeTest, HasAPageOnlyWhileDueAndOpensOnlyOnceOpen) {
    const PlannedEdit notice = PlanNomination(Sample(1, GetParam().state)).back();
    EXPECT_EQ(notice.page, GetParam().page);
    EXPECT_EQ(notice.address, GetParam().address);
    EXPECT_EQ(notice.due, GetParam().due);
    EXPECT_EQ(notice.text, "{{subst:Afd notice|1=Sample page}} ~~~~");
}

const std::string kTalk = "User talk:Creator";
const std::string kBlank(kEmptyPage);

const NoticeCase kNotices[] = {
    {"Unknown", NoticeState::Unknown, "", kBlank, false},
    {"LookingFurther", NoticeState::LookingFurther, "", kBlank, false},
    {"YouCreated", NoticeState::YouCreated, "", kBlank, false},
    {"NoCreator", NoticeState::NoCreator, "", kBlank, false},
    {"CreatorUnknown", NoticeState::CreatorUnknown, "", kBlank, false},
    {"Due", NoticeState::Due, kTalk, kBlank, true},
    {"Open", NoticeState::Open, kTalk,
     "https://en.wikipedia.org/w/index.php?title=User%20talk:Creator&action=edit", true},
    {"Protected", NoticeState::Protected, "", kBlank, false},
};

INSTANTIATE_TEST_SUITE_P(States, PlannedNoticeTest, testing::ValuesIn(kNotices),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace nominator

namespace nominator {
namespace {

// A row of a bundle's plan as a line: kind, page, due, address and text.
std::string Line(const PlannedEdit& edit) {
    return std::string(edit.info().completeName) + " | " + edit.page + " | " +
           (edit.due ? "due" : "not due") + " | " + edit.address + " | " + edit.text;
}

struct BundleCase {
    const char* name;
    NominationInput input;
    // The rows after today's four.
    std::vector<std::string> further;
    // The first article's notice.
    std::string firstNotice;
};

void PrintTo(const BundleCase& row, std::ostream* out) { *out << row.name; }

NominationInput Bundle(NoticeState first, std::vector<FurtherArticle> further, int number = 1) {
    NominationInput input = Sample(number, first);
    input.further = std::move(further);
    return input;
}

const std::string kEdit = "https://en.wikipedia.org/w/index.php?title=";
const std::string kFirstNotice = "{{subst:Afd notice|1=Sample page}} ~~~~";

const BundleCase kBundles[] = {
    {"WhileTheCreatorsAreAskedOnlyTheTags",
     Bundle(NoticeState::Due, {{.name = "Second"}, {.name = "Third"}}),
     {"tag | Second | due | " + kEdit + "Second&action=edit | {{subst:afd1|Sample page}}",
      "tag | Third | due | " + kEdit + "Third&action=edit | {{subst:afd1|Sample page}}"},
     kFirstNotice},
    {"TheFirstCreatorsArticlesShareTheirNotice",
     Bundle(NoticeState::Open,
            {{.name = "Second", .notice = NoticeState::Due, .creator = "Creator"},
             {.name = "Third", .notice = NoticeState::Due, .creator = "Other"},
             {.name = "Fourth", .notice = NoticeState::Open, .creator = "Other"},
             {.name = "Fifth", .notice = NoticeState::YouCreated}}),
     {"tag | Second | due | " + kEdit + "Second&action=edit | {{subst:afd1|Sample page}}",
      "tag | Third | due | " + kEdit + "Third&action=edit | {{subst:afd1|Sample page}}",
      "tag | Fourth | due | " + kEdit + "Fourth&action=edit | {{subst:afd1|Sample page}}",
      "tag | Fifth | due | " + kEdit + "Fifth&action=edit | {{subst:afd1|Sample page}}",
      "notice | User talk:Other | due | about:blank | "
      "{{subst:Afd notice|1=Third|2=Sample page}} ~~~~\n\n"
      "{{subst:Afd notice|1=Fourth|2=Sample page}} ~~~~"},
     kFirstNotice + "\n\n{{subst:Afd notice|1=Second|2=Sample page}} ~~~~"},
    {"AnOpenTalkPageOpensItsEditor",
     Bundle(NoticeState::YouCreated,
            {{.name = "Second", .notice = NoticeState::Open, .creator = "Other"}}),
     {"tag | Second | due | " + kEdit + "Second&action=edit | {{subst:afd1|Sample page}}",
      "notice | User talk:Other | due | " + kEdit +
          "User%20talk:Other&action=edit | "
          "{{subst:Afd notice|1=Second|2=Sample page}} ~~~~"},
     kFirstNotice},
    {"AProtectedTalkPageIsNoneDue",
     Bundle(NoticeState::NoCreator,
            {{.name = "Second", .notice = NoticeState::Protected, .creator = "Other"}}),
     {"tag | Second | due | " + kEdit + "Second&action=edit | {{subst:afd1|Sample page}}",
      "notice |  | not due | about:blank | "},
     kFirstNotice},
    // A bot, or behind a protected page, the first creator gets no notice for any article.
    {"TheFirstCreatorsNoticeLeftOutLeavesOutTheirOthers",
     Bundle(NoticeState::Bot,
            {{.name = "Second", .notice = NoticeState::Due, .creator = "Creator"}}),
     {"tag | Second | due | " + kEdit + "Second&action=edit | {{subst:afd1|Sample page}}"},
     kFirstNotice},
    {"ARenominationsBundleNamesItsDiscussion",
     Bundle(NoticeState::CreatorUnknown,
            {{.name = "Second", .notice = NoticeState::Due, .creator = "Other"}}, 2),
     {"tag | Second | due | " + kEdit +
          "Second&action=edit | {{subst:afd1|Sample page (2nd nomination)}}",
      "notice | User talk:Other | due | about:blank | "
      "{{subst:Afd notice|1=Second|2=Sample page (2nd nomination)}} ~~~~"},
     "{{subst:Afd notice|1=Sample page|order=&#32;(2nd nomination)}} ~~~~"},
};

class BundlePlanTest : public testing::TestWithParam<BundleCase> {};

TEST_P(BundlePlanTest, PlansTheFurtherArticlesAfterTodaysFourEdits) {
    const NominationPlan plan = PlanNomination(GetParam().input);
    ASSERT_GE(plan.size(), 4U);
    std::vector<std::string> further;
    for (std::size_t i = 4; i < plan.size(); ++i) {
        EXPECT_EQ(plan[i].caption, "Tab " + std::to_string(i));
        further.push_back(Line(plan[i]));
    }
    EXPECT_EQ(further, GetParam().further);
    EXPECT_EQ(plan[3].text, GetParam().firstNotice);
    // Today's four stay where they were.
    EXPECT_EQ(EditOfKind(plan, EditKind::CreatorNotice), 3U);
}

INSTANTIATE_TEST_SUITE_P(Bundles, BundlePlanTest, testing::ValuesIn(kBundles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BundlePlanTest, TheDiscussionListsTheFurtherArticlesInsideItsSignedText) {
    const NominationPlan plan =
        PlanNomination(Bundle(NoticeState::YouCreated,
                              {{.name = "Second", .notice = NoticeState::Due, .creator = "Other"},
                               {.name = "Third", .notice = NoticeState::YouCreated}}));
    EXPECT_EQ(plan[1].text,
              "{{subst:afd2 | pg=sample page| text=Not notable\n\nI am also nominating the "
              "following related pages:\n:{{la|Second}}\n:{{la|Third}}}} ~~~~");
    // The log line stays the first article's.
    EXPECT_EQ(plan[2].text, "{{subst:afd3 | pg=Sample page}}");
    EXPECT_EQ(plan[4].summary,
              "Nominated for deletion; see [[:Wikipedia:Articles for deletion/Sample page]].");
    EXPECT_EQ(plan[6].summary,
              "Notification: [[Wikipedia:Articles for deletion/Sample page|nomination]] of "
              "[[:Second]] at [[WP:AFD|articles for deletion]].");
    EXPECT_TRUE(SeveralOfKind(plan, EditKind::ArticleTag));
    EXPECT_FALSE(SeveralOfKind(plan, EditKind::Discussion));
}

TEST(BundlePlanTest, OneNoticeForSeveralArticlesNamesThemAllInItsSummary) {
    const NominationPlan plan = PlanNomination(Bundle(
        NoticeState::Due, {{.name = "Second", .notice = NoticeState::Due, .creator = "Creator"},
                           {.name = "Third", .notice = NoticeState::Due, .creator = "Creator"}}));
    ASSERT_EQ(plan.size(), 6U);
    EXPECT_EQ(plan[3].summary,
              "Notification: [[Wikipedia:Articles for deletion/Sample page|nomination]] of "
              "[[:Sample page]], [[:Second]] and [[:Third]] at [[WP:AFD|articles for deletion]].");
}

}  // namespace
}  // namespace nominator
