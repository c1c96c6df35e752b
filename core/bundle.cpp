#include "core/bundle.h"

#include <algorithm>

#include "core/text_scan.h"
#include "core/wiki_title.h"

namespace nominator {

FurtherTitles ReadFurtherTitles(std::string_view box, std::string_view firstName) {
    FurtherTitles titles;
    for (const std::string_view line : Lines(box)) {
        // A line of white space alone is blank, tabs included, which no title holds.
        std::string name = WikiName(Trimmed(line));
        if (name.empty() || name == firstName ||
            std::find(titles.names.begin(), titles.names.end(), name) != titles.names.end()) {
            continue;
        }
        if (titles.names.size() == kMostFurtherArticles) return {{}, true};
        titles.names.push_back(std::move(name));
    }
    return titles;
}

std::string FurtherArticleTag(std::string_view page) {
    return "{{subst:afd1|" + std::string(page) + "}}";
}

std::string BundledReason(std::string_view reason, const std::vector<std::string>& further) {
    std::string text{reason};
    if (further.empty()) return text;
    text += "\n\nI am also nominating the following related pages:";
    for (const std::string& title : further) text += "\n:{{la|" + title + "}}";
    return text;
}

std::string FurtherArticleNotice(std::string_view article, std::string_view page) {
    return "{{subst:Afd notice|1=" + std::string(article) + "|2=" + std::string(page) + "}} ~~~~";
}

}  // namespace nominator
