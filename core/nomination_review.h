#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/nomination_check_answer.h"

namespace nominator {

// What the wiki's reviewers look at before anything else, asked once the check has answered and
// the article's creator is known: whether the Main Page links the article today, how its latest
// earlier discussion closed, and whether its creator is blocked or a bot.

// How an earlier discussion closed: the result as written ("keep", "no consensus", ...) and the
// day, as the closer's signature or the talk page's record gives it.
struct ClosedDiscussion {
    std::string result;
    std::chrono::year_month_day day;

    bool operator==(const ClosedDiscussion&) const = default;
};

struct ReviewFacts {
    bool onMainPage = false;
    std::optional<ClosedDiscussion> lastDiscussion = {};
    bool creatorBlocked = false;
    bool creatorIsBot = false;

    bool operator==(const ReviewFacts&) const = default;
};

// The one request: the Main Page's links to the article; for a renomination (`lastDiscussion`,
// the full title of the latest earlier discussion, not empty) the text of the article's talk
// page and of that discussion; and, with a creator, whether they are blocked and their groups.
// Values percent-encoded; titles holding "|" sent as one.
std::string ReviewUrl(std::string_view name, std::string_view lastDiscussion,
                      std::string_view creator);

// Reads the answer to ReviewUrl, in either JSON format. The last discussion comes from the talk
// page's {{Old AfD multi}} (its latest entry), or else from the discussion's closing line ("The
// result was keep", then the closer's signed date). Fails as ReadNominationCheck does on a body
// that is no answer.
std::variant<ReviewFacts, CheckFailure> ReadReview(std::string_view answer, std::string_view name,
                                                   std::string_view lastDiscussion);

// "14 February 2026", as the wiki writes a date.
std::string WikiDate(const std::chrono::year_month_day& day);

// A discussion that closed without deleting less than six months before today: a renomination
// now is usually closed at once.
bool ClosedRecentlyAsKept(const ClosedDiscussion& closed, std::chrono::year_month_day today);

}  // namespace nominator
