#pragma once

// Reading the wiki API's JSON answers, for the core's readers of them only: this header brings
// nlohmann-json, which the core keeps to itself.

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/nomination_check_answer.h"

namespace nominator {

// Lists are walked with the library's iteration, which visits an object's values, and a scalar
// where a list was expected as itself: it has no members, so it matches nothing.

const nlohmann::json* Member(const nlohmann::json& object, const char* key);
std::optional<std::string> StringMember(const nlohmann::json& object, const char* key);

// The default format marks a true flag with an empty string, format version 2 with true.
bool FlagMember(const nlohmann::json& object, const char* key);

// The answer's body when it is a JSON object without "error" and with a "query" object, in
// either format; why not, otherwise.
std::variant<nlohmann::json, CheckFailure> QueryAnswer(std::string_view answer);

// The title under which the API answers for this one: the one it normalised it to, if it did.
std::string NormalisedTitle(const nlohmann::json& query, std::string_view title);

// The entry of this title in one of the answer's lists: its pages, which format version 2 lists
// in an array and the default format keys by page id, a page's templates, its interwiki titles.
const nlohmann::json* EntryTitled(const nlohmann::json& list, std::string_view title);

// Whether the page's "templates" name the page of this title.
bool ListsTemplate(const nlohmann::json& page, std::string_view title);
// Whether the page's "links" name the page of this title.
bool ListsLink(const nlohmann::json& page, std::string_view title);

// Whether the page's "templates" name either of the templates a deletion tag leaves.
bool CarriesDeletionTemplate(const nlohmann::json& page);

}  // namespace nominator
