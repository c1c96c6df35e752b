#include "window/form1.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/window/fake_view.h"

namespace nominator {
namespace {

using std::chrono::sys_days;
using namespace std::chrono_literals;
using testing::Contains;
using testing::ElementsAre;
using testing::ElementsAreArray;
using testing::IsEmpty;
using testing::Not;
using testing::StartsWith;

// One second before the new year in UTC: today and tomorrow fall in different months and years.
const auto kNewYearsEve = sys_days{std::chrono::year{2026} / 12 / 31} + 23h + 59min + 59s;

const std::string kTodaysLog =
    "https://en.wikipedia.org/w/index.php?title=Wikipedia:Articles_for_deletion/Log/"
    "2026_December_31&action=edit";
const std::string kTomorrowsLog =
    "https://en.wikipedia.org/w/index.php?title=Wikipedia:Articles_for_deletion/Log/"
    "2027_January_1&action=edit";

const std::vector<std::string> kSampleNomination = {
    "show Text2",
    "show Text3",
    "show Text5",
    "show Tabby",
    "read Text1",
    "read Reason",
    "set Text3 {{subst:afd2 | pg=Sample| text=Not notable}} ~~~~",
    "read Text1",
    "set Text5 {{subst:afd3 | pg=Sample}}",
    "read Text1",
    "navigate Browser https://en.wikipedia.org/w/index.php?title=Sample&action=edit",
    "navigate Browser3 " + kTodaysLog,
    "read Text1",
    "navigate Browser2 https://en.wikipedia.org/wiki/Wikipedia:Articles_for_deletion/Sample",
};

class Form1Test : public testing::Test {
protected:
    FakeView view;
    Form1 form{view, [] { return kNewYearsEve; }};
};

TEST_F(Form1Test, LoadFillsTheHiddenLogLineForTheDesignTitle) {
    form.Form_Load();
    EXPECT_THAT(view.operations(), ElementsAre("read Text1", "set Text5 {{subst:afd3 | pg=Word}}"));
    EXPECT_THAT(form.CurDate, IsEmpty());
}

TEST_F(Form1Test, NominationShowsFillsAndNavigatesInOrder) {
    view.type(Box::Text1, "Sample");
    view.type(Box::Reason, "Not notable");
    form.Command1_Click();
    EXPECT_THAT(view.operations(), ElementsAreArray(kSampleNomination));
    EXPECT_EQ(form.CurDate, "2026_December_31");
}

TEST_F(Form1Test, EveryNominationRebuildsFromTheCurrentTextsAndNeverWritesTheTag) {
    view.type(Box::Text1, "First");
    form.Command1_Click();
    view.type(Box::Text1, "AT&T");
    view.type(Box::Reason, "");
    view.clearOperations();
    form.Command1_Click();
    EXPECT_THAT(view.operations(), Contains("set Text3 {{subst:afd2 | pg=AT&T| text=}} ~~~~"));
    EXPECT_THAT(view.operations(), Contains("navigate Browser https://en.wikipedia.org/w/"
                                            "index.php?title=AT%26T&action=edit"));
    EXPECT_THAT(view.operations(), Not(Contains(StartsWith("set Text2"))));
}

TEST_F(Form1Test, NextDayAlwaysCountsFromTodayAndTouchesOnlyTheLogPane) {
    form.DayPlus_Click();
    form.DayPlus_Click();
    EXPECT_THAT(view.operations(), ElementsAre("navigate Browser3 " + kTomorrowsLog,
                                               "navigate Browser3 " + kTomorrowsLog));
    EXPECT_EQ(form.CurDate, "2027_January_1");
}

TEST_F(Form1Test, NominationAfterNextDayGoesBackToToday) {
    form.DayPlus_Click();
    form.Command1_Click();
    EXPECT_EQ(form.CurDate, "2026_December_31");
    EXPECT_THAT(view.operations().back(), StartsWith("navigate Browser2 "));
    EXPECT_THAT(view.operations(), Contains("navigate Browser3 " + kTodaysLog));
}

TEST_F(Form1Test, TheClockIsReadAtEveryClick) {
    auto now = kNewYearsEve;
    Form1 ticking{view, [&now] { return now; }};
    ticking.Command1_Click();
    now += 1s;
    ticking.Command1_Click();
    EXPECT_EQ(ticking.CurDate, "2027_January_1");
}

// A failing view operation ends the handler right there: nothing after it is attempted.
TEST_F(Form1Test, AFailingOperationEndsTheNominationThere) {
    for (std::size_t failing = 0; failing < kSampleNomination.size(); ++failing) {
        SCOPED_TRACE("failing: " + kSampleNomination[failing]);
        FakeView failingView;
        failingView.type(Box::Text1, "Sample");
        failingView.type(Box::Reason, "Not notable");
        failingView.failAt(failing);
        Form1 failingForm{failingView, [] { return kNewYearsEve; }};

        EXPECT_THROW(failingForm.Command1_Click(), std::runtime_error);
        const std::vector<std::string> before(
            kSampleNomination.begin(),
            kSampleNomination.begin() + static_cast<std::ptrdiff_t>(failing));
        EXPECT_THAT(failingView.operations(), ElementsAreArray(before));
    }
}

TEST_F(Form1Test, AFailingNavigationEndsNextDay) {
    view.failAt(0);
    EXPECT_THROW(form.DayPlus_Click(), std::runtime_error);
    EXPECT_THAT(view.operations(), IsEmpty());
}

}  // namespace
}  // namespace nominator
