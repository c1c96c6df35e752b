#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace nominator {

// What the wiki says about the article itself, in the order in which it matters: a page outside
// the article namespace is not for this venue whether it exists or not, and so on.
enum class ArticleState { Fine, OtherNamespace, Missing, Redirect, AlreadyNominated };

// What a check found: the highest earlier nomination (0 when there was none) and the article.
struct NominationFacts {
    int highestEarlierNomination = 0;
    ArticleState article = ArticleState::Fine;
    // The article's latest revision when the check was answered; 0 when it has none.
    long long lastRevision = 0;
    // The article carries a proposed deletion's tag (either template), or a speedy deletion's.
    bool proposedDeletion = false;
    bool speedyDeletion = false;

    bool operator==(const NominationFacts&) const = default;
};

// Why an answer says nothing reliable, in a few words for the user.
struct CheckFailure {
    std::string reason;

    bool operator==(const CheckFailure&) const = default;
};

using NominationCheck = std::variant<NominationFacts, CheckFailure>;

// Reads the API's answer to NominationCheckUrl(name), in either of its JSON formats.
// - It fails when the body is not a JSON object, carries an "error", or has no "query" with a
//   list of pages ("allpages"). A list that the API cut short ("continue") fails too unless the
//   cut falls past every title a nomination of the article could have, as the API lists titles
//   in byte order.
// - The earlier nominations are those that EarlierNominationCount recognises in the list.
// - The article is found in "pages" under its name, or under the name the API normalised it to.
//   An "invalid" title is reported as missing, and so is an empty name. A title that the API
//   names as an interwiki link is outside the article namespace. An answer without "pages" says
//   nothing against the article, which counts as fine; one whose pages do not include the
//   article is not an answer about it, and fails.
// - The article's templates say whether it carries a proposed deletion's tag or a speedy
//   deletion's.
NominationCheck ReadNominationCheck(std::string_view answer, std::string_view name);

// Reads the answer to FurtherCheckUrl(names): what it says of each article, in the order of
// `names` (no earlier nominations counted), read as ReadNominationCheck reads the first article.
// Fails as it does, and on an answer without a list of pages or with its templates cut short.
std::variant<std::vector<NominationFacts>, CheckFailure> ReadFurtherCheck(
    std::string_view answer, const std::vector<std::string>& names);
// Whether the check found the article proposed for deletion.
bool FoundProposedDeletion(const NominationCheck& check);

}  // namespace nominator
