#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/creator_answer.h"
#include "core/nomination_plan.h"

namespace nominator {

// Telling the article's creator of its nomination, on the creator's talk page.

// The notice for the Nth nomination of the article: "{{subst:Afd notice|1=ARTICLE}} ~~~~" for
// the first, with "|order=&#32;(2nd nomination)" after the title for the second, and so on.
std::string CreatorNotice(std::string_view article, int nomination);

// The notice's edit summary. `page` is the discussion's name after "Wikipedia:Articles for
// deletion/", `article` the article's wiki name.
std::string CreatorNoticeSummary(std::string_view page, std::string_view article);
// For the notice of several articles of one creator: "... of [[:A]] and [[:B]] at ...".
std::string CreatorNoticeSummary(std::string_view page, const std::vector<std::string>& articles);

// The talk page's text with the notice at its end, a section of its own (the template writes
// its heading), after a blank line when the page has text. Nothing when the page holds the
// notice already or links the discussion page (`discussionPage` is its full title), written any
// way the wiki reads as that page: spaces or underscores, the first letter in either case, the
// namespace by any of its names.
std::optional<std::string> NoticedTalkText(std::string_view talkText, std::string_view notice,
                                           std::string_view discussionPage);

// "User talk:CREATOR".
std::string CreatorTalkPage(std::string_view creator);

// Whether the creator the wiki named is due a notice: not when there is none, nor when the user
// created the article.
NoticeState NoticeStateOf(const CreatorFacts& facts);

}  // namespace nominator
