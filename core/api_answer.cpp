#include "core/api_answer.h"

#include <algorithm>

#include "core/nomination_check_query.h"

namespace nominator {
namespace {

using nlohmann::json;

std::string ErrorReason(const json& error) {
    std::string reason = "the wiki answered with an error";
    if (const auto code = StringMember(error, "code")) reason += ": " + *code;
    if (const auto info = StringMember(error, "info")) reason += " (" + *info + ")";
    return reason;
}

// Whether the page's list under `key` ("templates", "links") names the page of this title.
bool ListsTitle(const json& page, const char* key, std::string_view title) {
    const json* list = Member(page, key);
    return list != nullptr && EntryTitled(*list, title) != nullptr;
}

}  // namespace

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

bool FlagMember(const json& object, const char* key) {
    const json* member = Member(object, key);
    return member != nullptr && *member != false;
}

std::variant<json, CheckFailure> QueryAnswer(std::string_view answer) {
    // Without exceptions: a malformed body is an expected answer from a broken server or proxy.
    json body = json::parse(answer.begin(), answer.end(), nullptr, false);
    if (body.is_discarded()) return CheckFailure{"the answer is not JSON"};
    if (!body.is_object()) return CheckFailure{"the answer is not a JSON object"};
    if (const json* error = Member(body, "error")) return CheckFailure{ErrorReason(*error)};
    const json* query = Member(body, "query");
    if (query == nullptr || !query->is_object()) {
        return CheckFailure{"the answer holds no query result"};
    }
    return body;
}

std::string NormalisedTitle(const json& query, std::string_view title) {
    if (const json* normalized = Member(query, "normalized")) {
        for (const json& entry : *normalized) {
            const auto from = StringMember(entry, "from");
            const auto to = StringMember(entry, "to");
            if (from == title && to) return *to;
        }
    }
    return std::string(title);
}

const json* EntryTitled(const json& list, std::string_view title) {
    const auto found = std::find_if(list.begin(), list.end(), [&](const json& entry) {
        return StringMember(entry, "title") == title;
    });
    return found == list.end() ? nullptr : &*found;
}

bool ListsTemplate(const json& page, std::string_view title) {
    return ListsTitle(page, "templates", title);
}

bool ListsLink(const json& page, std::string_view title) {
    return ListsTitle(page, "links", title);
}

bool CarriesDeletionTemplate(const json& page) {
    return ListsTemplate(page, kFirstNominationTemplate) ||
           ListsTemplate(page, kRenominationTemplate);
}

}  // namespace nominator
