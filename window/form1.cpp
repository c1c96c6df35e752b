#include "window/form1.h"

#include <utility>
#include <variant>

#include "core/creator_notice.h"
#include "core/creator_query.h"
#include "core/editor_fill.h"
#include "core/log_date.h"
#include "core/nomination_check_answer.h"
#include "core/nomination_check_query.h"
#include "core/nomination_page.h"
#include "core/nomination_status.h"
#include "core/nomination_texts.h"
#include "core/page_titles.h"
#include "core/panes_behind_status.h"
#include "core/wiki_addresses.h"
#include "core/wiki_title.h"
#include "window/close_question.h"

namespace nominator {
namespace {

constexpr std::string_view kPasteLogLineStatus =
    "No place for the log line on this log page: paste it at the top of the list by hand";
// What the talk page's pane shows until the creator's talk page is known to be due a notice.
constexpr std::string_view kNoPage = "about:blank";
constexpr std::string_view kCreatorUnknown =
    "Could not find out who created the article: no notice to leave";

std::size_t IndexOf(Pane pane) { return static_cast<std::size_t>(pane); }

}  // namespace

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
    // The editors shown so far belong to the earlier nomination, even at the same address (the
    // day's log): this one fills only those its panes show from now on.
    shown_.clear();

    // Until the check answers, all three texts are those of a first nomination.
    restoreArticleTag();

    // What the status line said of the earlier nomination is not said of this one.
    nomination_.reset();
    fillNotice_.reset();
    noNotice_.reset();
    view_.show(Control::Status);
    showStatus({std::string(kCheckingStatus), "", false});
    pending_ = PendingCheck{++lastTicket_, WikiName(view_.text(Box::Text1))};
    // Until the check answers, the nomination is a first one; its editors wait for the answer.
    nomination_.emplace();
    nomination_->pages = {pending_->name, DiscussionTitle(pending_->name), LogTitle(CurDate)};
    nomination_->page = pending_->name;
    creatorPending_.reset();
    savedPending_.reset();
    askSavedAgain_ = false;
    // The earlier nomination's notice is not this one's, nor is its talk page, which must not
    // stay on to be saved under this nomination's texts.
    view_.hide(Control::Text6);
    view_.navigate(Pane::Browser4, std::string(kNoPage));
    view_.requestNominationCheck(pending_->ticket, NominationCheckUrl(pending_->name));
}

void Form1::DayPlus_Click() {
    CurDate = FormatLogDate(UtcTomorrow(clock_()));
    view_.navigate(Pane::Browser3, LogEditUrl(CurDate));
    if (!nomination_) return;
    nomination_->pages.log = LogTitle(CurDate);
    nomination_->fillDue[IndexOf(Pane::Browser3)] = true;
    shown_.erase(Pane::Browser3);
    if (fillNotice_) {
        fillNotice_.reset();
        refreshStatus();
    }
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
        nomination_->page = page;
        nomination_->pages.discussion = DiscussionTitle(page);
        nomination_->number = nomination;
        shown_.erase(Pane::Browser2);
    }
    learnCreator(ReadCreator(body, *name), true);
    showStatus(StatusOf(check));
    checkEnded();
}

void Form1::NominationCheckFailed(int ticket, const std::string& reason) {
    if (!takePendingName(ticket)) return;
    noNotice_ = std::string(kCreatorUnknown);
    showStatus(StatusOf(CheckFailure{reason}));
    checkEnded();
}

void Form1::EditorShown(Pane pane, const std::string& page, const std::string& text) {
    shown_[pane] = {page, text};
    fill(pane);
}

void Form1::EditorFilled(Pane pane, const std::string& page) {
    const auto shown = shown_.find(pane);
    if (nomination_ && shown != shown_.end() && shown->second.page == page) {
        nomination_->fillDue[IndexOf(pane)] = false;
    }
}

void Form1::PaneLoaded(Pane /*pane*/) {
    if (nomination_ && !pending_) askWhatIsSaved();
}

void Form1::SavedEditsAnswered(int ticket, const std::string& body) {
    if (savedPending_ != ticket) return;
    savedPending_.reset();
    const auto saved = ReadSavedEdits(body, nomination_->pages);
    if (const auto* edits = std::get_if<SavedEdits>(&saved)) {
        nomination_->saved = *edits;
        noticeAnswered(edits->notice);
        refreshStatus();
    }
    if (std::exchange(askSavedAgain_, false)) askWhatIsSaved();
}

void Form1::SavedEditsFailed(int ticket, const std::string& /*reason*/) {
    // What the wiki held last still stands; the next page that loads asks again.
    if (savedPending_ != ticket) return;
    savedPending_.reset();
    if (std::exchange(askSavedAgain_, false)) askWhatIsSaved();
}

void Form1::CreatorAnswered(int ticket, const std::string& body) {
    if (creatorPending_ != ticket) return;
    creatorPending_.reset();
    learnCreator(ReadCreator(body, nomination_->pages.article), false);
    refreshStatus();
    askWhatIsSaved();
}

void Form1::CreatorFailed(int ticket, const std::string& reason) {
    if (creatorPending_ != ticket) return;
    creatorPending_.reset();
    learnCreator(CheckFailure{reason}, false);
    refreshStatus();
}

std::optional<std::string> Form1::CloseQuestion(const std::vector<int>& unsavedTabs) const {
    std::optional<std::string> halfDone;
    if (nomination_) halfDone = HalfDoneNomination(nomination_->pages.article, nomination_->saved);
    return ClosingQuestion(halfDone, unsavedTabs);
}

