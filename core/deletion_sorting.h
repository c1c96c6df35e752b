#pragma once

#include <array>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/nomination_check_answer.h"

namespace nominator {

// How the wiki's sorters file a deletion discussion: under one of its categories, and on the
// lists of the deletion-sorting topics whose followers should see it.

struct DiscussionCategory {
    std::string_view letter;
    std::string_view name;
};

// The wiki's categories, in the order its own tools offer them.
inline constexpr auto kDiscussionCategories = std::to_array<DiscussionCategory>({
    {"M", "Media and music"},
    {"O", "Organisation, corporation, or product"},
    {"B", "Biographical"},
    {"S", "Society topics"},
    {"W", "Web or internet"},
    {"G", "Games or sports"},
    {"T", "Science and technology"},
    {"F", "Fiction and the arts"},
    {"P", "Places and transportation"},
    {"I", "Indiscernible or unclassifiable topic"},
});

// The first entry of the category list: the discussion is filed under none.
inline constexpr std::string_view kNotSorted = "Not sorted";

// The category list's entries, each starting with its letter ("B Biographical"), after
// kNotSorted.
std::vector<std::string> CategoryEntries();

// The letter of the category list's entry at `index` (as CategoryEntries numbers them); empty
// for kNotSorted and for an index beyond the list.
std::string_view CategoryLetterAt(std::size_t index);

// "Wikipedia:WikiProject Deletion sorting/TOPIC": the page that lists a topic's discussions.
inline constexpr std::string_view kTopicListStem = "Wikipedia:WikiProject Deletion sorting/";
std::string TopicListTitle(std::string_view topic);

// The request for the subpages of kTopicListStem, one answer's worth, continuing where the
// `continuation` (the parameters of an earlier answer's "continue") says.
using ApiContinuation = std::vector<std::pair<std::string, std::string>>;
std::string TopicListUrl(const ApiContinuation& continuation = {});

// One answer's worth of topics, and where the next answer continues (empty: the list is whole).
struct TopicListPart {
    std::vector<std::string> topics;
    ApiContinuation continuation;
};

// The topics among the subpages an answer to TopicListUrl lists: the list pages that are not
// topics (the compact and flat lists, with their own subpages) and a topic's archives left out.
std::variant<TopicListPart, CheckFailure> ReadTopicList(std::string_view answer);

// Whether a subpage's name (what follows kTopicListStem) is a topic of its own.
bool IsTopicPage(std::string_view subpage);

// The topics typed into the topics box, one a line, as the wiki's list spells them: those it
// lists, in the order typed, each once; and those it does not, as typed.
struct TypedTopics {
    std::vector<std::string> listed;
    std::vector<std::string> unknown;

    bool operator==(const TypedTopics&) const = default;
};
TypedTopics SortTypedTopics(std::string_view typed, const std::vector<std::string>& topics);

// The note the discussion gets for each topic it is listed under, on a line of its own.
std::string DelsortNote(std::string_view topic);

// The line a topic's list gets: the discussion transcluded, as the day's log holds it.
std::string TopicListingLine(std::string_view discussionPage);
std::string TopicListingSummary(std::string_view discussionPage);

}  // namespace nominator
