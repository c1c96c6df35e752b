#include "core/wiki_addresses.h"

#include <algorithm>

#include "core/page_titles.h"
#include "core/percent_encoding.h"

namespace nominator {
namespace {

constexpr std::string_view kEditorPrefix = "/w/index.php?title=";
constexpr std::string_view kEditorSuffix = "&action=edit";
constexpr std::string_view kViewPrefix = "/wiki/";

// A page's full title as addresses write it: underscores for spaces.
std::string AddressTitle(std::string_view title) {
    std::string underscored{title};
    std::replace(underscored.begin(), underscored.end(), ' ', '_');
    return underscored;
}

std::string EditorUrl(std::string_view pageTitlePrefix, std::string_view encodedTitle) {
    std::string url{WikiBase};
    url += kEditorPrefix;
    url += pageTitlePrefix;
    url += encodedTitle;
    url += kEditorSuffix;
    return url;
}

}  // namespace

std::string ArticleEditUrl(std::string_view title) { return EditorUrl("", PercentEncode(title)); }

std::string LogEditUrl(std::string_view key) {
    return EditorUrl(AddressTitle(DiscussionTitle("Log/")), PercentEncode(key));
}

std::string DiscussionUrl(std::string_view title) {
    std::string url{WikiBase};
    url += kViewPrefix;
    url += AddressTitle(DiscussionTitle(""));
    url += PercentEncode(title);
    return url;
}

}  // namespace nominator
