#include "core/nomination_status.h"

#include "core/ordinal.h"

namespace nominator {
namespace {

std::string NominationText(int highestEarlierNomination) {
    if (highestEarlierNomination == 0) return "First nomination";
    return Ordinal(highestEarlierNomination + 1) + " nomination: earlier discussions found";
}

std::string_view WarningText(ArticleState article) {
    switch (article) {
        case ArticleState::OtherNamespace:
            return "Not in the article namespace";
        case ArticleState::Missing:
            return "No article of this title on the wiki";
        case ArticleState::Redirect:
            return "This title is a redirect";
        case ArticleState::AlreadyNominated:
            return "Already nominated: the article carries a deletion tag";
        case ArticleState::Fine:
            break;
    }
    return "";
}

}  // namespace

StatusLine StatusOf(const NominationCheck& check) {
    if (const auto* failure = std::get_if<CheckFailure>(&check)) {
        return {std::string(kCheckFailedStatus), failure->reason, false};
    }
    const auto& facts = std::get<NominationFacts>(check);
    std::string nomination = NominationText(facts.highestEarlierNomination);
    const std::string_view warning = WarningText(facts.article);
    if (warning.empty()) return {std::move(nomination), "", false};
    return {std::string(warning), std::move(nomination), true};
}

}  // namespace nominator
