#include "core/deletion_sorting.h"

#include <algorithm>

#include "core/api_answer.h"
#include "core/api_query.h"
#include "core/text_scan.h"
#include "core/wiki_title.h"

namespace nominator {
namespace {

using nlohmann::json;

// The lists that gather every topic's discussions in another shape, and their own subpages.
constexpr std::string_view kListsOfAllTopics[] = {"Compact", "Flat"};
constexpr std::string_view kArchive = "Archive";

void AddOnce(std::vector<std::string>& list, std::string item) {
    if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(std::move(item));
}

}  // namespace

std::vector<std::string> CategoryEntries() {
    std::vector<std::string> entries{std::string(kNotSorted)};
    for (const DiscussionCategory& category : kDiscussionCategories) {
        entries.push_back(std::string(category.letter) + " " + std::string(category.name));
    }
    return entries;
}

std::string_view CategoryLetterAt(std::size_t index) {
    if (index == 0 || index > kDiscussionCategories.size()) return {};
    return kDiscussionCategories[index - 1].letter;
}

std::string TopicListTitle(std::string_view topic) {
    return std::string(kTopicListStem) + std::string(topic);
}

std::string TopicListUrl(const ApiContinuation& continuation) {
    // The stem's namespace is the project's, number 4.
    const std::string_view prefix = kTopicListStem.substr(kTopicListStem.find(':') + 1);
    std::vector<ApiParameter> parameters = ProjectPagesQuery(prefix, {});
    for (const auto& [name, value] : continuation) parameters.emplace_back(name, value);
    parameters.emplace_back("format", "json");
    return ApiUrl(parameters);
}

bool IsTopicPage(std::string_view subpage) {
    if (Trimmed(subpage).empty()) return false;
    const std::string_view first = subpage.substr(0, subpage.find('/'));
    if (std::find(std::begin(kListsOfAllTopics), std::end(kListsOfAllTopics), first) !=
        std::end(kListsOfAllTopics)) {
        return false;
    }
    const std::size_t lastSlash = subpage.rfind('/');
    return lastSlash == std::string_view::npos ||
           !StartsWithCaseless(subpage.substr(lastSlash + 1), kArchive);
}

std::variant<TopicListPart, CheckFailure> ReadTopicList(std::string_view answer) {
    const auto parsed = QueryAnswer(answer);
    if (const auto* failure = std::get_if<CheckFailure>(&parsed)) return *failure;
    const json& body = std::get<json>(parsed);
    const json* listed = Member(*Member(body, "query"), "allpages");
    if (listed == nullptr || !listed->is_array()) {
        return CheckFailure{"the answer holds no list of topic pages"};
    }
    TopicListPart part;
    for (const json& page : *listed) {
        const std::optional<std::string> title = StringMember(page, "title");
        if (!title || !title->starts_with(kTopicListStem)) continue;
        const std::string_view subpage = std::string_view(*title).substr(kTopicListStem.size());
        if (IsTopicPage(subpage)) part.topics.emplace_back(subpage);
    }
    if (const json* next = Member(body, "continue"); next != nullptr && next->is_object()) {
        for (const auto& [name, value] : next->items()) {
            if (value.is_string()) part.continuation.emplace_back(name, value.get<std::string>());
        }
    }
    return part;
}

TypedTopics SortTypedTopics(std::string_view typed, const std::vector<std::string>& topics) {
    TypedTopics sorted;
    for (const std::string_view line : Lines(typed)) {
        const std::string_view topic = Trimmed(line);
        if (topic.empty()) continue;
        // The wiki's own reading of a title: the first letter in either case, underscores and
        // runs of spaces alike.
        const std::string name = WikiName(topic);
        const auto listed = std::find(topics.begin(), topics.end(), name);
        if (listed != topics.end()) {
            AddOnce(sorted.listed, *listed);
        } else {
            AddOnce(sorted.unknown, std::string(topic));
        }
    }
    return sorted;
}

std::string DelsortNote(std::string_view topic) {
    return "{{subst:delsort|" + std::string(topic) + "|~~~~}}";
}

std::string TopicListingLine(std::string_view discussionPage) {
    return "{{" + std::string(discussionPage) + "}}";
}

std::string TopicListingSummary(std::string_view discussionPage) {
    return "Listing [[:" + std::string(discussionPage) + "]].";
}

}  // namespace nominator
