#include "core/page_titles.h"

#include <algorithm>

#include "core/nomination_page.h"

namespace nominator {

std::string DiscussionTitle(std::string_view page) {
    std::string title{kProjectNamespacePrefix};
    title += kDiscussionStem;
    title += page;
    return title;
}

std::string LogTitle(std::string_view key) { return DiscussionTitle("Log/" + TitleOfAddress(key)); }

std::string TitleOfAddress(std::string_view title) {
    std::string spaced{title};
    std::replace(spaced.begin(), spaced.end(), '_', ' ');
    return spaced;
}

}  // namespace nominator
