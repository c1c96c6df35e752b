#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace nominator {

// A nomination is a list of edits on the wiki. Each kind of edit is a row of kEditKinds; a
// nomination's plan is a row per edit, in the order of its tabs. The panes, the fills, the
// question which edits are saved, the status line and the close question all follow the plan.

enum class EditKind { ArticleTag, Discussion, DayLog, CreatorNotice, TopicListing };

// Where an edit's text goes in the text its editor shows (see core/editor_fill.h).
enum class Placement {
    BelowHatnotes,  // the article's tag: at the top, below a short description and hatnotes
    EmptyPage,      // the discussion: only into an empty editor
    FirstLogEntry,  // the log line and a topic's listing: the list's first entry, below its marker
    NewSection,     // the notice: a section of its own at the end of the page
};

// What the wiki shows once the edit is saved.
enum class SavedSign {
    DeletionTemplate,       // the page carries a deletion template
    PageExists,             // the page exists
    TranscludesDiscussion,  // the page transcludes the discussion page
    LinksDiscussion,        // the page links the discussion page
};

// Where the notice to the article's creator stands, from the click to the talk page's pane.
enum class NoticeState {
    Unknown,         // the check has not said yet who created the article
    LookingFurther,  // the article began as a redirect: a further question is under way
    YouCreated,      // no notice: the user created the article
    NoCreator,       // no notice: the article is missing, only redirects, or its creator hidden
    CreatorUnknown,  // no notice: the wiki could not say who created the article
    Due,             // a notice is due; whether the user may edit the talk page is not known yet
    Open,            // the wiki says the user may edit the talk page: its pane opens it
    Protected,       // no notice: the user may not edit the creator's talk page
    Bot,             // no notice: the creator is a bot
};

// A kind of edit: what its pane is called and what the status line and the close question call
// the edit.
struct EditKindInfo {
    EditKind kind;
    std::string_view paneName;
    std::string_view paneDescription;
    // "Saved: article tag. Not yet saved: ..."
    std::string_view statusName;
    // "The nomination of X is not complete: the article tag is not saved."
    std::string_view questionName;
    // "Nomination complete: tag, discussion and log line saved"
    std::string_view completeName;
    Placement placement;
    SavedSign savedSign;
    // When a click opens its pane, among the others: the editors first, the discussion page,
    // whose editor the user opens by its "create" link, after them.
    int openRank;
};

// clang-format off
inline constexpr EditKindInfo kEditKinds[] = {
    {EditKind::ArticleTag, "Article editor", "The article in the wiki's editor",
     "article tag", "the article tag", "tag", Placement::BelowHatnotes, SavedSign::DeletionTemplate, 0},
    {EditKind::Discussion, "Deletion discussion", "The article's deletion discussion page",
     "discussion", "the discussion", "discussion", Placement::EmptyPage, SavedSign::PageExists, 2},
    {EditKind::DayLog, "Day's log editor", "The day's deletion log in the wiki's editor",
     "log line", "the log line", "log line", Placement::FirstLogEntry,
     SavedSign::TranscludesDiscussion, 1},
    {EditKind::CreatorNotice, "Creator's talk page",
     "The article creator's talk page in the wiki's editor", "notice",
     "the notice to the creator", "notice", Placement::NewSection, SavedSign::LinksDiscussion, 3},
    {EditKind::TopicListing, "Deletion sorting list editor",
     "A deletion-sorting topic's list of discussions in the wiki's editor", "listing",
     "the listing", "listing", Placement::FirstLogEntry, SavedSign::TranscludesDiscussion, 1},
};
// clang-format on

const EditKindInfo& InfoOf(EditKind kind);

// What the window knows of a nomination when it plans it.
struct NominationInput {
    // The article's title as typed, and under the wiki's name.
    std::string typedTitle = {};
    std::string name = {};
    std::string reason = {};
    // The day's log date key.
    std::string logKey = {};
    // Which nomination of the article this is: 1 for the first.
    int number = 1;
    NoticeState notice = NoticeState::Unknown;
    // Who created the article, while a notice is due or open.
    std::string creator = {};
    // The article's revision when the check found a deletion tag on it already (0 when the
    // answer did not say which); nothing when it found none.
    std::optional<long long> taggedAtRevision = {};
    // The letter of the category the discussion is filed under; empty for none.
    std::string category = {};
    // The deletion-sorting topics the wiki lists that the discussion is listed under, in order.
    std::vector<std::string> topics = {};
};

// What a pane shows while its edit has no page yet.
inline constexpr std::string_view kEmptyPage = "about:blank";

struct PlannedEdit {
    EditKind kind;
    // The wiki's full title of the page the edit is made on; empty while it has none.
    std::string page = {};
    // The tab's caption, "Tab 0", ...
    std::string caption = {};
    // The address its pane opens: the page's editor (the discussion's page itself, whose
    // editor its "create" link opens), or kEmptyPage while there is no page to edit.
    std::string address = {};
    // The text to copy into the editor, and the edit summary.
    std::string text = {};
    std::string summary = {};
    // Part of the nomination: counted in what is saved, "complete" and the close question.
    bool due = true;
    // The revision of the page in which the wiki showed the edit's sign before the nomination
    // began: the edit counts as saved only in a later one.
    std::optional<long long> savedAfterRevision = {};

    const EditKindInfo& info() const { return InfoOf(kind); }
};

using NominationPlan = std::vector<PlannedEdit>;

// The edits of the nomination, in tab order: the article's tag, the discussion, the day's log
// line, the notice to the creator (its pane empty until the wiki says it can be left), and a
// listing on each topic's list.
NominationPlan PlanNomination(const NominationInput& input);

// The discussion page's name after "Wikipedia:Articles for deletion/": the wiki name, or
// "NAME (2nd nomination)" for a renomination.
std::string DiscussionPageName(const NominationInput& input);

// The row of the plan that makes the edit of this kind.
std::optional<std::size_t> EditOfKind(const NominationPlan& plan, EditKind kind);

// The plan's rows in the order in which a click opens their panes.
std::vector<std::size_t> OpeningOrder(const NominationPlan& plan);

// The captions of a plan of `count` edits' tabs: "Tab 0", "Tab 1", ...
std::string TabCaption(std::size_t index);

}  // namespace nominator
