#include "core/nomination_review.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <regex>
#include <vector>

#include "core/api_answer.h"
#include "core/api_query.h"
#include "core/text_scan.h"
#include "core/wiki_title.h"

namespace nominator {
namespace {

using nlohmann::json;
using namespace std::chrono;

constexpr std::string_view kMainPage = "Main Page";
constexpr std::array<std::string_view, 12> kMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

std::string TalkPageOf(std::string_view name) { return "Talk:" + std::string(name); }

// The text of the page's latest revision in the answer, in either format.
std::string PageText(const json& page) {
    const json* revisions = Member(page, "revisions");
    if (revisions == nullptr) return {};
    for (const json& revision : *revisions) {
        const json* slots = Member(revision, "slots");
        const json* main = slots != nullptr ? Member(*slots, "main") : nullptr;
        if (main == nullptr) continue;
        if (auto text = StringMember(*main, "content")) return *text;
        if (auto text = StringMember(*main, "*")) return *text;
    }
    return {};
}

const json* PageTitled(const json& query, std::string_view title) {
    const json* pages = Member(query, "pages");
    if (pages == nullptr || !pages->is_structured()) return nullptr;
    return EntryTitled(*pages, NormalisedTitle(query, title));
}

std::optional<year_month_day> DayOf(const std::string& day, const std::string& month,
                                    const std::string& year) {
    const auto named = std::find(kMonths.begin(), kMonths.end(), month);
    if (named == kMonths.end()) return std::nullopt;
    const year_month_day date{
        std::chrono::year{std::stoi(year)},
        std::chrono::month{static_cast<unsigned>(named - kMonths.begin() + 1)},
        std::chrono::day{static_cast<unsigned>(std::stoi(day))}};
    if (!date.ok()) return std::nullopt;
    return date;
}

// "14 February 2026" or "February 14, 2026".
std::optional<year_month_day> ParsedDate(const std::string& text) {
    static const std::regex dayFirst(R"((\d{1,2}) ([A-Z][a-z]+),? (\d{4}))");
    static const std::regex monthFirst(R"(([A-Z][a-z]+) (\d{1,2}), (\d{4}))");
    std::smatch match;
    if (std::regex_search(text, match, dayFirst)) return DayOf(match[1], match[2], match[3]);
    if (std::regex_search(text, match, monthFirst)) return DayOf(match[2], match[1], match[3]);
    return std::nullopt;
}

// A result as the reader sees it: no bold or italics, no links' brackets, lower case.
std::string PlainResult(std::string_view text) {
    std::string plain;
    for (std::size_t at = 0; at < text.size(); ++at) {
        // A link reads as its label: "[[WP:NC|no consensus]]" as "no consensus".
        if (text.substr(at).starts_with("[[")) {
            const std::size_t end = text.find("]]", at);
            const std::size_t bar = text.rfind('|', end);
            if (end != std::string_view::npos && bar != std::string_view::npos && bar > at) {
                at = bar;
                continue;
            }
        }
        const char c = text[at];
        if (c == '\'' || c == '[' || c == ']') continue;
        plain += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return std::string(WithoutLeadingSpace(WithoutTrailingSpace(plain)));
}

// The parameters of the first call of the template in the text, split at its own bars.
std::vector<std::pair<std::string, std::string>> TemplateParameters(std::string_view text,
                                                                    std::string_view name) {
    std::vector<std::pair<std::string, std::string>> parameters;
    for (std::size_t at = text.find("{{"); at != std::string_view::npos;
         at = text.find("{{", at + 2)) {
        const std::size_t nameEnd = text.find_first_of("|}", at + 2);
        if (nameEnd == std::string_view::npos ||
            WikiName(WithoutLeadingSpace(
                WithoutTrailingSpace(text.substr(at + 2, nameEnd - at - 2)))) != WikiName(name)) {
            continue;
        }
        int depth = 0;
        std::string current;
        for (std::size_t i = nameEnd; i < text.size(); ++i) {
            const std::string_view rest = text.substr(i);
            if (rest.starts_with("{{") || rest.starts_with("[[")) ++depth;
            if (depth == 0 && (text[i] == '|' || rest.starts_with("}}"))) {
                if (i != nameEnd) {
                    const std::size_t equals = current.find('=');
                    if (equals != std::string::npos) {
                        parameters.emplace_back(
                            std::string(WithoutLeadingSpace(
                                WithoutTrailingSpace(current.substr(0, equals)))),
                            std::string(WithoutLeadingSpace(
                                WithoutTrailingSpace(current.substr(equals + 1)))));
                    }
                }
                current.clear();
                if (text[i] == '}') break;
                continue;
            }
            if (rest.starts_with("}}") || rest.starts_with("]]")) {
                --depth;
                current += rest.substr(0, 2);
                ++i;
                continue;
            }
            if (rest.starts_with("{{") || rest.starts_with("[[")) {
                current += rest.substr(0, 2);
                ++i;
                continue;
            }
            current += text[i];
        }
        break;
    }
    return parameters;
}

// The latest entry of the talk page's record of the article's deletion discussions.
std::optional<ClosedDiscussion> FromTalkPage(std::string_view text) {
    const auto parameters = TemplateParameters(text, "Old AfD multi");
    const auto value = [&parameters](const std::string& key) -> std::optional<std::string> {
        for (const auto& [name, value] : parameters) {
            if (name == key) return value;
        }
        return std::nullopt;
    };
    std::optional<ClosedDiscussion> latest;
    for (int entry = 1; entry <= 50; ++entry) {
        const std::string suffix = entry == 1 ? "" : std::to_string(entry);
        const auto date = value("date" + suffix);
        const auto result = value("result" + suffix);
        if (!date || !result) {
            if (entry > 1) break;
            continue;
        }
        if (const auto day = ParsedDate(*date))
            latest = ClosedDiscussion{PlainResult(*result), *day};
    }
    return latest;
}

// "The result was keep." and the closer's signature after it.
std::optional<ClosedDiscussion> FromClosingLine(const std::string& text) {
    static const std::regex closing(R"(The result was\s*([^.\n]*?)\s*\.)", std::regex::icase);
    static const std::regex signedAt(R"(\d{1,2}:\d{2}, (\d{1,2} [A-Z][a-z]+ \d{4}) \(UTC\))");
    std::smatch result;
    if (!std::regex_search(text, result, closing)) return std::nullopt;
    const std::string after = result.suffix();
    std::smatch signature;
    if (!std::regex_search(after, signature, signedAt)) return std::nullopt;
    const auto day = ParsedDate(signature[1]);
    if (!day) return std::nullopt;
    return ClosedDiscussion{PlainResult(result[1].str()), *day};
}

bool InGroup(const json& user, std::string_view group) {
    const json* groups = Member(user, "groups");
    if (groups == nullptr) return false;
    return std::any_of(groups->begin(), groups->end(),
                       [group](const json& named) { return named.is_string() && named == group; });
}

}  // namespace

std::string ReviewUrl(std::string_view name, std::string_view lastDiscussion,
                      std::string_view creator) {
    const std::string talk = TalkPageOf(name);
    const std::string titles = lastDiscussion.empty()
                                   ? MultiValue({kMainPage})
                                   : MultiValue({kMainPage, talk, lastDiscussion});
    const std::string linked = MultiValue({name});
    const std::string users = MultiValue({creator});
    std::vector<ApiParameter> parameters = {
        {"action", "query"},  {"titles", titles}, {"prop", "links|revisions"},
        {"pltitles", linked}, {"pllimit", "max"}, {"rvprop", "content"},
        {"rvslots", "main"},
    };
    if (!creator.empty()) {
        parameters.insert(parameters.end(),
                          {{"list", "users"}, {"ususers", users}, {"usprop", "blockinfo|groups"}});
    }
    parameters.emplace_back("format", "json");
    return ApiUrl(parameters);
}

std::variant<ReviewFacts, CheckFailure> ReadReview(std::string_view answer, std::string_view name,
                                                   std::string_view lastDiscussion) {
    const auto parsed = QueryAnswer(answer);
    if (const auto* failure = std::get_if<CheckFailure>(&parsed)) return *failure;
    const json& query = *Member(std::get<json>(parsed), "query");
    ReviewFacts facts;
    if (const json* mainPage = PageTitled(query, kMainPage)) {
        facts.onMainPage = ListsLink(*mainPage, name);
    }
    if (!lastDiscussion.empty()) {
        if (const json* talk = PageTitled(query, TalkPageOf(name))) {
            facts.lastDiscussion = FromTalkPage(PageText(*talk));
        }
        if (!facts.lastDiscussion) {
            if (const json* discussion = PageTitled(query, lastDiscussion)) {
                facts.lastDiscussion = FromClosingLine(PageText(*discussion));
            }
        }
    }
    if (const json* users = Member(query, "users")) {
        for (const json& user : *users) {
            facts.creatorBlocked = facts.creatorBlocked || Member(user, "blockid") != nullptr;
            facts.creatorIsBot = facts.creatorIsBot || InGroup(user, "bot");
        }
    }
    return facts;
}

std::string WikiDate(const year_month_day& day) {
    return std::to_string(static_cast<unsigned>(day.day())) + " " +
           std::string(kMonths.at(static_cast<unsigned>(day.month()) - 1)) + " " +
           std::to_string(static_cast<int>(day.year()));
}

bool ClosedRecentlyAsKept(const ClosedDiscussion& closed, year_month_day today) {
    const bool kept = closed.result.starts_with("keep") ||
                      closed.result.starts_with("speedy keep") ||
                      closed.result.starts_with("no consensus");
    const year_month_day sixMonthsOn = closed.day + months{6};
    return kept && sys_days{today} <
                       sys_days{sixMonthsOn.ok() ? sixMonthsOn
                                                 : sixMonthsOn.year() / sixMonthsOn.month() / last};
}

}  // namespace nominator
