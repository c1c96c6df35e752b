#include "core/nomination_check_answer.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

#include "core/nomination_check_query.h"
#include "core/nomination_page.h"

namespace nominator {
namespace {

using nlohmann::json;

// Lists are walked with the library's iteration, which visits an object's values, and a scalar
// where a list was expected as itself: it has no members, so it matches nothing.

const json* Member(const json& object, const char* key) {
    if (!object.is_object()) return nullptr;
    const auto found = object.find(key);
    return found == object.end() ? nullptr : &*found;
}

std::optional<std::string> StringMember(const json& object, const char* key) {
    const json* member = Member(object, key);
    if (member == nullptr || !member->is_string()) return std::nullopt;
    return member->get<std::string>();
}

// The default format marks a true flag with an empty string, format version 2 with true.
bool FlagMember(const json& object, const char* key) {
    const json* member = Member(object, key);
    return member != nullptr && *member != false;
}

std::string ErrorReason(const json& error) {
    std::string reason = "the wiki answered with an error";
    if (const auto code = StringMember(error, "code")) reason += ": " + *code;
    if (const auto info = StringMember(error, "info")) reason += " (" + *info + ")";
    return reason;
}

// Nomination pages' database keys all sort below this one: "NAME_(" and a digit at most.
std::string PastEveryNominationKey(std::string_view name) {
    std::string key = std::string(kDiscussionStem) + std::string(name) + "_(:";
    std::replace(key.begin(), key.end(), ' ', '_');
    return key;
}

bool ListsEveryNomination(const json& answer, std::string_view name) {
    const json* continuation = Member(answer, "continue");
    if (continuation == nullptr) return true;
    const auto next = StringMember(*continuation, "apcontinue");
    if (!next) return !Member(*continuation, "apcontinue");
    return *next >= PastEveryNominationKey(name);
}

std::string NormalisedTitle(const json& query, std::string_view name) {
    if (const json* normalized = Member(query, "normalized")) {
        for (const json& entry : *normalized) {
            const auto from = StringMember(entry, "from");
            const auto to = StringMember(entry, "to");
            if (from == name && to) return *to;
        }
    }
    return std::string(name);
}

bool NamedAsInterwiki(const json& query, std::string_view title) {
    const json* interwiki = Member(query, "interwiki");
    if (interwiki == nullptr) return false;
    return std::any_of(interwiki->begin(), interwiki->end(),
                       [&](const json& entry) { return StringMember(entry, "title") == title; });
}

bool CarriesDeletionTemplate(const json& page) {
    const json* templates = Member(page, "templates");
    if (templates == nullptr) return false;
    return std::any_of(templates->begin(), templates->end(), [](const json& entry) {
        const auto title = StringMember(entry, "title");
        return title == kFirstNominationTemplate || title == kRenominationTemplate;
    });
}

ArticleState StateOf(const json& page) {
    const json* ns = Member(page, "ns");
    if (ns != nullptr && ns->is_number_integer() && *ns != 0) return ArticleState::OtherNamespace;
    if (FlagMember(page, "missing") || FlagMember(page, "invalid")) return ArticleState::Missing;
    if (FlagMember(page, "redirect")) return ArticleState::Redirect;
    if (CarriesDeletionTemplate(page)) return ArticleState::AlreadyNominated;
    return ArticleState::Fine;
}

std::variant<ArticleState, CheckFailure> ArticleStateIn(const json& query, std::string_view name) {
    if (name.empty()) return ArticleState::Missing;
    const std::string title = NormalisedTitle(query, name);
    if (NamedAsInterwiki(query, title)) return ArticleState::OtherNamespace;
    const json* pages = Member(query, "pages");
    if (pages == nullptr) return ArticleState::Fine;
    if (!pages->is_structured()) return CheckFailure{"the answer's pages are not a list"};
    // Format version 2 lists them in an array, the default format keys them by page id.
    for (const json& page : *pages) {
        if (StringMember(page, "title") == title) return StateOf(page);
    }
    return CheckFailure{"the answer does not list the article"};
}

}  // namespace

NominationCheck ReadNominationCheck(std::string_view answer, std::string_view name) {
    // Without exceptions: a malformed body is an expected answer from a broken server or proxy.
    const json body = json::parse(answer.begin(), answer.end(), nullptr, false);
    if (body.is_discarded()) return CheckFailure{"the answer is not JSON"};
    if (!body.is_object()) return CheckFailure{"the answer is not a JSON object"};
    if (const json* error = Member(body, "error")) return CheckFailure{ErrorReason(*error)};
    const json* query = Member(body, "query");
    if (query == nullptr || !query->is_object()) {
        return CheckFailure{"the answer holds no query result"};
    }
    const json* listed = Member(*query, "allpages");
    if (listed == nullptr || !listed->is_array()) {
        return CheckFailure{"the answer holds no list of discussion pages"};
    }
    if (!ListsEveryNomination(body, name)) {
        return CheckFailure{"too many pages start with this title to list in one answer"};
    }
    std::vector<std::string> titles;
    for (const json& page : *listed) {
        if (auto title = StringMember(page, "title")) titles.push_back(std::move(*title));
    }
    const auto article = ArticleStateIn(*query, name);
    if (const auto* failure = std::get_if<CheckFailure>(&article)) return *failure;
    return NominationFacts{HighestEarlierNomination(titles, name), std::get<ArticleState>(article)};
}

}  // namespace nominator
