#include "core/status_catalogue.h"

#include <gtest/gtest.h>

#include <iterator>
#include <ostream>
#include <string>

namespace nominator {

void PrintTo(const StatusLine& status, std::ostream* out) {
    *out << (status.warning ? "warning " : "") << '"' << status.text << "\" tip \"" << status.detail
         << '"';
}

namespace {

// Every entry once, each with its own words or its own colour, so that none can stand for
// another.
TEST(StatusCatalogueTest, HoldsEveryTextOnceInTheOrderInWhichTheyWin) {
    for (std::size_t i = 0; i < std::size(kStatusCatalogue); ++i) {
        SCOPED_TRACE(kStatusCatalogue[i].text);
        EXPECT_EQ(static_cast<std::size_t>(kStatusCatalogue[i].id), i);
        EXPECT_EQ(&EntryOf(kStatusCatalogue[i].id), &kStatusCatalogue[i]);
        for (std::size_t j = 0; j < i; ++j) {
            EXPECT_FALSE(kStatusCatalogue[i].text == kStatusCatalogue[j].text &&
                         kStatusCatalogue[i].warning == kStatusCatalogue[j].warning);
        }
    }
    EXPECT_EQ(StatusText(StatusId::Checking), "Checking for earlier nominations...");
    EXPECT_EQ(StatusText(StatusId::CheckFailed), "Could not check for earlier nominations");
}

TEST(StatusCatalogueTest, FillsInValuesAsTheyStandEvenWithBraces) {
    EXPECT_EQ(StatusText(StatusId::PartlySaved, {{"unsaved", "{saved}"}, {"saved", "a {x} }{"}}),
              "Saved: a {x} }{. Not yet saved: {saved}");
    EXPECT_EQ(StatusText(StatusId::Renomination),
              "{ordinal} nomination: earlier discussions found");
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
const std::string_view kSpeedy = EntryOf(StatusId::SpeedyTagged).text;
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
    {"SpeedyTagged",
     NominationFacts{.speedyDeletion = true},
     {std::string(kSpeedy), "First nomination", true}},
    {"SpeedyTaggedRenomination",
     NominationFacts{.highestEarlierNomination = 1, .speedyDeletion = true},
     {std::string(kSpeedy), "2nd" + kAgain, true}},
    {"ArticlesStateWinsOverSpeedy",
     NominationFacts{.article = State::Redirect, .speedyDeletion = true},
     {"This title is a redirect", "First nomination", true}},
    {"AlreadyNominatedWinsOverSpeedy",
     NominationFacts{.article = State::AlreadyNominated, .speedyDeletion = true},
     {"Already nominated: the article carries a deletion tag", "First nomination", true}},
    // The article's fill takes the tag out; what the line says of that, ComposeStatus adds.
    {"ProposedDeletionLeavesTheCheckAsItIs",
     NominationFacts{.proposedDeletion = true},
     {"First nomination", "", false}},
    {"Failure",
     CheckFailure{"the answer is not JSON"},
     {"Could not check for earlier nominations", "the answer is not JSON", false}},
};

INSTANTIATE_TEST_SUITE_P(Checks, StatusOfTest, testing::ValuesIn(kStatuses),
                         [](const auto& info) { return std::string(info.param.name); });

struct ComposeCase {
    const char* name;
    StatusFacts facts;
    StatusLine status;
};

void PrintTo(const ComposeCase& row, std::ostream* out) { *out << row.name; }

class ComposeStatusTest : public testing::TestWithParam<ComposeCase> {};

TEST_P(ComposeStatusTest, SaysTheFirstThatAppliesAndTheNoticesNote) {
    EXPECT_EQ(ComposeStatus(GetParam().facts), GetParam().status);
}

const StatusLine kChecking = Status(StatusId::Checking);
const StatusLine kFirst = Status(StatusId::FirstNomination);
const StatusLine kMissing = StatusOf(NominationFacts{0, State::Missing});
const StatusLine kPartly{"Saved: article tag. Not yet saved: discussion", "", false};
const std::string kOwn = ". You created the article: no notice needed";
const std::string kRemoved = ". The proposed-deletion tag is removed by this edit";

const ComposeCase kComposed[] = {
    // Someone else's tag: what is saved may be theirs, so the line keeps the warning.
    {"TaggedBeforeKeepsItsWarning",
     {.check = StatusOf(NominationFacts{0, State::AlreadyNominated}),
      .saves = kPartly,
      .notice = NoticeState::YouCreated,
      .taggedBefore = true},
     {"Already nominated: the article carries a deletion tag" + kOwn,
      "First nomination\n" + kPartly.text, true}},
    {"HeldTwiceWinsOverTheSaves",
     {.check = kFirst, .saves = kPartly, .heldTwice = std::pair{0, std::string("tag")}},
     {"Tab 0's editor holds the tag twice", kPartly.text, true}},
    {"APanesNoticeWinsOverAll",
     {.check = kFirst, .saves = kPartly, .behind = {{2, "X"}}, .paneNotice = kChecking},
     kChecking},
    {"BlockedCreatorNoted",
     {.check = kFirst, .notice = NoticeState::Open, .creatorBlocked = true},
     {"First nomination. The creator is blocked", "", false}},
    {"NothingYet", {}, {}},
    {"Checking", {.check = kChecking}, kChecking},
    {"CheckWithNote",
     {.check = kFirst, .notice = NoticeState::YouCreated},
     {"First nomination" + kOwn, "", false}},
    {"NoteForEveryStateWithoutANotice",
     {.check = kFirst, .notice = NoticeState::Protected},
     {"First nomination. The creator's talk page is protected: no notice can be left there", "",
      false}},
    {"NoNoteWhileDue", {.check = kFirst, .notice = NoticeState::Due}, kFirst},
    {"NoLogMarkerWinsOverTheCheck",
     {.check = kMissing, .noLogMarker = true},
     {std::string(EntryOf(StatusId::NoLogMarker).text), kMissing.text, true}},
    {"SavesWinOverNoLogMarker",
     {.check = kMissing, .noLogMarker = true, .saves = kPartly, .notice = NoticeState::NoCreator},
     {kPartly.text + ". No creator found for the article: no notice to leave", "", false}},
    {"NoListMarkerWinsOverTheCheck",
     {.check = kFirst, .noListMarkerTab = 5},
     {"No place for the listing on tab 5's topic list: paste it at the top of the list by hand",
      kFirst.text, true}},
    {"SavesWinOverNoListMarker",
     {.check = kFirst, .noListMarkerTab = 4, .saves = kPartly},
     kPartly},
    {"UnknownTopicsWinOverTheSaves",
     {.check = kFirst,
      .unlistedTopics = {"Footbal", "Plaices"},
      .saves = kPartly,
      .notice = NoticeState::YouCreated},
     {"Not a deletion-sorting topic on the wiki, so not listed: Footbal and Plaices" + kOwn,
      kPartly.text, true}},
    {"TopicListUnread",
     {.check = kChecking, .unlistedTopics = {"Football"}, .topicListUnread = true},
     {"Could not read the wiki's deletion-sorting topics, so not listed: Football", kChecking.text,
      true}},
    {"ProposedDeletionRemovalNoted",
     {.check = kFirst, .notice = NoticeState::YouCreated, .proposedDeletion = true},
     {"First nomination" + kRemoved + kOwn, "", false}},
    {"RemovalTheCheckDidNotForeseeNoted",
     {.check = kFirst, .proposedDeletionRemoved = true},
     {"First nomination" + kRemoved, "", false}},
    {"ProposedDeletionKeptByTheFillWarns",
     {.check = kFirst, .proposedDeletion = true, .proposedDeletionRemoved = false},
     {std::string(EntryOf(StatusId::ProposedDeletionKept).text), "First nomination", true}},
    {"NoTagNoFillNoWord",
     {.check = kFirst, .proposedDeletion = false, .proposedDeletionRemoved = false},
     kFirst},
    {"NoLogMarkerWinsOverAKeptProposedDeletion",
     {.check = kFirst,
      .noLogMarker = true,
      .proposedDeletion = true,
      .proposedDeletionRemoved = false},
     {std::string(EntryOf(StatusId::NoLogMarker).text), "First nomination", true}},
    {"SavesWinOverAKeptProposedDeletion",
     {.check = kFirst,
      .saves = kPartly,
      .proposedDeletion = true,
      .proposedDeletionRemoved = false},
     kPartly},
    {"RemovalNotedAfterTheSaves",
     {.check = kFirst, .saves = kPartly, .proposedDeletion = true, .proposedDeletionRemoved = true},
     {kPartly.text + kRemoved, "", false}},
    {"SomeoneElsesTagRemovesNothing",
     {.check = StatusOf(NominationFacts{0, State::AlreadyNominated}),
      .taggedBefore = true,
      .proposedDeletion = true},
     {"Already nominated: the article carries a deletion tag", "First nomination", true}},
    {"SpeedyWarningKeepsTheRemovalsNote",
     {.check = StatusOf(NominationFacts{.proposedDeletion = true, .speedyDeletion = true}),
      .proposedDeletion = true},
     {std::string(kSpeedy) + kRemoved, "First nomination", true}},
    {"PanesBehindWinOverAll",
     {.check = kFirst, .saves = kPartly, .notice = NoticeState::YouCreated, .behind = {{2, "X"}}},
     {"Tab 2 still shows an earlier page, kept for its unsaved changes: \"X\"",
      "Still shown: tab 2: \"X\". Click AFD again (Next Day -> for the log) to open this "
      "nomination's pages.\n" +
          kPartly.text + kOwn,
      true}},
    // A bundle's further articles.
    {"AFurtherArticlesWarningNamesIt",
     {.check = kFirst,
      .notice = NoticeState::YouCreated,
      .further = FurtherWarning{"Other page", StatusId::Missing}},
     {"Further article 'Other page': no article of this title on the wiki" + kOwn, kFirst.text,
      true}},
    {"AFurtherArticlesSpeedyTagNamesIt",
     {.check = kFirst, .further = FurtherWarning{"Other page", StatusId::SpeedyTagged}},
     {"Further article 'Other page': the article carries a speedy-deletion tag, which stays: an "
      "administrator decides on it",
      kFirst.text, true}},
    {"TheFirstArticlesWarningWinsOverAFurtherOnes",
     {.check = kMissing, .further = FurtherWarning{"Other page", StatusId::Redirect}},
     kMissing},
    {"SavesWinOverAFurtherArticlesWarning",
     {.check = kFirst,
      .saves = kPartly,
      .further = FurtherWarning{"Other page", StatusId::Redirect}},
     kPartly},
    {"AFailedFurtherCheckSaysSo",
     {.check = kFirst, .furtherCheckFailed = true},
     {"Could not check the further articles", kFirst.text, false}},
    {"ARefusedClickWinsOverAllButAPanesNotice",
     {.check = kFirst,
      .saves = kPartly,
      .behind = {{2, "X"}},
      .refused = Status(StatusId::TooManyFurther, {}, {{"most", "50"}})},
     {"Too many further articles: at most 50 go into one nomination, so nothing was prepared", "",
      true}},
};

// The further articles "A", "B" and "C": the first that the check warns of, warned of as the
// first article would be.
TEST(FirstFurtherWarningTest, IsTheFirstFurtherArticleTheCheckWarnsOf) {
    const NominationFacts fine{};
    const NominationFacts speedy{.speedyDeletion = true};
    const NominationFacts proposed{.proposedDeletion = true};
    const NominationFacts missing{.article = State::Missing};
    const NominationFacts speedyRedirect{.article = State::Redirect, .speedyDeletion = true};
    const struct {
        const char* name;
        std::vector<NominationFacts> facts;
        std::optional<FurtherWarning> warning;
    } rows[] = {
        {"AStateInOrder",
         {fine, {.article = State::OtherNamespace}, missing},
         FurtherWarning{"B", StatusId::OtherNamespace}},
        {"ASpeedyTag", {fine, fine, speedy}, FurtherWarning{"C", StatusId::SpeedyTagged}},
        {"TheEarlierArticleWins",
         {speedy, missing, fine},
         FurtherWarning{"A", StatusId::SpeedyTagged}},
        {"TheStateBeforeTheTag",
         {speedyRedirect, fine, fine},
         FurtherWarning{"A", StatusId::Redirect}},
        // Its removal is said by the editor's text, not warned of.
        {"AProposedDeletionIsNoWarning", {proposed, fine, fine}, std::nullopt},
        {"AllFine", {fine, fine, fine}, std::nullopt},
        // Before the check has answered, nothing is known against them.
        {"NotAnsweredYet", {}, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(FirstFurtherWarning({"A", "B", "C"}, row.facts), row.warning);
    }
}

INSTANTIATE_TEST_SUITE_P(Facts, ComposeStatusTest, testing::ValuesIn(kComposed),
                         [](const auto& info) { return std::string(info.param.name); });

struct ReviewedCase {
    const char* name;
    NominationFacts check;
    ReviewFacts review;
    StatusLine status;
};

class ReviewedStatusTest : public testing::TestWithParam<ReviewedCase> {};

TEST_P(ReviewedStatusTest, SaysWhatTheReviewersWouldSee) {
    constexpr std::chrono::year_month_day kToday{std::chrono::year{2026}, std::chrono::month{3},
                                                 std::chrono::day{7}};
    EXPECT_EQ(StatusOf(GetParam().check, GetParam().review, kToday), GetParam().status);
}

constexpr std::chrono::year_month_day kFeb14{std::chrono::year{2026}, std::chrono::month{2},
                                             std::chrono::day{14}};
constexpr std::chrono::year_month_day kMay2019{std::chrono::year{2019}, std::chrono::month{5},
                                               std::chrono::day{3}};

const ReviewedCase kReviewed[] = {
    {"NothingFound", {0, State::Fine}, {}, {"First nomination", "", false}},
    {"MainPage",
     {0, State::Fine},
     {.onMainPage = true},
     {"Linked from the Main Page today: a nomination now is usually closed at once",
      std::string(kMainPageDetail) + "\nFirst nomination", true}},
    {"SpeedyWinsOverTheMainPage",
     {.speedyDeletion = true},
     {.onMainPage = true},
     {std::string(kSpeedy), "First nomination", true}},
    {"TheArticlesOwnWarningWinsOverTheMainPage",
     {0, State::Redirect},
     {.onMainPage = true},
     {"This title is a redirect", "First nomination", true}},
    {"RecentlyKept",
     {1, State::Fine},
     {.lastDiscussion = ClosedDiscussion{"keep", kFeb14}},
     {"2nd nomination: the last discussion closed as keep on 14 February 2026", "", true}},
    {"LongAgoNoConsensus",
     {2, State::Fine},
     {.lastDiscussion = ClosedDiscussion{"no consensus", kMay2019}},
     {"3rd nomination: the last discussion closed as no consensus on 3 May 2019", "", false}},
    {"RecentlyDeleted",
     {1, State::Fine},
     {.lastDiscussion = ClosedDiscussion{"delete", kFeb14}},
     {"2nd nomination: the last discussion closed as delete on 14 February 2026", "", false}},
};

INSTANTIATE_TEST_SUITE_P(Reviews, ReviewedStatusTest, testing::ValuesIn(kReviewed),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace nominator
