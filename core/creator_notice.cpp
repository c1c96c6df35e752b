#include "core/creator_notice.h"

#include <cstddef>

#include "core/english_list.h"
#include "core/nomination_page.h"
#include "core/ordinal.h"
#include "core/page_titles.h"
#include "core/text_scan.h"
#include "core/wiki_title.h"

namespace nominator {
namespace {

constexpr std::size_t npos = std::string_view::npos;
constexpr std::string_view kLinkOpen = "[[";

// The names the wiki knows its project namespace by, in any case: its own and its aliases.
constexpr std::string_view kProjectNamespaceNames[] = {"Wikipedia", "Project", "WP"};

bool IsProjectNamespace(std::string_view name) {
    for (const std::string_view known : kProjectNamespaceNames) {
        if (name.size() == known.size() && StartsWithCaseless(name, known)) return true;
    }
    return false;
}

// The title a link's target names as the wiki reads it, for a page of the project namespace:
// the namespace by its one name, the rest as a wiki name. Other titles as wiki names only.
std::string LinkedTitle(std::string_view target) {
    std::string title = WikiName(target);
    if (title.starts_with(':')) title = WikiName(std::string_view(title).substr(1));
    const std::size_t colon = title.find(':');
    if (colon == npos) return title;
    const std::string_view whole = title;
    if (!IsProjectNamespace(WikiName(whole.substr(0, colon)))) return title;
    return std::string(kProjectNamespacePrefix) + WikiName(whole.substr(colon + 1));
}

bool LinksTo(std::string_view text, std::string_view page) {
    const std::string linked = LinkedTitle(page);
    for (std::size_t at = text.find(kLinkOpen); at != npos; at = text.find(kLinkOpen, at + 1)) {
        const std::size_t from = at + kLinkOpen.size();
        const std::size_t end = text.find_first_of("|]#\n", from);
        if (end == npos) break;
        if (LinkedTitle(text.substr(from, end - from)) == linked) return true;
    }
    return false;
}

}  // namespace

std::string CreatorNotice(std::string_view article, int nomination) {
    std::string notice = "{{subst:Afd notice|1=" + std::string(article);
    if (nomination > 1) notice += "|order=&#32;(" + Ordinal(nomination) + " nomination)";
    return notice + "}} ~~~~";
}

std::string CreatorNoticeSummary(std::string_view page, std::string_view article) {
    return CreatorNoticeSummary(page, std::vector<std::string>{std::string(article)});
}

std::string CreatorNoticeSummary(std::string_view page, const std::vector<std::string>& articles) {
    std::vector<std::string> links;
    for (const std::string& article : articles) links.push_back("[[:" + article + "]]");
    return "Notification: [[" + DiscussionTitle(page) + "|nomination]] of " + EnglishList(links) +
           " at [[WP:AFD|articles for deletion]].";
}

std::optional<std::string> NoticedTalkText(std::string_view talkText, std::string_view notice,
                                           std::string_view discussionPage) {
    if (talkText.find(notice) != npos || LinksTo(talkText, discussionPage)) return std::nullopt;
    talkText = WithoutTrailingSpace(talkText);
    if (talkText.empty()) return std::string(notice);
    return std::string(talkText) + "\n\n" + std::string(notice);
}

std::string CreatorTalkPage(std::string_view creator) {
    return "User talk:" + std::string(creator);
}

NoticeState NoticeStateOf(const CreatorFacts& facts) {
    if (!facts.creator) return NoticeState::NoCreator;
    if (*facts.creator == facts.user.name) return NoticeState::YouCreated;
    return NoticeState::Due;
}

}  // namespace nominator
