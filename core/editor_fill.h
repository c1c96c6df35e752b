#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/nomination_plan.h"

namespace nominator {

// Where each of a nomination's texts goes in the text a wiki editor shows, as a user would put
// it there by hand. Nothing is put where the text, or what saving it leaves, is already.

// The article's text with the tag as a line of its own at the top, below a leading short
// description and the hatnote templates right after it ({{About|...}}, {{For|...}},
// {{Other uses}}, {{Distinguish|...}}, {{Redirect|...}}, {{Hatnote|...}} and their kin), which
// stay first. Nothing when the text holds the tag already, or the templates a saved tag leaves
// (Article for deletion/dated, AfDM).
std::optional<std::string> TaggedArticleText(std::string_view articleText, std::string_view tag);

// What a day's log holds, or would hold, with the discussion's line.
struct ListedLog {
    enum class Outcome {
        Listed,         // `text` is the log with the line as the list's first entry
        AlreadyListed,  // the log holds the line or the discussion's transclusion already
        NoMarker,       // the log has no line under which new entries go: paste by hand
    };
    Outcome outcome;
    std::string text;

    bool operator==(const ListedLog&) const = default;
};

// The log's text with `line` as the first entry of its list: on the line right after
// kNewEntriesMarker and the blank lines that follow it. `discussionPage` is the discussion's
// full title ("Wikipedia:Articles for deletion/NAME"), whose transclusion is what a saved line
// leaves.
ListedLog ListedLogText(std::string_view logText, std::string_view line,
                        std::string_view discussionPage);

inline constexpr std::string_view kNewEntriesMarker =
    "<!-- Add new entries to the TOP of the following list -->";

// The discussion's text for a new discussion page's editor: only an editor without text (or
// with white space only) gets it.
std::optional<std::string> NewDiscussionText(std::string_view editorText,
                                             std::string_view discussion);

// The edit summaries. `page` is the discussion's name after "Wikipedia:Articles for deletion/",
// `article` the article's wiki name.
std::string ArticleTagSummary(std::string_view page);
std::string DiscussionSummary(std::string_view article);
std::string LogLineSummary(std::string_view page);

// An edit's text in its editor's text, placed as its kind places it (the functions above, and
// NoticedTalkText for the notice). `discussionPage` is the discussion's full title. A tag placed
// below the hatnotes takes the place of the article's proposed-deletion tags
// ({{Proposed deletion/dated|...}}, {{Prod blp/dated|...}}, as the wiki reads their names):
// each goes whole, with its parameters, and with its line when it stood alone on it; one that is
// never closed stays, as does the text after it, and one in a comment is no tag.
struct PlacedText {
    enum class Outcome { Placed, AlreadyThere, NoPlace };
    Outcome outcome;
    std::string text;
    // The placing took out a proposed-deletion tag.
    bool removedProposedDeletion = false;

    bool operator==(const PlacedText&) const = default;
};
PlacedText PlaceText(Placement placement, std::string_view editorText, std::string_view text,
                     std::string_view discussionPage);

}  // namespace nominator
