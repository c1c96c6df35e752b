#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/nomination_check_answer.h"
#include "core/nomination_plan.h"
#include "core/nomination_review.h"

namespace nominator {

// The status line: its text, its tool tip and whether it warns the user off saving.
struct StatusLine {
    std::string text;
    std::string detail;
    bool warning = false;

    bool operator==(const StatusLine&) const = default;
};

// Everything the status line can say, one row a text, in the order in which they win: the line
// says the first that applies, and then the note on the creator's notice, if any.
enum class StatusId {
    AddressRefused,
    NotHandedOn,
    DownloadRefused,
    DownloadSaved,
    DownloadFailed,
    TooManyFurther,
    PaneBehind,
    PanesBehind,
    HeldTwice,
    UnknownTopics,
    TopicListUnread,
    AlreadyNominated,
    NominationComplete,
    PartlySaved,
    SavedSoFar,
    NoLogMarker,
    NoListMarker,
    ProposedDeletionKept,
    Checking,
    CheckFailed,
    OtherNamespace,
    Missing,
    Redirect,
    SpeedyTagged,
    MainPage,
    FurtherArticle,
    FurtherCheckFailed,
    RenominationClosedRecently,
    RenominationClosed,
    Renomination,
    FirstNomination,
};

// A text's words; "{name}" stands for what the line fills in.
struct StatusEntry {
    StatusId id;
    std::string_view text;
    bool warning;
};

// clang-format off
inline constexpr StatusEntry kStatusCatalogue[] = {
    // What a pane did with an address or a download it did not keep: said when it happens, until
    // the line's next change.
    {StatusId::AddressRefused,
     "Tab {tab} did not open {subject}: the tabs show only the wiki, and only web and mail "
     "addresses go to your browser", true},
    {StatusId::NotHandedOn,
     "Tab {tab} could not open {subject} in your browser: the desktop has no program for it", true},
    {StatusId::DownloadRefused,
     "Tab {tab}'s download {subject} was not saved: no place was chosen for it", false},
    {StatusId::DownloadSaved, "Tab {tab}'s download was saved as {subject}", false},
    {StatusId::DownloadFailed,
     "Tab {tab}'s download {subject} stopped before it was saved: {reason}", true},
    // A click that prepared nothing, said until the next one.
    {StatusId::TooManyFurther,
     "Too many further articles: at most {most} go into one nomination, so nothing was prepared",
     true},
    {StatusId::PaneBehind,
     "Tab {tabs} still shows an earlier page, kept for its unsaved changes: {pages}", true},
    {StatusId::PanesBehind,
     "Tabs {tabs} still show earlier pages, kept for their unsaved changes: {pages}", true},
    {StatusId::HeldTwice, "Tab {tab}'s editor holds the {edit} twice", true},
    // Typed topics that get no listing: the discussion's sorting is not what the user asked for.
    {StatusId::UnknownTopics,
     "Not a deletion-sorting topic on the wiki, so not listed: {topics}", true},
    {StatusId::TopicListUnread,
     "Could not read the wiki's deletion-sorting topics, so not listed: {topics}", true},
    // Someone else's nomination, running or left half done: whatever is saved now is not this
    // one's, and the warning stays.
    {StatusId::AlreadyNominated, "Already nominated: the article carries a deletion tag", true},
    {StatusId::NominationComplete, "Nomination complete: {edits} saved", false},
    {StatusId::PartlySaved, "Saved: {saved}. Not yet saved: {unsaved}", false},
    {StatusId::SavedSoFar, "Saved so far: {saved}. The creators' notices are not known yet",
     false},
    {StatusId::NoLogMarker,
     "No place for the log line on this log page: paste it at the top of the list by hand", true},
    {StatusId::NoListMarker,
     "No place for the listing on tab {tab}'s topic list: paste it at the top of the list by hand",
     true},
    // The wiki says the article is proposed for deletion, but its editor's text held no tag the
    // fill could take out whole.
    {StatusId::ProposedDeletionKept,
     "The article's proposed-deletion tag is still in its editor: remove it by hand", true},
    {StatusId::Checking, "Checking for earlier nominations...", false},
    {StatusId::CheckFailed, "Could not check for earlier nominations", false},
    {StatusId::OtherNamespace, "Not in the article namespace", true},
    {StatusId::Missing, "No article of this title on the wiki", true},
    {StatusId::Redirect, "This title is a redirect", true},
    // Whether the article goes at once is an administrator's call, not the nominator's: the
    // speedy-deletion tag stays.
    {StatusId::SpeedyTagged,
     "The article carries a speedy-deletion tag, which stays: an administrator decides on it",
     true},
    {StatusId::MainPage,
     "Linked from the Main Page today: a nomination now is usually closed at once", true},
    // The first of the further articles that the check warns of, "{warning}" being what the
    // line would say of the first article.
    {StatusId::FurtherArticle, "Further article '{article}': {warning}", true},
    {StatusId::FurtherCheckFailed, "Could not check the further articles", false},
    {StatusId::RenominationClosedRecently,
     "{ordinal} nomination: the last discussion closed as {result} on {date}", true},
    {StatusId::RenominationClosed,
     "{ordinal} nomination: the last discussion closed as {result} on {date}", false},
    {StatusId::Renomination, "{ordinal} nomination: earlier discussions found", false},
    {StatusId::FirstNomination, "First nomination", false},
};
// clang-format on

// The tool tip of the panes' warning.
inline constexpr std::string_view kPanesBehindDetail =
    "Still shown: {pages}. Click AFD again (Next Day -> for the log) to open this nomination's "
    "pages.";

// Why no notice is left, said after the line.
struct NoticeNote {
    NoticeState state;
    std::string_view text;
};

inline constexpr NoticeNote kNoticeNotes[] = {
    {NoticeState::YouCreated, "You created the article: no notice needed"},
    {NoticeState::NoCreator, "No creator found for the article: no notice to leave"},
    {NoticeState::CreatorUnknown, "Could not find out who created the article: no notice to leave"},
    {NoticeState::Protected, "The creator's talk page is protected: no notice can be left there"},
    {NoticeState::Bot, "The creator is a bot: no notice needed"},
};

// Said after the line while a notice is due to a creator who is blocked: telling them is still
// the user's call.
inline constexpr std::string_view kCreatorBlockedNote = "The creator is blocked";

// Said after the line while the article's edit takes out its proposed-deletion tag.
inline constexpr std::string_view kProposedDeletionRemovedNote =
    "The proposed-deletion tag is removed by this edit";

// What the Main Page's warning's tool tip says first.
inline constexpr std::string_view kMainPageDetail =
    "The Main Page links the article today; wait until it has left the Main Page.";

const StatusEntry& EntryOf(StatusId id);

// The entry's text with each "{name}" replaced by its value.
std::string StatusText(StatusId id,
                       const std::vector<std::pair<std::string_view, std::string>>& values = {});
StatusLine Status(StatusId id, std::string detail = {},
                  const std::vector<std::pair<std::string_view, std::string>>& values = {});

// What the status line says about a finished check. A failure says so, with its reason as the
// tool tip. A warning about the article wins over the nomination's count, which then becomes
// the tool tip, since the texts and pages still follow the count. Otherwise the line names the
// nomination: "First nomination", "2nd nomination: earlier discussions found", ...
// A speedy-deletion tag is such a warning, after the article's state.
// With what the review found, once it has: a Main Page link warns unless the article does
// already, and a renomination names how the last discussion closed (a warning when it kept the
// article less than six months before `today`).
StatusLine StatusOf(const NominationCheck& check, const std::optional<ReviewFacts>& review = {},
                    std::chrono::year_month_day today = {});

// A further article of a bundle that the check warns of, and the warning that the line would
// give of the first article with the same facts.
struct FurtherWarning {
    std::string article;
    StatusId warning = StatusId::Missing;