void Form1::checkEnded() {
    for (const Pane pane : {Pane::Browser, Pane::Browser2, Pane::Browser3}) fill(pane);
    askWhatIsSaved();
}

void Form1::learnCreator(const CreatorCheck& check, bool mayLookFurther) {
    const auto* facts = std::get_if<CreatorFacts>(&check);
    if (facts == nullptr) {
        noNotice_ = std::string(kCreatorUnknown);
        return;
    }
    if (facts->lookFurther && mayLookFurther) {
        creatorPending_ = ++lastTicket_;
        view_.requestCreator(*creatorPending_, CreatorQueryUrl(nomination_->pages.article));
        return;
    }
    noNotice_ = WhyNoNotice(*facts, false);
    if (noNotice_) return;
    nomination_->creator = *facts;
    nomination_->pages.creatorTalk = CreatorTalkPage(*facts->creator);
    view_.setText(Box::Text6, CreatorNotice(nomination_->pages.article, nomination_->number));
    view_.show(Control::Text6);
}

void Form1::noticeAnswered(Notice notice) {
    if (nomination_->talkOpened || nomination_->pages.creatorTalk.empty()) return;
    if (notice == Notice::CannotLeave) {
        noNotice_ = WhyNoNotice(*nomination_->creator, true);
        nomination_->pages.creatorTalk.clear();
        view_.hide(Control::Text6);
    } else if (notice != Notice::NotDue) {
        nomination_->talkOpened = true;
        // The editor's address is built as the article's is, for any page.
        view_.navigate(Pane::Browser4, ArticleEditUrl(nomination_->pages.creatorTalk));
    }
}

void Form1::fill(Pane pane) {
    const auto shown = shown_.find(pane);
    if (!nomination_ || pending_ || !nomination_->fillDue[IndexOf(pane)] || shown == shown_.end()) {
        return;
    }
    // Only the editor of the nomination's own page: not one the pane has moved on to.
    const NominationPages& pages = nomination_->pages;
    if (pane == Pane::Browser4 && !nomination_->talkOpened) return;
    const std::string& meant = pane == Pane::Browser    ? pages.article
                               : pane == Pane::Browser2 ? pages.discussion
                               : pane == Pane::Browser3 ? pages.log
                                                        : pages.creatorTalk;
    if (TitleOfAddress(shown->second.page) != meant) return;
    if (std::optional<EditorFill> filled = fillFor(pane, shown->second)) {
        view_.fillEditor(pane, *filled);
    } else {
        // The text is there already, or has no place: nothing to put.
        nomination_->fillDue[IndexOf(pane)] = false;
    }
}

std::optional<EditorFill> Form1::fillFor(Pane pane, const ShownEditor& shown) {
    const Nomination& nomination = *nomination_;
    std::optional<std::string> text;
    std::string summary;
    switch (pane) {
        case Pane::Browser:
            text = TaggedArticleText(shown.text, view_.text(Box::Text2));
            summary = ArticleTagSummary(nomination.page);
            break;
        case Pane::Browser2:
            text = NewDiscussionText(shown.text, view_.text(Box::Text3));
            summary = DiscussionSummary(nomination.pages.article);
            break;
        case Pane::Browser3: {
            ListedLog listed =
                ListedLogText(shown.text, view_.text(Box::Text5), nomination.pages.discussion);
            if (listed.outcome == ListedLog::Outcome::NoMarker) {
                fillNotice_ = StatusLine{std::string(kPasteLogLineStatus), checkStatus_.text, true};
                refreshStatus();
            }
            if (listed.outcome == ListedLog::Outcome::Listed) text = std::move(listed.text);
            summary = LogLineSummary(nomination.page);
            break;
        }
        case Pane::Browser4:
            text = NoticedTalkText(shown.text, view_.text(Box::Text6), nomination.pages.discussion);
            summary = CreatorNoticeSummary(nomination.page, nomination.pages.article);
            break;
    }
    if (!text) return std::nullopt;
    return EditorFill{shown.page, shown.text, std::move(*text), std::move(summary)};
}

void Form1::askWhatIsSaved() {
    if (savedPending_) {
        askSavedAgain_ = true;
        return;
    }
    savedPending_ = ++lastSavedTicket_;
    view_.requestSavedEdits(*savedPending_, SavedEditsUrl(nomination_->pages));
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
    const StatusLine line = PaneNoticeStatus(TabOf(pane), notice, subject, reason);
    view_.show(Control::Status);
    view_.setStatus(line.text, line.detail, line.warning);
}

void Form1::showStatus(StatusLine status) {
    checkStatus_ = std::move(status);
    refreshStatus();
}

void Form1::refreshStatus() {
    StatusLine shown = checkStatus_;
    // Once part of the nomination is saved, where it stands matters more than the check.
    if (const std::optional<StatusLine> saved =
            nomination_ ? SavedEditsStatus(nomination_->saved) : std::nullopt) {
        shown = *saved;
    } else if (fillNotice_) {
        shown = *fillNotice_;
    }
    if (noNotice_) shown.text += ". " + *noNotice_;
    if (!behind_.empty()) {
        std::vector<PaneBehind> behind;
        for (const auto& [pane, page] : behind_) behind.push_back({TabOf(pane), page});
        shown = PanesBehindStatus(behind, shown);
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
