#include "core/saved_edits.h"

#include <array>
#include <cstddef>
#include <vector>

#include "core/api_answer.h"
#include "core/api_query.h"
#include "core/english_list.h"
#include "core/nomination_check_query.h"

namespace nominator {
namespace {

using nlohmann::json;

bool Exists(const json& page) {
    return !FlagMember(page, "missing") && !FlagMember(page, "invalid");
}

using EditNames = std::array<std::string_view, 3>;
constexpr EditNames kStatusNames = {"article tag", "discussion", "log line"};
constexpr EditNames kQuestionNames = {"the article tag", "the discussion", "the log line"};

// The names of the edits that are saved, or of those that are not, in the order in which a
// nomination makes them.
std::vector<std::string> Named(const SavedEdits& saved, bool savedOnes, const EditNames& names) {
    const bool edits[] = {saved.tag, saved.discussion, saved.logLine};
    std::vector<std::string> named;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (edits[i] == savedOnes) named.emplace_back(names[i]);
    }
    return named;
}

std::string CommaList(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) {
        if (!text.empty()) text += ", ";
        text += item;
    }
    return text;
}

}  // namespace

std::string SavedEditsUrl(const NominationPages& pages) {
    const std::string titles = MultiValue({pages.article, pages.discussion, pages.log});
    const std::string templates =
        MultiValue({kFirstNominationTemplate, kRenominationTemplate, pages.discussion});
    return ApiUrl({
        {"action", "query"},
        {"titles", titles},
        {"prop", "templates"},
        {"tltemplates", templates},
        {"tllimit", "max"},
        {"format", "json"},
    });
}

std::variant<SavedEdits, CheckFailure> ReadSavedEdits(std::string_view answer,
                                                      const NominationPages& pages) {
    const auto parsed = QueryAnswer(answer);
    if (const auto* failure = std::get_if<CheckFailure>(&parsed)) return *failure;
    const json& body = std::get<json>(parsed);
    // A template list cut short may leave out the very template that was saved.
    if (Member(body, "continue") != nullptr) {
        return CheckFailure{"the answer lists the pages' templates only in part"};
    }
    const json& query = *Member(body, "query");
    const json* listed = Member(query, "pages");
    if (listed == nullptr || !listed->is_structured()) {
        return CheckFailure{"the answer holds no list of pages"};
    }
    const std::string discussionTitle = NormalisedTitle(query, pages.discussion);
    const json* article = EntryTitled(*listed, NormalisedTitle(query, pages.article));
    const json* discussion = EntryTitled(*listed, discussionTitle);
    const json* log = EntryTitled(*listed, NormalisedTitle(query, pages.log));
    if (article == nullptr || discussion == nullptr || log == nullptr) {
        return CheckFailure{"the answer does not list all three pages"};
    }
    return SavedEdits{
        .tag = CarriesDeletionTemplate(*article),
        .discussion = Exists(*discussion),
        .logLine = ListsTemplate(*log, discussionTitle),
    };
}

std::optional<StatusLine> SavedEditsStatus(const SavedEdits& saved) {
    if (saved.none()) return std::nullopt;
    if (saved.all()) {
        return StatusLine{"Nomination complete: tag, discussion and log line saved", "", false};
    }
    return StatusLine{"Saved: " + CommaList(Named(saved, true, kStatusNames)) +
                          ". Not yet saved: " + CommaList(Named(saved, false, kStatusNames)),
                      "", false};
}

std::optional<std::string> HalfDoneNomination(std::string_view article, const SavedEdits& saved) {
    if (saved.none() || saved.all()) return std::nullopt;
    const std::vector<std::string> missing = Named(saved, false, kQuestionNames);
    return "The nomination of " + std::string(article) +
           " is not complete: " + EnglishList(missing) + (missing.size() == 1 ? " is" : " are") +
           " not saved.";
}

}  // namespace nominator
