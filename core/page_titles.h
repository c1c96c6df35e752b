#pragma once

#include <string>
#include <string_view>

namespace nominator {

// The full titles of a nomination's pages, as the wiki's API names them.

// "Wikipedia:Articles for deletion/PAGE", PAGE being the discussion's name within the stem.
std::string DiscussionTitle(std::string_view page);

// The day's log, by its log date key: "2026_March_7" gives
// "Wikipedia:Articles for deletion/Log/2026 March 7".
std::string LogTitle(std::string_view key);

// A title as addresses write it ("Sample_page") as the API names it ("Sample page").
std::string TitleOfAddress(std::string_view title);

}  // namespace nominator
