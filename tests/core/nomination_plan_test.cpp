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
