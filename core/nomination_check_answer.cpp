#include "core/nomination_check_answer.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "core/api_answer.h"
#include "core/nomination_check_query.h"
#include "core/nomination_page.h"

namespace nominator {
namespace {

using nlohmann::json;

// Nomination pages' database keys all sort below this one: "NAME_(" and a digit at most.
std::string PastEveryNominationKey(std::string_view name) {
    std::string key = std::string(kDiscussionStem) + std::string(name) + "_(:";
    std::replace(key.begin(), key.end(), ' ', '_');
    return key;
}

bool ListsEveryNomination(const json& answer, std::string_view name) {
    const json* continuation = Member(answer, "continue");
    if (continuation == nullptr) return true;
    const auto next = StringMember(*continuation, "apcontinue");
    if (!next) return !Member(*continuation, "apcontinue");
    return *next >= PastEveryNominationKey(name);
}

bool NamedAsInterwiki(const json& query, std::string_view title) {
    const json* interwiki = Member(query, "interwiki");
    return interwiki != nullptr && EntryTitled(*interwiki, title) != nullptr;
}

ArticleState StateOf(const json& page) {
    const json* ns = Member(page, "ns");
    if (ns != nullptr && ns->is_number_integer() && *ns != 0) return ArticleState::OtherNamespace;
    if (FlagMember(page, "missing") || FlagMember(page, "invalid")) return ArticleState::Missing;
    if (FlagMember(page, "redirect")) return ArticleState::Redirect;
    if (CarriesDeletionTemplate(page)) return ArticleState::AlreadyNominated;
    return ArticleState::Fine;
}

std::variant<ArticleState, CheckFailure> ArticleStateIn(const json& query, std::string_view name) {
    if (name.empty()) return ArticleState::Missing;
    const std::string title = NormalisedTitle(query, name);
    if (NamedAsInterwiki(query, title)) return ArticleState::OtherNamespace;
    const json* pages = Member(query, "pages");
    if (pages == nullptr) return ArticleState::Fine;
    if (!pages->is_structured()) return CheckFailure{"the answer's pages are not a list"};
    if (const json* page = EntryTitled(*pages, title)) return StateOf(*page);
    return CheckFailure{"the answer does not list the article"};
}

// The article's entry in the answer's pages; nothing when they do not list it.
const json* ArticlePageIn(const json& query, std::string_view name) {
    const json* pages = Member(query, "pages");
    return pages != nullptr && pages->is_structured()
               ? EntryTitled(*pages, NormalisedTitle(query, name))
               : nullptr;
}

long long LastRevisionIn(const json* page) {
    const json* revision = page != nullptr ? Member(*page, "lastrevid") : nullptr;
    return revision != nullptr && revision->is_number_integer() ? revision->get<long long>() : 0;
}

// A proposed deletion's tag (either template) or a speedy deletion's, which the page's
// templates list.
void ReadOtherDeletionTags(const json* page, NominationFacts& facts) {
    if (page == nullptr) return;
    facts.proposedDeletion = ListsTemplate(*page, kProposedDeletionTemplate) ||
                             ListsTemplate(*page, kBiographyProposedDeletionTemplate);
    facts.speedyDeletion = ListsTemplate(*page, kSpeedyDeletionTemplate);
}

}  // namespace

NominationCheck ReadNominationCheck(std::string_view answer, std::string_view name) {
    const auto parsed = QueryAnswer(answer);
    if (const auto* failure = std::get_if<CheckFailure>(&parsed)) return *failure;
    const json& body = std::get<json>(parsed);
    const json* query = Member(body, "query");
    const json* listed = Member(*query, "allpages");
    if (listed == nullptr || !listed->is_array()) {
        return CheckFailure{"the answer holds no list of discussion pages"};
    }
    if (!ListsEveryNomination(body, name)) {
        return CheckFailure{"too many pages start with this title to list in one answer"};
    }
    std::vector<std::string> titles;
    for (const json& page : *listed) {
        if (auto title = StringMember(page, "title")) titles.push_back(std::move(*title));
    }
    const auto article = ArticleStateIn(*query, name);
    if (const auto* failure = std::get_if<CheckFailure>(&article)) return *failure;
    const json* page = ArticlePageIn(*query, name);
    NominationFacts facts{HighestEarlierNomination(titles, name), std::get<ArticleState>(article),
                          LastRevisionIn(page)};
    ReadOtherDeletionTags(page, facts);
    return facts;
}

bool FoundProposedDeletion(const NominationCheck& check) {
    const auto* facts = std::get_if<NominationFacts>(&check);
    return facts != nullptr && facts->proposedDeletion;
}

std::variant<std::vector<NominationFacts>, CheckFailure> ReadFurtherCheck(
    std::string_view answer, const std::vector<std::string>& names) {
    const auto parsed = QueryAnswer(answer);
    if (const auto* failure = std::get_if<CheckFailure>(&parsed)) return *failure;
    const json& body = std::get<json>(parsed);
    // A template list cut short may leave out the very deletion tag.
    if (Member(body, "continue") != nullptr) {
        return CheckFailure{"the answer lists the articles' templates only in part"};
    }
    const json& query = *Member(body, "query");
    if (Member(query, "pages") == nullptr) return CheckFailure{"the answer holds no list of pages"};
    std::vector<NominationFacts> found;
    for (const std::string& name : names) {
        const auto article = ArticleStateIn(query, name);
        if (const auto* failure = std::get_if<CheckFailure>(&article)) {
            return CheckFailure{failure->reason + " " + name};
        }
        const json* page = ArticlePageIn(query, name);
        NominationFacts facts{.article = std::get<ArticleState>(article),
                              .lastRevision = LastRevisionIn(page)};
        ReadOtherDeletionTags(page, facts);
        found.push_back(facts);
    }
    return found;
}

}  // namespace nominator
