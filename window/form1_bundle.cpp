// The bundle's part of Form1: further articles that share the first article's discussion.

#include <variant>

#include "core/bundle.h"
#include "core/creator_notice.h"
#include "core/creator_query.h"
#include "core/nomination_check_query.h"
#include "core/status_catalogue.h"
#include "core/wiki_title.h"
#include "window/form1.h"
#include "window/pane_labels.h"

namespace nominator {

std::optional<std::vector<FurtherArticle>> Form1::readFurther() {
    const FurtherTitles titles =
        ReadFurtherTitles(view_.text(Box::Further), WikiName(view_.text(Box::Text1)));
    refused_.reset();
    if (titles.tooMany) {
        refused_ =
            Status(StatusId::TooManyFurther, {}, {{"most", std::to_string(kMostFurtherArticles)}});
        return std::nullopt;
    }
    std::vector<FurtherArticle> further;
    for (const std::string& name : titles.names) further.push_back({.name = name});
    return further;
}

void Form1::askFurther() {
    furtherCheckTicket_.reset();
    furtherCreatorTickets_.clear();
    furtherFacts_.clear();
    furtherCheckFailed_ = false;
    if (input_.further.empty()) return;
    furtherCheckTicket_ = ++lastTicket_;
    view_.requestNominationCheck(*furtherCheckTicket_,
                                 FurtherCheckUrl(FurtherNames(input_.further)));
    // The API lists the first revisions of one title a request.
    for (std::size_t i = 0; i < input_.further.size(); ++i) {
        furtherCreatorTickets_[++lastTicket_] = i;
        view_.requestCreator(lastTicket_, CreatorQueryUrl(input_.further[i].name));
    }
}

bool Form1::furtherCheckEnded(int ticket, const std::string* body) {
    if (furtherCheckTicket_ != ticket) return false;
    furtherCheckTicket_.reset();
    const auto check =
        body != nullptr ? ReadFurtherCheck(*body, FurtherNames(input_.further))
                        : std::variant<std::vector<NominationFacts>, CheckFailure>(CheckFailure{});
    if (const auto* facts = std::get_if<std::vector<NominationFacts>>(&check)) {
        furtherFacts_ = *facts;
        for (std::size_t i = 0; i < facts->size(); ++i) {
            // A tag the check found is someone else's, as on the first article.
            if ((*facts)[i].article == ArticleState::AlreadyNominated) {
                input_.further[i].taggedAtRevision = (*facts)[i].lastRevision;
            }
        }
    } else {
        furtherCheckFailed_ = true;
    }
    refreshStatus();
    return true;
}

bool Form1::furtherCreatorEnded(int ticket, const CreatorCheck& check) {
    const auto asked = furtherCreatorTickets_.find(ticket);
    if (asked == furtherCreatorTickets_.end()) return false;
    FurtherArticle& article = input_.further[asked->second];
    furtherCreatorTickets_.erase(asked);
    const auto* facts = std::get_if<CreatorFacts>(&check);
    // The question lists as many first revisions as the API gives: past them, nobody is known.
    article.notice = facts == nullptr || facts->lookFurther ? NoticeState::CreatorUnknown
                                                            : NoticeStateOf(*facts);
    if (article.notice == NoticeState::Due) article.creator = *facts->creator;
    if (!EveryCreatorSettled(input_)) return true;
    // The first creator's notice now holds theirs of the further articles too.
    const NominationPlan planned = plan();
    if (input_.notice == NoticeState::Due) {
        view_.setText(Box::Text6, planned[*EditOfKind(planned, EditKind::CreatorNotice)].text);
    }
    syncPanes();
    refreshStatus();
    askWhatIsSaved();
    return true;
}

void Form1::furtherNoticesAnswered() {
    const NominationPlan planned = plan();
    const std::size_t first = *EditOfKind(planned, EditKind::CreatorNotice);
    for (std::size_t row = first + 1; row < planned.size() && row < saved_.size(); ++row) {
        if (planned[row].kind != EditKind::CreatorNotice || saved_[row] == EditState::NotAsked) {
            continue;
        }
        const bool protectedPage = saved_[row] == EditState::CannotEdit;
        bool opened = false;
        for (FurtherArticle& article : input_.further) {
            if (article.creator != planned[row].subject || article.notice != NoticeState::Due) {
                continue;
            }
            article.notice = protectedPage ? NoticeState::Protected : NoticeState::Open;
            opened = !protectedPage;
        }
        if (opened) view_.navigate(static_cast<Pane>(row), plan()[row].address);
    }
    syncPanes();
}

std::string Form1::textToPlace(const NominationPlan& planned, std::size_t row) const {
    const PlannedEdit& edit = planned[row];
    if (EditOfKind(planned, edit.kind) != row) return edit.text;
    switch (edit.kind) {
        case EditKind::ArticleTag:
            return view_.text(Box::Text2);
        case EditKind::Discussion:
            return view_.text(Box::Text3);
        case EditKind::DayLog:
            return view_.text(Box::Text5);
        case EditKind::CreatorNotice:
            return view_.text(Box::Text6);
        case EditKind::TopicListing:
            break;
    }
    return edit.text;
}

void Form1::syncPanes() {
    const NominationPlan planned = plan();
    std::vector<PaneLabel> labels = PaneLabelsOf(planned);
    if (labels != panes_) {
        view_.setPanes(labels);
        panes_ = std::move(labels);
    }
    filled_.resize(planned.size(), false);
    saved_.resize(planned.size(), EditState::NotAsked);
}

}  // namespace nominator
