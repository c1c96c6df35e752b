#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace nominator {

// A bundled nomination: further articles that share the first article's discussion.

// At most this many further articles go into one nomination: the API checks this many titles
// in one request.
inline constexpr std::size_t kMostFurtherArticles = 50;

// The further articles typed into the box, one title a line.
struct FurtherTitles {
    // Under the wiki's names, in the order typed: blank lines, repeats and the first article
    // itself left out.
    std::vector<std::string> names;
    // More than kMostFurtherArticles were typed: nothing is to be prepared.
    bool tooMany = false;

    bool operator==(const FurtherTitles&) const = default;
};

// Reads the box's lines ("\n", "\r\n" or "\r" between them); `firstName` is the first
// article's wiki name.
FurtherTitles ReadFurtherTitles(std::string_view box, std::string_view firstName);

// The tag on a further article: "{{subst:afd1|PAGE}}", PAGE being the discussion's name after
// "Wikipedia:Articles for deletion/".
std::string FurtherArticleTag(std::string_view page);

// The reason as the discussion gives it: with further articles, followed by their list, one
// ":{{la|TITLE}}" a line under "I am also nominating the following related pages:", so that
// the discussion's one signature follows the list.
std::string BundledReason(std::string_view reason, const std::vector<std::string>& further);

// The notice of a further article for its creator, which names the shared discussion:
// "{{subst:Afd notice|1=ARTICLE|2=PAGE}} ~~~~".
std::string FurtherArticleNotice(std::string_view article, std::string_view page);

}  // namespace nominator
