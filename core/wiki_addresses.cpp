#include "core/wiki_addresses.h"

#include "core/percent_encoding.h"

namespace nominator {
namespace {

constexpr std::string_view kEditorPrefix = "/w/index.php?title=";
constexpr std::string_view kEditorSuffix = "&action=edit";
constexpr std::string_view kLogTitleStem = "Wikipedia:Articles_for_deletion/Log/";
constexpr std::string_view kDiscussionPrefix = "/wiki/Wikipedia:Articles_for_deletion/";

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
    return EditorUrl(kLogTitleStem, PercentEncode(key));
}

std::string DiscussionUrl(std::string_view title) {
    std::string url{WikiBase};
    url += kDiscussionPrefix;
    url += PercentEncode(title);
    return url;
}

}  // namespace nominator
