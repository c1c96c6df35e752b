#include "core/nomination_status.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace nominator {

void PrintTo(const StatusLine& status, std::ostream* out) {
    *out << (status.warning ? "warning " : "") << '"' << status.text << "\" tip \"" << status.detail
         << '"';
}

namespace {

TEST(StatusTextsTest, AreWordedForTheUser) {
    EXPECT_EQ(kCheckingStatus, "Checking for earlier nominations...");
    EXPECT_EQ(kCheckFailedStatus, "Could not check for earlier nominations");
}

struct StatusCase {
    const char* name;
    NominationCheck check;
    StatusLine status;
};

void PrintTo(const StatusCase& row, std::ostream* out) { *out << row.name; }

class StatusOfTest : public testing::TestWithParam<StatusCase> {};

TEST_P(StatusOfTest, SaysWhatTheCheckFound) {
    EXPECT_EQ(StatusOf(GetParam().check), GetParam().status);
}

using State = ArticleState;
const std::string kAgain = " nomination: earlier discussions found";

const StatusCase kStatuses[] = {
    {"First", NominationFacts{0, State::Fine}, {"First nomination", "", false}},
    {"Second", NominationFacts{1, State::Fine}, {"2nd" + kAgain, "", false}},
    {"Third", NominationFacts{2, State::Fine}, {"3rd" + kAgain, "", false}},
    {"Fourth", NominationFacts{3, State::Fine}, {"4th" + kAgain, "", false}},
    {"Twelfth", NominationFacts{11, State::Fine}, {"12th" + kAgain, "", false}},
    {"TwentySecond", NominationFacts{21, State::Fine}, {"22nd" + kAgain, "", false}},
    {"OtherNamespace",
     NominationFacts{0, State::OtherNamespace},
     {"Not in the article namespace", "First nomination", true}},
    {"Missing",
     NominationFacts{0, State::Missing},
     {"No article of this title on the wiki", "First nomination", true}},
    {"Redirect",
     NominationFacts{0, State::Redirect},
     {"This title is a redirect", "First nomination", true}},
    {"AlreadyNominated",
     NominationFacts{0, State::AlreadyNominated},
     {"Already nominated: the article carries a deletion tag", "First nomination", true}},
    {"WarningWinsOverRenomination",
     NominationFacts{1, State::Missing},
     {"No article of this title on the wiki", "2nd" + kAgain, true}},
    {"TaggedRenomination",
     NominationFacts{4, State::AlreadyNominated},
     {"Already nominated: the article carries a deletion tag", "5th" + kAgain, true}},
    {"Failure",
     CheckFailure{"the answer is not JSON"},
     {"Could not check for earlier nominations", "the answer is not JSON", false}},
};

INSTANTIATE_TEST_SUITE_P(Checks, StatusOfTest, testing::ValuesIn(kStatuses),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace nominator
