#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace nominator {

// The templates that a deletion tag leaves on a nominated article: the first for a first
// nomination, the second for a renomination.
inline constexpr std::string_view kFirstNominationTemplate = "Template:Article for deletion/dated";
inline constexpr std::string_view kRenominationTemplate = "Template:AfDM";

// The templates that a proposed deletion's tag leaves on an article: the general one, and the
// biography's own.
inline constexpr std::string_view kProposedDeletionTemplate = "Template:Proposed deletion/dated";
inline constexpr std::string_view kBiographyProposedDeletionTemplate = "Template:Prod blp/dated";
// The template that every speedy-deletion tag is built on, whichever criterion it names.
inline constexpr std::string_view kSpeedyDeletionTemplate = "Template:Db-meta";

// The one request to the wiki's API that checks a nomination of the article with this wiki
// name: the pages of the project namespace that start with its discussion title (the earlier
// nominations, redirects left out), and the article's namespace, existence, redirect state and
// deletion templates (a discussion's, a proposed deletion's, a speedy deletion's); and who created
// the article and who the user is (read by ReadCreator): the article's first revision, its user and
// text, and the user's own name. Every value is percent-encoded. A name holding "|", which the API
// would otherwise split into several titles, is sent as one title, marked the API's way with
// U+001F.
std::string NominationCheckUrl(std::string_view name);

// The one request that checks the further articles of a bundle with these wiki names, at most
// the API's 50 titles: each one's namespace, existence, redirect state, deletion templates and
// latest revision. Their creators need a request each (CreatorQueryUrl): the API lists a page's
// first revisions for one title only.
std::string FurtherCheckUrl(const std::vector<std::string>& names);

}  // namespace nominator
