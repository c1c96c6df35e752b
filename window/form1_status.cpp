// The status line's part of Form1: the facts it is composed of.

#include "core/log_date.h"
#include "core/page_titles.h"
#include "core/status_catalogue.h"
#include "window/form1.h"

namespace nominator {

void Form1::refreshStatus() {
    syncPanes();
    StatusFacts facts{
        .noLogMarker = noLogMarker_, .noListMarkerTab = noListMarkerTab_, .notice = input_.notice};
    addTopicFacts(facts);
    if (phase_ == Phase::Checking) facts.check = Status(StatusId::Checking);
    if (checkOutcome_) facts.check = StatusOf(*checkOutcome_, review_, UtcToday(clock_()));
    facts.taggedBefore = input_.taggedAtRevision.has_value();
    facts.heldTwice = heldTwice();
    facts.creatorBlocked =
        review_ && review_->creatorBlocked &&
        (input_.notice == NoticeState::Due || input_.notice == NoticeState::Open);
    if (phase_ != Phase::Nothing) facts.saves = SavedEditsStatus(plan(), saved_, creatorsKnown());
    for (const auto& [pane, page] : behind_) facts.behind.push_back({pane, page});
    if (paneNotice_) facts.paneNotice = paneNotice_->second;
    facts.refused = refused_;
    facts.further = FirstFurtherWarning(FurtherNames(input_.further), furtherFacts_);
    facts.furtherCheckFailed = furtherCheckFailed_;
    facts.proposedDeletion = checkOutcome_ && FoundProposedDeletion(*checkOutcome_);
    facts.proposedDeletionRemoved = proposedDeletionRemoved_;
    const StatusLine shown = ComposeStatus(facts);
    view_.setStatus(shown.text, shown.detail, shown.warning);
}

std::optional<std::pair<int, std::string>> Form1::heldTwice() const {
    if (phase_ == Phase::Nothing) return std::nullopt;
    const NominationPlan planned = plan();
    for (const auto& [pane, shown] : shown_) {
        const auto row = static_cast<std::size_t>(pane);
        if (row >= planned.size() || TitleOfAddress(shown.page) != planned[row].page) continue;
        const std::string text = textToPlace(planned, row);
        const std::size_t first = text.empty() ? std::string::npos : shown.text.find(text);
        if (first != std::string::npos &&
            shown.text.find(text, first + text.size()) != std::string::npos) {
            return std::pair{pane, std::string(planned[row].info().completeName)};
        }
    }
    return std::nullopt;
}

}  // namespace nominator
