#pragma once

#include <string>
#include <string_view>

namespace nominator {

// The one request to the wiki's API that finds who created the article with this wiki name and
// who the user in the panes is: the article's first revisions, oldest first, with their users
// and content (so that a redirect the article grew from can be passed over), and the user's own
// name. Values percent-encoded; a name holding "|" is sent as one title.
std::string CreatorQueryUrl(std::string_view article);

}  // namespace nominator
