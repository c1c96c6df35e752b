#include "window/form1.h"

#include <utility>
#include <variant>

#include "core/creator_notice.h"
#include "core/creator_query.h"
#include "core/editor_fill.h"
#include "core/log_date.h"
#include "core/nomination_check_query.h"
#include "core/nomination_page.h"
#include "core/nomination_texts.h"
#include "core/page_titles.h"
#include "core/status_catalogue.h"
#include "core/text_scan.h"
#include "core/wiki_title.h"
#include "window/close_question.h"
#include "window/pane_labels.h"

namespace nominator {
namespace {

std::size_t RowOf(const NominationPlan& plan, EditKind kind) { return *EditOfKind(plan, kind); }

Pane PaneOf(std::size_t row) { return static_cast<Pane>(row); }

// The full title of the latest earlier discussion of a renomination; empty for a first one.
std::string LastDiscussion(const NominationInput& input) {
    if (input.number < 2) return {};
    return DiscussionTitle(NominationPage(input.name, input.number - 1));
}

}  // namespace

// The window starts with the panes of a nomination without further articles or topics.
Form1::Form1(NominationView& view, Clock clock)
    : view_(view), clock_(std::move(clock)), panes_(PaneLabelsOf(PlanNomination({}))) {}

void Form1::Form_Load() {
    panes_ = PaneLabelsOf(plan());
    view_.setPanes(panes_);
    view_.setText(Box::Text5, LogLine(view_.text(Box::Text1)));
}

void Form1::Command1_Click() {
    std::optional<std::vector<FurtherArticle>> further = readFurther();
    if (!further) {
        view_.show(Control::Status);
        return refreshStatus();
    }
    CurDate = FormatLogDate(UtcToday(clock_()));

    view_.show(Control::Text2);
    view_.show(Control::Text3);
    view_.show(Control::Text5);
    view_.show(Control::Tabby);

    // Named first: the order in which function arguments are evaluated is unspecified.
    const std::string title = view_.text(Box::Text1);
    const std::string reason = view_.text(Box::Reason);
    // Until the check answers, the nomination is a first one, and nobody is due a notice.
    input_ = {.typedTitle = title,
              .name = WikiName(title),
              .reason = reason,
              .logKey = CurDate,
              .further = std::move(*further),
              .category = std::string(CategoryLetterAt(view_.chosen(Choice::Category)))};
    typedTopics_ = view_.text(Box::Topics);
    if (!WithoutLeadingSpace(typedTopics_).empty()) Topics_GotFocus();
    input_.topics = listedTopics();
    syncPanes();
    const NominationPlan planned = plan();
    view_.setText(Box::Text3, planned[RowOf(planned, EditKind::Discussion)].text);
    view_.setText(Box::Text5, planned[RowOf(planned, EditKind::DayLog)].text);
    // The earlier nomination's notice is not this one's, nor is its talk page, which must not
    // stay on to be saved under this nomination's texts.
    view_.hide(Control::Text6);
    for (const std::size_t row : OpeningOrder(planned)) {
        view_.navigate(PaneOf(row), planned[row].address);
    }
    // The editors shown so far belong to the earlier nomination, even at the same address (the
    // day's log): this one fills only those its panes show from now on.
    shown_.clear();
    paneNotice_.reset();
    filled_.assign(planned.size(), false);
    saved_.assign(planned.size(), EditState::NotAsked);
    noLogMarker_ = false;
    noListMarkerTab_.reset();
    proposedDeletionRemoved_.reset();
    checkOutcome_.reset();
    reviewTicket_.reset();
    review_.reset();
    restoreArticleTag();

    phase_ = Phase::Checking;
    checkTicket_ = ++lastTicket_;
    savedBatches_.clear();
    askSavedAgain_ = false;
    view_.show(Control::Status);
    refreshStatus();
    view_.requestNominationCheck(checkTicket_, NominationCheckUrl(input_.name));
    askFurther();
}

void Form1::DayPlus_Click() {
    CurDate = FormatLogDate(UtcTomorrow(clock_()));
    input_.logKey = CurDate;
    const NominationPlan planned = plan();
    const std::size_t log = RowOf(planned, EditKind::DayLog);
    view_.navigate(PaneOf(log), planned[log].address);
    if (std::exchange(paneNotice_, std::nullopt)) refreshStatus();
    if (phase_ == Phase::Nothing) return;
    filled_[log] = false;
    shown_.erase(PaneOf(log));
    if (std::exchange(noLogMarker_, false)) refreshStatus();
}

void Form1::NominationCheckAnswered(int ticket, const std::string& body) {
    if (furtherCheckEnded(ticket, &body)) return;
    if (phase_ != Phase::Checking || ticket != checkTicket_) return;
    phase_ = Phase::Prepared;
    const NominationCheck check = ReadNominationCheck(body, input_.name);
    checkOutcome_ = check;
    const auto* facts = std::get_if<NominationFacts>(&check);
    if (facts != nullptr && facts->article == ArticleState::AlreadyNominated) {
        input_.taggedAtRevision = facts->lastRevision;
    }
    if (facts != nullptr && facts->highestEarlierNomination > 0) {
        input_.number = facts->highestEarlierNomination + 1;
        const NominationPlan planned = plan();
        const std::string& tag = planned[RowOf(planned, EditKind::ArticleTag)].text;
        view_.setText(Box::Text2, tag);
        writtenTag_ = tag;
        view_.setText(Box::Text5, planned[RowOf(planned, EditKind::DayLog)].text);
        const std::size_t discussion = RowOf(planned, EditKind::Discussion);
        view_.navigate(PaneOf(discussion), planned[discussion].address);
        shown_.erase(PaneOf(discussion));
    }
    learnCreator(ReadCreator(body, input_.name), true);
    refreshStatus();
    checkEnded();
    // An article that began as a redirect is reviewed once its creator is found.
    if (facts != nullptr && input_.notice != NoticeState::LookingFurther) askReview();
}

void Form1::NominationCheckFailed(int ticket, const std::string& reason) {
    if (furtherCheckEnded(ticket, nullptr)) return;
    if (phase_ != Phase::Checking || ticket != checkTicket_) return;
    phase_ = Phase::Prepared;
    checkOutcome_ = CheckFailure{reason};
    input_.notice = NoticeState::CreatorUnknown;
    refreshStatus();
    checkEnded();
}

void Form1::EditorShown(Pane pane, const std::string& page, const std::string& text) {
    const auto twiceBefore = heldTwice();
    shown_[pane] = {page, text};
    if (heldTwice() != twiceBefore) refreshStatus();
    fill(pane);
}

void Form1::EditorFilled(Pane pane, const std::string& page) {
    const auto shown = shown_.find(pane);
    const auto row = static_cast<std::size_t>(pane);
    if (phase_ != Phase::Nothing && row < filled_.size() && shown != shown_.end() &&
        shown->second.page == page) {
        filled_[row] = true;
    }
}

void Form1::PaneLoaded(Pane pane) {
    if (paneNotice_ && paneNotice_->first == pane) {
        paneNotice_.reset();
        refreshStatus();
    }
    if (phase_ == Phase::Prepared || phase_ == Phase::Complete) askWhatIsSaved();
}

void Form1::CreatorAnswered(int ticket, const std::string& body) {
    const auto further = furtherCreatorTickets_.find(ticket);
    if (further != furtherCreatorTickets_.end()) {
        furtherCreatorEnded(ticket, ReadCreator(body, input_.further[further->second].name));
        return;
    }
    if (input_.notice != NoticeState::LookingFurther || ticket != creatorTicket_) return;
    learnCreator(ReadCreator(body, input_.name), false);
    refreshStatus();
    askWhatIsSaved();
    askReview();
}

void Form1::CreatorFailed(int ticket, const std::string& reason) {
    if (furtherCreatorEnded(ticket, CheckFailure{reason})) return;
    if (input_.notice != NoticeState::LookingFurther || ticket != creatorTicket_) return;
    learnCreator(CheckFailure{reason}, false);
    refreshStatus();
    askReview();
}

void Form1::ReviewAnswered(int ticket, const std::string& body) {
    if (reviewTicket_ != ticket) return;
    reviewTicket_.reset();
    const auto review = ReadReview(body, input_.name, LastDiscussion(input_));
    const auto* facts = std::get_if<ReviewFacts>(&review);
    reviewed(facts != nullptr ? *facts : ReviewFacts{});
    refreshStatus();
}

void Form1::ReviewFailed(int ticket, const std::string& /*reason*/) {
    if (reviewTicket_ != ticket) return;
    reviewTicket_.reset();
    // Nothing is known against the nomination; the check's line stays as it is.
    reviewed(ReviewFacts{});
}

void Form1::reviewed(ReviewFacts facts) {
    review_ = std::move(facts);
    if (review_->creatorIsBot && input_.notice == NoticeState::Due) {
        input_.notice = NoticeState::Bot;
        view_.hide(Control::Text6);
    }
    noticeAnswered();
}

std::optional<std::string> Form1::CloseQuestion(const std::vector<int>& unsavedTabs) const {
    const NominationPlan planned = plan();
    std::optional<std::string> halfDone;
    if (phase_ != Phase::Nothing) {
        halfDone = HalfDoneNomination(input_.name, planned, saved_, creatorsKnown());
    }
    return ClosingQuestion(halfDone, unsavedTabs, PaneLabelsOf(planned));
}

void Form1::checkEnded() {
    for (std::size_t row = 0; row < filled_.size(); ++row) fill(PaneOf(row));
    askWhatIsSaved();
}

void Form1::learnCreator(const CreatorCheck& check, bool mayLookFurther) {
    const auto* facts = std::get_if<CreatorFacts>(&check);
    if (facts == nullptr) {
        input_.notice = NoticeState::CreatorUnknown;
        return;
    }
    if (facts->lookFurther && mayLookFurther) {
        input_.notice = NoticeState::LookingFurther;
        creatorTicket_ = ++lastTicket_;
        view_.requestCreator(creatorTicket_, CreatorQueryUrl(input_.name));
        return;
    }
    input_.notice = NoticeStateOf(*facts);
    if (input_.notice != NoticeState::Due) return;
    input_.creator = *facts->creator;
    const NominationPlan planned = plan();
    view_.setText(Box::Text6, planned[RowOf(planned, EditKind::CreatorNotice)].text);
    view_.show(Control::Text6);
}

void Form1::askReview() {
    reviewTicket_ = ++lastReviewTicket_;
    view_.requestReview(*reviewTicket_,
                        ReviewUrl(input_.name, LastDiscussion(input_), input_.creator));
}

void Form1::noticeAnswered() {
    furtherNoticesAnswered();
    // The talk page opens once the review has said whether its owner is a bot, and the notice
    // holds all of the creator's articles.
    if (input_.notice != NoticeState::Due || !review_ || !EveryCreatorSettled(input_)) return;
    const std::size_t notice = RowOf(plan(), EditKind::CreatorNotice);
    if (saved_[notice] == EditState::CannotEdit) {
        input_.notice = NoticeState::Protected;
        view_.hide(Control::Text6);
    } else if (saved_[notice] != EditState::NotAsked) {
        input_.notice = NoticeState::Open;
        view_.navigate(PaneOf(notice), plan()[notice].address);
    }
}

void Form1::fill(Pane pane) {
    const auto row = static_cast<std::size_t>(pane);
    const auto shown = shown_.find(pane);
    if ((phase_ != Phase::Prepared && phase_ != Phase::Complete) || topicsPending() ||
        row >= filled_.size() || filled_[row] || shown == shown_.end()) {
        return;
    }
    const NominationPlan planned = plan();
    const PlannedEdit& edit = planned[row];
    // Only the editor of the nomination's own page: not one the pane has moved on to, nor the
    // talk page before the wiki says the notice can be left there.
    if (edit.address == kEmptyPage || TitleOfAddress(shown->second.page) != edit.page) return;
    PlacedText placed =
        PlaceText(edit.info().placement, shown->second.text, textToPlace(planned, row),
                  planned[RowOf(planned, EditKind::Discussion)].page);
    // The status line's note on the proposed-deletion tag is the first article's.
    if (row == RowOf(planned, EditKind::ArticleTag) &&
        placed.removedProposedDeletion !=
            proposedDeletionRemoved_.value_or(checkOutcome_ &&
                                              FoundProposedDeletion(*checkOutcome_))) {
        proposedDeletionRemoved_ = placed.removedProposedDeletion;
        refreshStatus();
    }
    switch (placed.outcome) {
        case PlacedText::Outcome::Placed:
            view_.fillEditor(pane, {shown->second.page, shown->second.text, std::move(placed.text),
                                    edit.summary});
            return;
        case PlacedText::Outcome::NoPlace:
            if (edit.kind == EditKind::DayLog) noLogMarker_ = true;
            if (edit.kind == EditKind::TopicListing && !noListMarkerTab_) noListMarkerTab_ = pane;
            refreshStatus();
            break;
        case PlacedText::Outcome::AlreadyThere:
            break;
    }
    // The text is there already, or has no place: nothing to put.
    filled_[row] = true;
}

void Form1::PaneStayed(Pane pane, const std::string& page) {
    behind_[pane] = page;
    view_.show(Control::Status);
    refreshStatus();
}

void Form1::PaneArrived(Pane pane) {
    if (behind_.erase(pane) > 0) refreshStatus();
}

void Form1::PaneNoticed(Pane pane, PaneNotice notice, const std::string& subject,
                        const std::string& reason) {
    paneNotice_ = {pane, PaneNoticeStatus(pane, notice, subject, reason)};
    view_.show(Control::Status);
    refreshStatus();
}

void Form1::restoreArticleTag() {
    if (!writtenTag_) return;
    // A tag the user has changed since is the user's, and stays.
    if (view_.text(Box::Text2) == *writtenTag_) view_.setText(Box::Text2, std::string(ArticleTag));
    writtenTag_.reset();
}

}  // namespace nominator
