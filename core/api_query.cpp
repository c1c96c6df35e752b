#include "core/api_query.h"

#include <algorithm>

#include "core/percent_encoding.h"
#include "core/wiki_addresses.h"

namespace nominator {
namespace {

constexpr std::string_view kApiPath = "/w/api.php";
constexpr char kUnitSeparator = '\x1F';

}  // namespace

std::string ApiUrl(const std::vector<ApiParameter>& parameters) {
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

std::string MultiValue(const std::vector<std::string_view>& values) {
    const bool holdsPipe = std::any_of(values.begin(), values.end(), [](std::string_view value) {
        return value.find('|') != std::string_view::npos;
    });
    const char separator = holdsPipe ? kUnitSeparator : '|';
    std::string joined;
    if (holdsPipe) joined += kUnitSeparator;
    bool first = true;
    for (const std::string_view value : values) {
        if (!first) joined += separator;
        joined += value;
        first = false;
    }
    return joined;
}

std::vector<ApiParameter> ProjectPagesQuery(std::string_view prefix,
                                            const std::vector<ApiParameter>& more) {
    std::vector<ApiParameter> parameters = {
        {"action", "query"},
        {"list", "allpages"},
        {"apnamespace", "4"},
        {"apprefix", prefix},
        {"apfilterredir", "nonredirects"},
        {"aplimit", "max"},
    };
    parameters.insert(parameters.end(), more.begin(), more.end());
    return parameters;
}

}  // namespace nominator
