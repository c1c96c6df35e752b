#include "window/form1.h"

#include <utility>

#include "core/log_date.h"
#include "core/nomination_check_answer.h"
#include "core/nomination_check_query.h"
#include "core/nomination_page.h"
#include "core/nomination_status.h"
#include "core/nomination_texts.h"
#include "core/panes_behind_status.h"
#include "core/wiki_addresses.h"
#include "core/wiki_title.h"

namespace nominator {
Form1::Form1(NominationView& view, Clock clock) : view_(view), clock_(std::move(clock)) {}

void Form1::Form_Load() { view_.setText(Box::Text5, LogLine(view_.text(Box::Text1))); }

void Form1::Command1_Click() {
    CurDate = FormatLogDate(UtcToday(clock_()));

    view_.show(Control::Text2);
    view_.show(Control::Text3);
    view_.show(Control::Text5);
    view_.show(Control::Tabby);

    // Named first: the order in which function arguments are evaluated is unspecified.
    const std::string title = view_.text(Box::Text1);
    const std::string reason = view_.text(Box::Reason);
    // The discussion template links the article from the title as typed; the log line and the
    // discussion page must name the page the article's tag links to, under the wiki's name.
    view_.setText(Box::Text3, DiscussionText(title, reason));
    view_.setText(Box::Text5, LogLine(WikiName(view_.text(Box::Text1))));

    view_.navigate(Pane::Browser, ArticleEditUrl(view_.text(Box::Text1)));
    view_.navigate(Pane::Browser3, LogEditUrl(CurDate));
    view_.navigate(Pane::Browser2, DiscussionUrl(WikiName(view_.text(Box::Text1))));

    // Until the check answers, all three texts are those of a first nomination.
    restoreArticleTag();

    view_.show(Control::Status);
    showStatus({std::string(kCheckingStatus), "", false});
    pending_ = PendingCheck{++lastTicket_, WikiName(view_.text(Box::Text1))};
    view_.requestNominationCheck(pending_->ticket, NominationCheckUrl(pending_->name));
}

void Form1::DayPlus_Click() {
    CurDate = FormatLogDate(UtcTomorrow(clock_()));
    view_.navigate(Pane::Browser3, LogEditUrl(CurDate));
}

void Form1::NominationCheckAnswered(int ticket, const std::string& body) {
    const std::optional<std::string> name = takePendingName(ticket);
    if (!name) return;
    const NominationCheck check = ReadNominationCheck(body, *name);
    if (const auto* facts = std::get_if<NominationFacts>(&check);
        facts != nullptr && facts->highestEarlierNomination > 0) {
        const int nomination = facts->highestEarlierNomination + 1;
        const std::string page = NominationPage(*name, nomination);
        const std::string tag = RenominationTag(nomination);
        view_.setText(Box::Text2, tag);
        writtenTag_ = tag;
        view_.setText(Box::Text5, LogLine(page));
        view_.navigate(Pane::Browser2, DiscussionUrl(page));
    }
    showStatus(StatusOf(check));
}

void Form1::NominationCheckFailed(int ticket, const std::string& reason) {
    if (!takePendingName(ticket)) return;
    showStatus(StatusOf(CheckFailure{reason}));
}

void Form1::PaneStayed(Pane pane, const std::string& page) {
    behind_[pane] = page;
    view_.show(Control::Status);
    refreshStatus();
}

void Form1::PaneArrived(Pane pane) {
    if (behind_.erase(pane) > 0) refreshStatus();
}

void Form1::showStatus(StatusLine status) {
    checkStatus_ = std::move(status);
    refreshStatus();
}

void Form1::refreshStatus() {
    StatusLine shown = checkStatus_;
    if (!behind_.empty()) {
        std::vector<PaneBehind> behind;
        for (const auto& [pane, page] : behind_) behind.push_back({TabOf(pane), page});
        shown = PanesBehindStatus(behind, checkStatus_);
    }
    view_.setStatus(shown.text, shown.detail, shown.warning);
}

std::optional<std::string> Form1::takePendingName(int ticket) {
    if (!pending_ || pending_->ticket != ticket) return std::nullopt;
    std::string name = std::move(pending_->name);
    pending_.reset();
    return name;
}

void Form1::restoreArticleTag() {
    if (!writtenTag_) return;
    // A tag the user has changed since is the user's, and stays.
    if (view_.text(Box::Text2) == *writtenTag_) view_.setText(Box::Text2, std::string(ArticleTag));
    writtenTag_.reset();
}

}  // namespace nominator
