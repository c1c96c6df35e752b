#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/nomination_check_answer.h"

namespace nominator {

// Who the user in the panes is, as the wiki sees them: their user name, or the IP address the
// wiki knows them by when they are not logged in.
struct WikiUser {
    std::string name;
    bool anonymous = false;

    bool operator==(const WikiUser&) const = default;
};

// Who created the article, when the wiki can say (a user name or an IP address), and who the
// user is.
struct CreatorFacts {
    std::optional<std::string> creator;
    WikiUser user;
    // Every revision the answer lists is a redirect and the wiki has more: the creator is
    // further on (CreatorQueryUrl).
    bool lookFurther = false;

    bool operator==(const CreatorFacts&) const = default;
};

using CreatorCheck = std::variant<CreatorFacts, CheckFailure>;

// Whether a revision's text makes its page a redirect, as the wiki reads it: "#REDIRECT" in any
// case after optional white space, then a link ("[[TARGET]]" or "[[TARGET|...]]" on one line),
// white space and an old redirect's colon allowed before it.
bool IsRedirectText(std::string_view text);

// Reads the API's answer to CreatorQueryUrl(article), in either of its JSON formats, the article
// found under its name or the one the API normalised it to.
// - The creator is the user of the first revision, or, when the article began as a redirect, of
//   the first revision that is not one. There is none when the article is missing (or the name
//   is empty or invalid), when every revision listed is a redirect (to look further when the
//   answer says more follow), or when the user of that revision is hidden. A revision whose
//   text is hidden counts as no redirect.
// - It reads the nomination check's answer (NominationCheckUrl) as well as CreatorQueryUrl's.
// - It fails as ReadNominationCheck does on a body that is no answer, and on an answer that does
//   not list the article or does not say who the user is.
CreatorCheck ReadCreator(std::string_view answer, std::string_view article);

}  // namespace nominator
