#include "core/nomination_check_query.h"

#include <utility>

#include "core/nomination_page.h"
#include "core/percent_encoding.h"
#include "core/wiki_addresses.h"

namespace nominator {
namespace {

constexpr std::string_view kApiPath = "/w/api.php";
// The API splits a multi-valued parameter at "|" unless the value starts with this character;
// it then splits at this character instead, which no title can hold.
constexpr char kUnitSeparator = '\x1F';

std::string SingleValue(std::string_view value) {
    std::string single;
    if (value.find('|') != std::string_view::npos) single += kUnitSeparator;
    single += value;
    return single;
}

}  // namespace

std::string NominationCheckUrl(std::string_view name) {
    const std::string prefix = std::string(kDiscussionStem) + std::string(name);
    const std::string templates =
        std::string(kFirstNominationTemplate) + "|" + std::string(kRenominationTemplate);
    const std::string title = SingleValue(name);
    const std::pair<std::string_view, std::string_view> parameters[] = {
        {"action", "query"},
        {"list", "allpages"},
        {"apnamespace", "4"},
        {"apprefix", prefix},
        {"apfilterredir", "nonredirects"},
        {"aplimit", "max"},
        {"titles", title},
        {"prop", "info|templates"},
        {"tltemplates", templates},
        {"format", "json"},
    };
    std::string url{WikiBase};
    url += kApiPath;
    char separator = '?';
    for (const auto& [key, value] : parameters) {
        url += separator;
        url += key;
        url += '=';
        url += PercentEncode(value);
        separator = '&';
    }
    return url;
}

}  // namespace nominator
