#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace nominator {

// Deletion discussions live in the wiki's project namespace (number 4, "Wikipedia:") under this
// stem, one page per nomination: "NAME" for the first, "NAME (2nd nomination)" for the second...
inline constexpr std::string_view kProjectNamespacePrefix = "Wikipedia:";
inline constexpr std::string_view kDiscussionStem = "Articles for deletion/";

// Which nomination an existing page's full title ("Wikipedia:Articles for deletion/...") shows
// for the article of this wiki name: 1 for the page named after the article, N for "NAME (Nth
// nomination)" written exactly as the wiki's renomination tag writes it (digits without leading
// zeros, the matching ordinal suffix, single spaces). Anything else, pages of other articles
// that merely start with the name among them, gives nullopt. So do counts that an int cannot
// hold together with their successor: no next nomination could be numbered after them.
std::optional<int> EarlierNominationCount(std::string_view pageTitle, std::string_view name);

// The highest nomination that the listed titles show for the article, 0 when none does.
int HighestEarlierNomination(std::span<const std::string> pageTitles, std::string_view name);

// The title, within the discussion stem, of the article's nomination with this number:
// the wiki name for the first, "NAME (Nth nomination)" for the Nth.
std::string NominationPage(std::string_view name, int nomination);

// The tag placed on an article that is nominated for the Nth time, N > 1: "{{subst:afdx|2nd}}".
std::string RenominationTag(int nomination);

}  // namespace nominator
