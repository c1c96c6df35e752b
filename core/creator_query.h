#pragma once

#include <string>
#include <string_view>

namespace nominator {

// The request to the wiki's API that looks further for who created the article with this wiki
// name, once the nomination check found that its first revision was a redirect: its first
// revisions, oldest first, as many as the API gives with their text, so that the redirects the
// article grew from can be passed over, and the user's own name. Values percent-encoded; a name
// holding "|" is sent as one title.
std::string CreatorQueryUrl(std::string_view article);

}  // namespace nominator
