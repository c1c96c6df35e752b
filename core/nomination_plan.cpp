#include "core/nomination_plan.h"

#include <algorithm>

#include "core/creator_notice.h"
#include "core/deletion_sorting.h"
#include "core/editor_fill.h"
#include "core/nomination_page.h"
#include "core/nomination_texts.h"
#include "core/page_titles.h"
#include "core/wiki_addresses.h"

namespace nominator {
namespace {

bool NoticeDue(NoticeState state) {
    return state == NoticeState::Due || state == NoticeState::Open;
}

// The discussion's text with a note, on a line of its own, for each topic it is listed under.
std::string SortedDiscussionText(const NominationInput& input) {
    std::string text = DiscussionText(input.typedTitle, input.reason, input.category);
    for (const std::string& topic : input.topics) text += "\n" + DelsortNote(topic);
    return text;
}

}  // namespace

const EditKindInfo& InfoOf(EditKind kind) {
    return *std::find_if(std::begin(kEditKinds), std::end(kEditKinds),
                         [kind](const EditKindInfo& info) { return info.kind == kind; });
}

std::string DiscussionPageName(const NominationInput& input) {
    return NominationPage(input.name, input.number);
}

std::string TabCaption(std::size_t index) { return "Tab " + std::to_string(index); }

NominationPlan PlanNomination(const NominationInput& input) {
    const std::string page = DiscussionPageName(input);
    const std::string discussion = DiscussionTitle(page);
    NominationPlan plan;
    const auto add = [&plan](PlannedEdit edit) {
        edit.caption = TabCaption(plan.size());
        plan.push_back(std::move(edit));
    };
    add({.kind = EditKind::ArticleTag,
         .page = input.name,
         .address = ArticleEditUrl(input.typedTitle),
         .text = input.number > 1 ? RenominationTag(input.number) : std::string(ArticleTag),
         .summary = ArticleTagSummary(page),
         .savedAfterRevision = input.taggedAtRevision});
    // The discussion template links the article from the title as typed; the log line and the
    // discussion page must name the page the article's tag links to, under the wiki's name.
    add({.kind = EditKind::Discussion,
         .page = discussion,
         .address = DiscussionUrl(page),
         .text = SortedDiscussionText(input),
         .summary = DiscussionSummary(input.name)});
    add({.kind = EditKind::DayLog,
         .page = LogTitle(input.logKey),
         .address = LogEditUrl(input.logKey),
         .text = LogLine(page),
         .summary = LogLineSummary(page)});
    const bool noticeDue = NoticeDue(input.notice);
    add({.kind = EditKind::CreatorNotice,
         .page = noticeDue ? CreatorTalkPage(input.creator) : std::string(),
         // The editor's address is built as the article's is, for any page.
         .address = input.notice == NoticeState::Open
                        ? ArticleEditUrl(CreatorTalkPage(input.creator))
                        : std::string(kEmptyPage),
         .text = CreatorNotice(input.name, input.number),
         .summary = CreatorNoticeSummary(page, input.name),
         .due = noticeDue});
    for (const std::string& topic : input.topics) {
        const std::string list = TopicListTitle(topic);
        add({.kind = EditKind::TopicListing,
             .page = list,
             .address = ArticleEditUrl(list),
             .text = TopicListingLine(discussion),
             .summary = TopicListingSummary(discussion)});
    }
    return plan;
}

std::vector<std::size_t> OpeningOrder(const NominationPlan& plan) {
    std::vector<std::size_t> order(plan.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&plan](std::size_t a, std::size_t b) {
        return plan[a].info().openRank < plan[b].info().openRank;
    });
    return order;
}

std::optional<std::size_t> EditOfKind(const NominationPlan& plan, EditKind kind) {
    const auto edit = std::find_if(plan.begin(), plan.end(),
                                   [kind](const PlannedEdit& row) { return row.kind == kind; });
    if (edit == plan.end()) return std::nullopt;
    return static_cast<std::size_t>(edit - plan.begin());
}

}  // namespace nominator
