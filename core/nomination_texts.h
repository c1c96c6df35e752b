#pragma once

#include <string>
#include <string_view>

namespace nominator {

// The three pieces of wiki markup of a nomination. They are copied into the wiki as they stand,
// so title and reason are joined in verbatim: never trimmed, escaped or re-encoded.

// The tag placed on the article itself.
inline constexpr std::string_view ArticleTag = "{{subst:afd}}";

// The opening text of the article's deletion discussion page, filed under the category of this
// letter (none when empty).
std::string DiscussionText(std::string_view title, std::string_view reason,
                           std::string_view category = {});

// The line added to the day's deletion log page.
std::string LogLine(std::string_view title);

}  // namespace nominator
