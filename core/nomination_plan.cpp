#include "core/nomination_plan.h"

#include <algorithm>

#include "core/bundle.h"
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

bool CreatorSettled(NoticeState state) {
    return state != NoticeState::Unknown && state != NoticeState::LookingFurther;
}

// A further article's creator is due a notice, and is not the first article's creator, who
// gets one notice for all of theirs (or, a bot or behind a protected page, none).
bool OwnNoticeDue(const FurtherArticle& article, const NominationInput& input) {
    return (NoticeDue(article.notice) || article.notice == NoticeState::Protected) &&
           article.creator != input.creator;
}

// The further creators due a notice of their own, each once, in the order of their articles.
std::vector<std::string> FurtherCreators(const NominationInput& input) {
    std::vector<std::string> creators;
    for (const FurtherArticle& article : input.further) {
        if (OwnNoticeDue(article, input) &&
            std::find(creators.begin(), creators.end(), article.creator) == creators.end()) {
            creators.push_back(article.creator);
        }
    }
    return creators;
}

// A notice's text and summary for these articles of one creator.
struct Notice {
    std::string text;
    std::vector<std::string> articles;
};

void AddFurtherNotices(Notice& notice, const NominationInput& input, std::string_view creator,
                       std::string_view page) {
    for (const FurtherArticle& article : input.further) {
        if (article.creator != creator || !NoticeDue(article.notice)) continue;
        if (!notice.text.empty()) notice.text += "\n\n";
        notice.text += FurtherArticleNotice(article.name, page);
        notice.articles.push_back(article.name);
    }
}

// The discussion's text, listing a bundle's further articles, with a note, on a line of its
// own, for each topic it is listed under.
std::string SortedDiscussionText(const NominationInput& input) {
    std::string text = DiscussionText(
        input.typedTitle, BundledReason(input.reason, FurtherNames(input.further)), input.category);
    for (const std::string& topic : input.topics) text += "\n" + DelsortNote(topic);
    return text;
}

}  // namespace

std::vector<std::string> FurtherNames(const std::vector<FurtherArticle>& further) {
    std::vector<std::string> names;
    for (const FurtherArticle& article : further) names.push_back(article.name);
    return names;
}

bool EveryCreatorSettled(const NominationInput& input) {
    return CreatorSettled(input.notice) && std::all_of(input.further.begin(), input.further.end(),
                                                       [](const FurtherArticle& article) {
                                                           return CreatorSettled(article.notice);
                                                       });
}

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
         .subject = input.name,
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
    Notice first{CreatorNotice(input.name, input.number), {input.name}};
    const bool settled = EveryCreatorSettled(input);
    if (noticeDue && settled) AddFurtherNotices(first, input, input.creator, page);
    add({.kind = EditKind::CreatorNotice,
         .page = noticeDue ? CreatorTalkPage(input.creator) : std::string(),
         .subject = input.creator,
         // The editor's address is built as the article's is, for any page.
         .address = input.notice == NoticeState::Open
                        ? ArticleEditUrl(CreatorTalkPage(input.creator))
                        : std::string(kEmptyPage),
         .text = first.text,
         .summary = CreatorNoticeSummary(page, first.articles),
         .due = noticeDue});
    for (const FurtherArticle& article : input.further) {
        add({.kind = EditKind::ArticleTag,
             .page = article.name,
             .subject = article.name,
             .address = ArticleEditUrl(article.name),
             .text = FurtherArticleTag(page),
             .summary = ArticleTagSummary(page),
             .savedAfterRevision = article.taggedAtRevision});
    }
    for (const std::string& topic : input.topics) {
        const std::string list = TopicListTitle(topic);
        add({.kind = EditKind::TopicListing,
             .page = list,
             .subject = topic,
             .address = ArticleEditUrl(list),
             .text = TopicListingLine(discussion),
             .summary = TopicListingSummary(discussion)});
    }
    // The further creators' notices come last, once every creator is known, so that no pane
    // changes its page.
    if (!settled) return plan;
    for (const std::string& creator : FurtherCreators(input)) {
        const auto of = std::find_if(
            input.further.begin(), input.further.end(),
            [&creator](const FurtherArticle& article) { return article.creator == creator; });
        Notice notice;
        AddFurtherNotices(notice, input, creator, page);
        const bool due = of->notice != NoticeState::Protected;
        add({.kind = EditKind::CreatorNotice,
             .page = due ? CreatorTalkPage(creator) : std::string(),
             .subject = creator,
             .address = of->notice == NoticeState::Open ? ArticleEditUrl(CreatorTalkPage(creator))
                                                        : std::string(kEmptyPage),
             .text = notice.text,
             .summary = CreatorNoticeSummary(page, notice.articles),
             .due = due});
    }
    return plan;
}

bool SeveralOfKind(const NominationPlan& plan, EditKind kind) {
    return std::count_if(plan.begin(), plan.end(),
                         [kind](const PlannedEdit& row) { return row.kind == kind; }) > 1;
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
