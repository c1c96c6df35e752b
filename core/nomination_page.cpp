#include "core/nomination_page.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "core/ordinal.h"

namespace nominator {
namespace {

constexpr std::string_view kCountOpening = " (";
constexpr std::string_view kCountClosing = " nomination)";

// "2nd" gives 2; anything that is not a canonical ordinal of a positive int gives nullopt.
std::optional<int> ParseOrdinal(std::string_view text) {
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc{} || number < 1) return std::nullopt;
    // Comparing with the ordinal written back rejects leading zeros and wrong suffixes at once.
    if (text != Ordinal(number)) return std::nullopt;
    return number;
}

}  // namespace

std::optional<int> EarlierNominationCount(std::string_view pageTitle, std::string_view name) {
    for (const std::string_view prefix : {kProjectNamespacePrefix, kDiscussionStem, name}) {
        if (!pageTitle.starts_with(prefix)) return std::nullopt;
        pageTitle.remove_prefix(prefix.size());
    }
    if (pageTitle.empty()) return 1;
    if (!pageTitle.starts_with(kCountOpening) || !pageTitle.ends_with(kCountClosing) ||
        pageTitle.size() < kCountOpening.size() + kCountClosing.size()) {
        return std::nullopt;
    }
    pageTitle.remove_prefix(kCountOpening.size());
    pageTitle.remove_suffix(kCountClosing.size());
    const std::optional<int> count = ParseOrdinal(pageTitle);
    if (count == std::numeric_limits<int>::max()) return std::nullopt;
    return count;
}

int HighestEarlierNomination(std::span<const std::string> pageTitles, std::string_view name) {
    int highest = 0;
    for (const std::string& title : pageTitles) {
        highest = std::max(highest, EarlierNominationCount(title, name).value_or(0));
    }
    return highest;
}

std::string NominationPage(std::string_view name, int nomination) {
    std::string page{name};
    if (nomination > 1) {
        page += kCountOpening;
        page += Ordinal(nomination);
        page += kCountClosing;
    }
    return page;
}

std::string RenominationTag(int nomination) { return "{{subst:afdx|" + Ordinal(nomination) + "}}"; }

}  // namespace nominator