    bool operator==(const FurtherWarning&) const = default;
};

// The warning of the first further article in `facts` (one a name, in order) that the check
// warns of, as it warns of the first article; nothing when it warns of none.
std::optional<FurtherWarning> FirstFurtherWarning(const std::vector<std::string>& names,
                                                  const std::vector<NominationFacts>& facts);

// A pane that still shows an earlier page, which the user kept for its unsaved changes
// instead of leaving it for the nomination's page.
struct PaneBehind {
    int tab;
    // The page's title (UTF-8), as the browser names it.
    std::string page;
};

// Everything that decides the status line.
struct StatusFacts {
    // What the check says: checking, its outcome; nothing before the first nomination.
    std::optional<StatusLine> check = {};
    // The day's log has no place for the log line.
    bool noLogMarker = false;
    // The tab of a topic's list that has no place for its listing.
    std::optional<int> noListMarkerTab = {};
    // Typed topics that get no listing, and whether that is because the wiki's list of topics
    // could not be read.
    std::vector<std::string> unlistedTopics = {};
    bool topicListUnread = false;
    // Where the saves stand, once any is saved (SavedEditsStatus).
    std::optional<StatusLine> saves = {};
    NoticeState notice = NoticeState::Unknown;
    // In tab order.
    std::vector<PaneBehind> behind = {};
    // The article carried a deletion tag before this nomination: that stays the line.
    bool taggedBefore = false;
    // A tab whose editor holds its text twice, and what the text is ("tag").
    std::optional<std::pair<int, std::string>> heldTwice = {};
    // The creator, due a notice, is blocked.
    bool creatorBlocked = false;
    // What a pane did last with an address or a download it did not keep (PaneNoticeStatus).
    std::optional<StatusLine> paneNotice = {};
    // The click was refused: it prepared nothing, and the line says why.
    std::optional<StatusLine> refused = {};
    // A further article of a bundle that the check warns of: it warns unless the first
    // article's line does.
    std::optional<FurtherWarning> further = {};
    // The further articles' check got no usable answer.
    bool furtherCheckFailed = false;
    // The check found a proposed-deletion tag on the article; and, once the article's editor
    // was filled, whether its fill took one out.
    bool proposedDeletion = false;
    std::optional<bool> proposedDeletionRemoved = {};
};

// The status line: the first entry that applies, then the note that the proposed-deletion tag
// goes, and the note on the notice.
StatusLine ComposeStatus(const StatusFacts& facts);

}  // namespace nominator
