#include "core/saved_edits.h"

#include <array>
#include <cstddef>
#include <vector>

#include "core/api_answer.h"
#include "core/api_query.h"
#include "core/english_list.h"
#include "core/nomination_check_query.h"

namespace nominator {
namespace {

using nlohmann::json;

bool Exists(const json& page) {
    return !FlagMember(page, "missing") && !FlagMember(page, "invalid");
}

using EditNames = std::array<std::string_view, 4>;
constexpr EditNames kStatusNames = {"article tag", "discussion", "log line", "notice"};
constexpr EditNames kQuestionNames = {"the article tag", "the discussion", "the log line",
                                      "the notice to the creator"};

bool NoticeDue(const SavedEdits& saved) {
    return saved.notice == Notice::Unsaved || saved.notice == Notice::Saved;
}

// The names of the edits that are saved, or of those that are not, in the order in which a
// nomination makes them; the notice only while it is due.
std::vector<std::string> Named(const SavedEdits& saved, bool savedOnes, const EditNames& names) {
    const bool edits[] = {saved.tag, saved.discussion, saved.logLine,
                          saved.notice == Notice::Saved};
    const std::size_t count = NoticeDue(saved) ? names.size() : names.size() - 1;
    std::vector<std::string> named;
    for (std::size_t i = 0; i < count; ++i) {
        if (edits[i] == savedOnes) named.emplace_back(names[i]);
    }
    return named;
}

bool MayEdit(const json& page) {
    const json* actions = Member(page, "actions");
    return actions != nullptr && FlagMember(*actions, "edit");
}

Notice NoticeOn(const json& talkPage, std::string_view discussionTitle) {
    if (ListsLink(talkPage, discussionTitle)) return Notice::Saved;
    return MayEdit(talkPage) ? Notice::Unsaved : Notice::CannotLeave;
}

std::string CommaList(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) {
        if (!text.empty()) text += ", ";
        text += item;
    }
    return text;
}

}  // namespace

std::string SavedEditsUrl(const NominationPages& pages) {
    const std::string templates =
        MultiValue({kFirstNominationTemplate, kRenominationTemplate, pages.discussion});
    if (pages.creatorTalk.empty()) {
        return ApiUrl({
            {"action", "query"},
            {"titles", MultiValue({pages.article, pages.discussion, pages.log})},
            {"prop", "templates"},
            {"tltemplates", templates},
            {"tllimit", "max"},
            {"format", "json"},
        });
    }
    const std::string discussion = MultiValue({pages.discussion});
    return ApiUrl({
        {"action", "query"},
        {"titles", MultiValue({pages.article, pages.discussion, pages.log, pages.creatorTalk})},
        {"prop", "templates|links|info"},
        {"tltemplates", templates},
        {"tllimit", "max"},
        {"pltitles", discussion},
        {"pllimit", "max"},
        {"intestactions", "edit"},
        {"format", "json"},
    });
}

std::variant<SavedEdits, CheckFailure> ReadSavedEdits(std::string_view answer,
                                                      const NominationPages& pages) {
    const auto parsed = QueryAnswer(answer);
    if (const auto* failure = std::get_if<CheckFailure>(&parsed)) return *failure;
    const json& body = std::get<json>(parsed);
    // A template list cut short may leave out the very template that was saved.
    if (Member(body, "continue") != nullptr) {
        return CheckFailure{"the answer lists the pages' templates only in part"};
    }
    const json& query = *Member(body, "query");
    const json* listed = Member(query, "pages");
    if (listed == nullptr || !listed->is_structured()) {
        return CheckFailure{"the answer holds no list of pages"};
    }
    const std::string discussionTitle = NormalisedTitle(query, pages.discussion);
    const json* article = EntryTitled(*listed, NormalisedTitle(query, pages.article));
    const json* discussion = EntryTitled(*listed, discussionTitle);
    const json* log = EntryTitled(*listed, NormalisedTitle(query, pages.log));
    if (article == nullptr || discussion == nullptr || log == nullptr) {
        return CheckFailure{"the answer does not list all three pages"};
    }
    SavedEdits saved{
        .tag = CarriesDeletionTemplate(*article),
        .discussion = Exists(*discussion),
        .logLine = ListsTemplate(*log, discussionTitle),
    };
    if (!pages.creatorTalk.empty()) {
        const json* talk = EntryTitled(*listed, NormalisedTitle(query, pages.creatorTalk));
        if (talk == nullptr)
            return CheckFailure{"the answer does not list the creator's talk page"};
        saved.notice = NoticeOn(*talk, discussionTitle);
    }
    return saved;
}

std::optional<StatusLine> SavedEditsStatus(const SavedEdits& saved) {
    if (saved.none()) return std::nullopt;
    if (saved.all()) {
        return StatusLine{saved.notice == Notice::Saved
                              ? "Nomination complete: tag, discussion, log line and notice saved"
                              : "Nomination complete: tag, discussion and log line saved",
                          "", false};
    }
    return StatusLine{"Saved: " + CommaList(Named(saved, true, kStatusNames)) +
                          ". Not yet saved: " + CommaList(Named(saved, false, kStatusNames)),
                      "", false};
}

std::optional<std::string> HalfDoneNomination(std::string_view article, const SavedEdits& saved) {
    if (saved.none() || saved.all()) return std::nullopt;
    const std::vector<std::string> missing = Named(saved, false, kQuestionNames);
    return "The nomination of " + std::string(article) +
           " is not complete: " + EnglishList(missing) + (missing.size() == 1 ? " is" : " are") +
           " not saved.";
}

}  // namespace nominator
