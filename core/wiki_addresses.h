#pragma once

#include <string>
#include <string_view>

namespace nominator {

// The wiki serves editing over HTTPS only.
inline constexpr std::string_view WikiBase = "https://en.wikipedia.org";

// The addresses the three panes open. Title and key are percent-encoded into them, so that every
// title, "AT&T", "C++" and "Foo#bar" among them, names exactly its own page.

// The article's page in the editor.
std::string ArticleEditUrl(std::string_view title);

// The day's deletion log page, named by its log date key, in the editor.
std::string LogEditUrl(std::string_view key);

// The article's deletion discussion page, for viewing.
std::string DiscussionUrl(std::string_view title);

}  // namespace nominator
