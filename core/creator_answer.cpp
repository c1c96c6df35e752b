#include "core/creator_answer.h"

#include <algorithm>
#include <cstddef>

#include "core/api_answer.h"
#include "core/text_scan.h"

namespace nominator {
namespace {

using nlohmann::json;

constexpr std::string_view kRedirectWord = "#REDIRECT";

// The revision's text in its main slot: under "*" in the default format, "content" in format
// version 2. Nothing when it is hidden.
std::optional<std::string> MainText(const json& revision) {
    const json* slots = Member(revision, "slots");
    const json* main = slots == nullptr ? nullptr : Member(*slots, "main");
    if (main == nullptr) return std::nullopt;
    if (auto text = StringMember(*main, "content")) return text;
    return StringMember(*main, "*");
}

bool IsRedirectRevision(const json& revision) {
    const auto text = MainText(revision);
    return text && IsRedirectText(*text);
}

// What the revisions listed say of the creator.
struct Found {
    std::optional<std::string> creator;
    // There were revisions, and every one was a redirect.
    bool onlyRedirects = false;
};

Found CreatorOf(const json& page) {
    if (FlagMember(page, "missing") || FlagMember(page, "invalid")) return {};
    const json* revisions = Member(page, "revisions");
    if (revisions == nullptr || !revisions->is_array()) return {};
    for (const json& revision : *revisions) {
        if (IsRedirectRevision(revision)) continue;
        if (FlagMember(revision, "userhidden")) return {};
        return {StringMember(revision, "user")};
    }
    return {std::nullopt, !revisions->empty()};
}

bool MoreRevisionsFollow(const json& answer) {
    const json* continuation = Member(answer, "continue");
    return continuation != nullptr && Member(*continuation, "rvcontinue") != nullptr;
}

std::variant<Found, CheckFailure> CreatorIn(const json& query, std::string_view article) {
    if (article.empty()) return Found{};
    const json* pages = Member(query, "pages");
    if (pages == nullptr || !pages->is_structured()) {
        return CheckFailure{"the answer holds no list of pages"};
    }
    const json* page = EntryTitled(*pages, NormalisedTitle(query, article));
    if (page == nullptr) return CheckFailure{"the answer does not list the article"};
    return CreatorOf(*page);
}

}  // namespace

bool IsRedirectText(std::string_view text) {
    text = WithoutLeadingSpace(text);
    if (!StartsWithCaseless(text, kRedirectWord)) return false;
    text.remove_prefix(kRedirectWord.size());
    // Old redirects put a colon before the link.
    text = WithoutLeadingSpace(text);
    if (!text.empty() && text.front() == ':') text.remove_prefix(1);
    text = WithoutLeadingSpace(text);
    if (!text.starts_with("[[")) return false;
    const std::string_view line = text.substr(0, text.find('\n'));
    const std::size_t close = line.find("]]", 2);
    if (close == std::string_view::npos) return false;
    // A link without a target links nowhere.
    const std::string_view target = line.substr(2, std::min(line.find('|'), close) - 2);
    return !WithoutLeadingSpace(target).empty();
}

CreatorCheck ReadCreator(std::string_view answer, std::string_view article) {
    const auto parsed = QueryAnswer(answer);
    if (const auto* failure = std::get_if<CheckFailure>(&parsed)) return *failure;
    const json& query = *Member(std::get<json>(parsed), "query");
    const json* userInfo = Member(query, "userinfo");
    const auto name = userInfo == nullptr ? std::nullopt : StringMember(*userInfo, "name");
    if (!name) return CheckFailure{"the answer does not say who the user is"};
    const auto creator = CreatorIn(query, article);
    if (const auto* failure = std::get_if<CheckFailure>(&creator)) return *failure;
    const Found& found = std::get<Found>(creator);
    return CreatorFacts{found.creator, WikiUser{*name, FlagMember(*userInfo, "anon")},
                        found.onlyRedirects && MoreRevisionsFollow(std::get<json>(parsed))};
}

}  // namespace nominator
