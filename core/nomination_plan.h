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
// the edit. A plan may hold several edits of a kind (a bundle's tags and notices): those are
// then each named by their subject, and counted in "complete".
struct EditKindInfo {
    EditKind kind;
    std::string_view paneName;
    std::string_view paneDescription;
    // "Saved: article tag. Not yet saved: ..."; one of several: "tag on ARTICLE"
    std::string_view statusName;
    std::string_view statusNameOf;
    // "The nomination of X is not complete: the article tag is not saved."; one of several:
    // "the tag on ARTICLE"
    std::string_view questionName;
    std::string_view questionNameOf;
    // "Nomination complete: tag, discussion and log line saved"; several: "3 tags"
    std::string_view completeName;
    std::string_view completePlural;
    Placement placement;
    SavedSign savedSign;
    // When a click opens its pane, among the others: the editors first, the discussion page,
    // whose editor the user opens by its "create" link, after them.
    int openRank;
};

// clang-format off
inline constexpr EditKindInfo kEditKinds[] = {
    {EditKind::ArticleTag, "Article editor", "The article in the wiki's editor",
     "article tag", "tag on", "the article tag", "the tag on", "tag", "tags",
     Placement::BelowHatnotes, SavedSign::DeletionTemplate, 0},
    {EditKind::Discussion, "Deletion discussion", "The article's deletion discussion page",
     "discussion", "discussion of", "the discussion", "the discussion of", "discussion",
     "discussions", Placement::EmptyPage, SavedSign::PageExists, 2},
    {EditKind::DayLog, "Day's log editor", "The day's deletion log in the wiki's editor",
     "log line", "log line on", "the log line", "the log line on", "log line", "log lines",
     Placement::FirstLogEntry, SavedSign::TranscludesDiscussion, 1},
    {EditKind::CreatorNotice, "Creator's talk page",
     "The article creator's talk page in the wiki's editor", "notice", "notice to",
     "the notice to the creator", "the notice to", "notice", "notices", Placement::NewSection,
     SavedSign::LinksDiscussion, 3},
    {EditKind::TopicListing, "Deletion sorting list editor",
     "A deletion-sorting topic's list of discussions in the wiki's editor", "listing",
     "listing on", "the listing", "the listing on", "listing", "listings",
     Placement::FirstLogEntry, SavedSign::TranscludesDiscussion, 1},
};
// clang-format on

const EditKindInfo& InfoOf(EditKind kind);

// A further article of a bundle, and what the wiki has said of it.
struct FurtherArticle {
    // Under the wiki's name.
    std::string name = {};
    // As NominationInput's: the revision in which the check found a deletion tag on it already.
    std::optional<long long> taggedAtRevision = {};
    // Unknown until the wiki has said who created it; then YouCreated, NoCreator or
    // CreatorUnknown, or Due with its creator, Open once the creator's talk page opens, and
    // Protected when the user may not edit it.
    NoticeState notice = NoticeState::Unknown;
    std::string creator = {};
};

// The further articles' names, in order.
std::vector<std::string> FurtherNames(const std::vector<FurtherArticle>& further);

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
    // The further articles of a bundle, in the order typed; none for a single article.
    std::vector<FurtherArticle> further = {};
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
    // Whom or what the edit is for, which names it among several of its kind: the article a
    // tag goes on, the creator a notice goes to.
    std::string subject = {};
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
// line, the notice to the creator (its pane empty until the wiki says it can be left); then a
// bundle's further articles' tags, a listing on each deletion-sorting topic's list, and, once
// the wiki has said who created every article, a notice to each further creator. A creator of
// several articles gets one notice for all of them, the first article's creator in the first
// notice; the user gets none.
NominationPlan PlanNomination(const NominationInput& input);

// The discussion page's name after "Wikipedia:Articles for deletion/": the wiki name, or
// "NAME (2nd nomination)" for a renomination.
std::string DiscussionPageName(const NominationInput& input);

// The row of the plan that makes the edit of this kind.
std::optional<std::size_t> EditOfKind(const NominationPlan& plan, EditKind kind);

// Whether the wiki has said who created every article of the nomination (whether a notice is
// due for each): the notices' texts and panes are settled.
bool EveryCreatorSettled(const NominationInput& input);

// Whether the plan holds several edits of this kind.
bool SeveralOfKind(const NominationPlan& plan, EditKind kind);

// The plan's rows in the order in which a click opens their panes.
std::vector<std::size_t> OpeningOrder(const NominationPlan& plan);

// The captions of a plan of `count` edits' tabs: "Tab 0", "Tab 1", ...
std::string TabCaption(std::size_t index);

}  // namespace nominator
