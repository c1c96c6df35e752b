// The whole road of a nomination through the real window and the real browser engine. Every
// request the engines issue is recorded and blocked before it could leave the machine.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QLineEdit>
#include <chrono>
#include <vector>

#include "tests/qt/nomination_harness.h"

namespace nominator {
namespace {

using namespace std::chrono_literals;
using testing::ElementsAre;
using testing::UnorderedElementsAre;

// Half past eleven at night in UTC: west of UTC it is still the 7th, east of it already the 8th.
const auto kLateOnMarch7 = std::chrono::sys_days{std::chrono::year{2026} / 3 / 7} + 23h + 30min;

const RecordedRequest kTodaysLog{
    "Browser3",
    "https://en.wikipedia.org/w/index.php?title=Wikipedia:Articles_for_deletion/Log/"
    "2026_March_7&action=edit"};
const RecordedRequest kTomorrowsLog{
    "Browser3",
    "https://en.wikipedia.org/w/index.php?title=Wikipedia:Articles_for_deletion/Log/"
    "2026_March_8&action=edit"};

class EndToEndTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(harness.start()) << "the browser panes never appeared"; }

    NominationHarness harness{kLateOnMarch7};
};

TEST_F(EndToEndTest, NominationOpensTheThreePagesInTabOrderZeroTwoOne) {
    harness.type(Box::Text1, "Sample page");
    harness.type(Box::Reason, "Not notable");
    harness.clickNominate();

    ASSERT_TRUE(harness.waitForRequests(3));
    EXPECT_THAT(harness.requests(),
                ElementsAre(RecordedRequest{"Browser",
                                            "https://en.wikipedia.org/w/"
                                            "index.php?title=Sample%20page&action=edit"},
                            kTodaysLog,
                            RecordedRequest{"Browser2",
                                            "https://en.wikipedia.org/wiki/"
                                            "Wikipedia:Articles_for_deletion/Sample%20page"}));
    EXPECT_EQ(harness.window().box(Box::Text3)->text(),
              "{{subst:afd2 | pg=Sample page| text=Not notable}} ~~~~");
    EXPECT_EQ(harness.window().box(Box::Text5)->text(), "{{subst:afd3 | pg=Sample page}}");
}

TEST_F(EndToEndTest, NextDayBeforeAnyNominationLoadsTheHiddenLogPane) {
    harness.clickNextDay();

    ASSERT_TRUE(harness.waitForRequests(1));
    EXPECT_THAT(harness.requests(), ElementsAre(kTomorrowsLog));
    EXPECT_FALSE(harness.window().control(Control::Tabby)->isVisible());
}

TEST_F(EndToEndTest, NextDayTwiceGivesTomorrowAndANominationGoesBackToToday) {
    harness.clickNextDay();
    ASSERT_TRUE(harness.waitForRequests(1));
    harness.clickNextDay();
    ASSERT_TRUE(harness.waitForRequests(2));
    harness.clickNominate();
    ASSERT_TRUE(harness.waitForRequests(5));

    // The log pane has navigated before and the other two have not, so the engine may start
    // the nomination's three requests in another order than they were asked for; what counts
    // here is each pane's own sequence.
    EXPECT_THAT(harness.requests(),
                UnorderedElementsAre(kTomorrowsLog, kTomorrowsLog,
                                     RecordedRequest{"Browser",
                                                     "https://en.wikipedia.org/w/"
                                                     "index.php?title=Word&action=edit"},
                                     kTodaysLog,
                                     RecordedRequest{"Browser2",
                                                     "https://en.wikipedia.org/wiki/"
                                                     "Wikipedia:Articles_for_deletion/Word"}));
    std::vector<RecordedRequest> logPane;
    for (const RecordedRequest& request : harness.requests()) {
        if (request.pane == "Browser3") logPane.push_back(request);
    }
    EXPECT_THAT(logPane, ElementsAre(kTomorrowsLog, kTomorrowsLog, kTodaysLog));
}

}  // namespace
}  // namespace nominator
