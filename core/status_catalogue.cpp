#include "core/status_catalogue.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

#include "core/english_list.h"
#include "core/ordinal.h"
#include "core/panes_behind_status.h"

namespace nominator {
namespace {

std::optional<StatusId> WarningOf(ArticleState article) {
    switch (article) {
        case ArticleState::OtherNamespace:
            return StatusId::OtherNamespace;
        case ArticleState::Missing:
            return StatusId::Missing;
        case ArticleState::Redirect:
            return StatusId::Redirect;
        case ArticleState::AlreadyNominated:
            return StatusId::AlreadyNominated;
        case ArticleState::Fine:
            break;
    }
    return std::nullopt;
}

// What the line warns of the article: its state first, then a speedy-deletion tag.
std::optional<StatusId> ArticleWarningOf(const NominationFacts& facts) {
    if (const auto warning = WarningOf(facts.article)) return warning;
    if (facts.speedyDeletion) return StatusId::SpeedyTagged;
    return std::nullopt;
}

StatusLine NominationLine(int highestEarlierNomination, const std::optional<ReviewFacts>& review,
                          std::chrono::year_month_day today) {
    if (highestEarlierNomination == 0) return Status(StatusId::FirstNomination);
    const std::string ordinal = Ordinal(highestEarlierNomination + 1);
    if (!review || !review->lastDiscussion) {
        return Status(StatusId::Renomination, {}, {{"ordinal", ordinal}});
    }
    const ClosedDiscussion& last = *review->lastDiscussion;
    return Status(ClosedRecentlyAsKept(last, today) ? StatusId::RenominationClosedRecently
                                                    : StatusId::RenominationClosed,
                  {},
                  {{"ordinal", ordinal}, {"result", last.result}, {"date", WikiDate(last.day)}});
}

std::optional<std::string_view> NoteOf(NoticeState state) {
    const auto* note = std::find_if(std::begin(kNoticeNotes), std::end(kNoticeNotes),
                                    [state](const NoticeNote& row) { return row.state == state; });
    if (note == std::end(kNoticeNotes)) return std::nullopt;
    return note->text;
}

}  // namespace

const StatusEntry& EntryOf(StatusId id) {
    return *std::find_if(std::begin(kStatusCatalogue), std::end(kStatusCatalogue),
                         [id](const StatusEntry& entry) { return entry.id == id; });
}

std::string StatusText(StatusId id,
                       const std::vector<std::pair<std::string_view, std::string>>& values) {
    // One pass over the entry's words, so that a value holding braces (a page's title) stays
    // as it is.
    const std::string_view words = EntryOf(id).text;
    std::string text;
    std::size_t at = 0;
    while (at < words.size()) {
        const std::size_t open = words.find('{', at);
        const std::size_t close = words.find('}', open);
        const auto value = std::find_if(values.begin(), values.end(), [&](const auto& named) {
            return close != std::string_view::npos &&
                   named.first == words.substr(open + 1, close - open - 1);
        });
        if (open == std::string_view::npos || value == values.end()) {
            text += words.substr(at, open == std::string_view::npos ? open : open + 1 - at);
            at = open == std::string_view::npos ? words.size() : open + 1;
            continue;
        }
        text += words.substr(at, open - at);
        text += value->second;
        at = close + 1;
    }
    return text;
}

StatusLine Status(StatusId id, std::string detail,
                  const std::vector<std::pair<std::string_view, std::string>>& values) {
    return {StatusText(id, values), std::move(detail), EntryOf(id).warning};
}

StatusLine StatusOf(const NominationCheck& check, const std::optional<ReviewFacts>& review,
                    std::chrono::year_month_day today) {
    if (const auto* failure = std::get_if<CheckFailure>(&check)) {
        return Status(StatusId::CheckFailed, failure->reason);
    }
    const auto& facts = std::get<NominationFacts>(check);
    StatusLine nomination = NominationLine(facts.highestEarlierNomination, review, today);
    const std::optional<StatusId> warning = ArticleWarningOf(facts);
    if (!warning && review && review->onMainPage) {
        return Status(StatusId::MainPage, std::string(kMainPageDetail) + "\n" + nomination.text);
    }
    if (!warning) return nomination;
    return Status(*warning, std::move(nomination.text));
}

std::optional<FurtherWarning> FirstFurtherWarning(const std::vector<std::string>& names,
                                                  const std::vector<NominationFacts>& facts) {
    for (std::size_t i = 0; i < names.size() && i < facts.size(); ++i) {
        if (const auto warning = ArticleWarningOf(facts[i]))
            return FurtherWarning{names[i], *warning};
    }
    return std::nullopt;
}

StatusLine ComposeStatus(const StatusFacts& facts) {
    if (facts.paneNotice) return *facts.paneNotice;
    if (facts.refused) return *facts.refused;
    StatusLine shown = facts.check.value_or(StatusLine{});
    if (facts.further && !shown.warning) {
        std::string warning{EntryOf(facts.further->warning).text};
        warning[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(warning[0])));
        shown = Status(StatusId::FurtherArticle, shown.text,
                       {{"article", facts.further->article}, {"warning", warning}});
    } else if (facts.furtherCheckFailed && !shown.warning) {
        shown = Status(StatusId::FurtherCheckFailed, shown.text);
    }
    if (facts.taggedBefore) {
        // What is saved may be the earlier nomination's: the tool tip says it, not the line.
        if (facts.saves) shown.detail += (shown.detail.empty() ? "" : "\n") + facts.saves->text;
    } else if (facts.saves) {
        // Once part of the nomination is saved, where it stands matters more than the check.
        shown = *facts.saves;
    } else if (facts.noLogMarker) {
        shown = Status(StatusId::NoLogMarker, shown.text);
    } else if (facts.noListMarkerTab) {
        shown = Status(StatusId::NoListMarker, shown.text,
                       {{"tab", std::to_string(*facts.noListMarkerTab)}});
    } else if (facts.proposedDeletion && facts.proposedDeletionRemoved == false) {
        shown = Status(StatusId::ProposedDeletionKept, shown.text);
    }
    if (!facts.unlistedTopics.empty()) {
        shown = Status(facts.topicListUnread ? StatusId::TopicListUnread : StatusId::UnknownTopics,
                       shown.text, {{"topics", EnglishList(facts.unlistedTopics)}});
    }
    if (facts.heldTwice) {
        shown = Status(
            StatusId::HeldTwice, shown.text,
            {{"tab", std::to_string(facts.heldTwice->first)}, {"edit", facts.heldTwice->second}});
    }
    // Someone else's nomination's tag is there already: this one's edit removes nothing.
    if (!facts.taggedBefore && facts.proposedDeletionRemoved.value_or(facts.proposedDeletion)) {
        shown.text += ". " + std::string(kProposedDeletionRemovedNote);
    }
    if (const std::optional<std::string_view> note = NoteOf(facts.notice)) {
        shown.text += ". " + std::string(*note);
    } else if (facts.creatorBlocked) {
        shown.text += ". " + std::string(kCreatorBlockedNote);
    }
    if (!facts.behind.empty()) shown = PanesBehindStatus(facts.behind, shown);
    return shown;
}

}  // namespace nominator
