#include "core/saved_edits.h"

#include <algorithm>
#include <cstddef>
#include <utility>
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

// The edits that count: those due whose pages the wiki was asked about and that can be made.
std::vector<std::size_t> Counted(const NominationPlan& plan, const SavedStates& saved) {
    std::vector<std::size_t> counted;
    for (std::size_t i = 0; i < plan.size() && i < saved.size(); ++i) {
        if (plan[i].due && (saved[i] == EditState::Saved || saved[i] == EditState::Unsaved)) {
            counted.push_back(i);
        }
    }
    return counted;
}

// What the status line or the close question calls the edit: by its subject when the plan
// holds several of its kind.
std::string NameOf(const NominationPlan& plan, const PlannedEdit& edit,
                   std::string_view EditKindInfo::*name, std::string_view EditKindInfo::*nameOf) {
    if (!SeveralOfKind(plan, edit.kind)) return std::string(edit.info().*name);
    return std::string(edit.info().*nameOf) + " " + edit.subject;
}

// The names of the counted edits that are saved, or of those that are not, in plan order.
std::vector<std::string> Named(const NominationPlan& plan, const SavedStates& saved, bool savedOnes,
                               std::string_view EditKindInfo::*name,
                               std::string_view EditKindInfo::*nameOf) {
    std::vector<std::string> named;
    for (const std::size_t i : Counted(plan, saved)) {
        if ((saved[i] == EditState::Saved) == savedOnes) {
            named.push_back(NameOf(plan, plan[i], name, nameOf));
        }
    }
    return named;
}

// The saved edits counted by kind, in the order in which the plan first holds each kind:
// "tag", or "3 tags".
std::vector<std::string> CountedByKind(const NominationPlan& plan, const SavedStates& saved) {
    std::vector<std::pair<EditKind, int>> counts;
    for (const std::size_t i : Counted(plan, saved)) {
        const auto kind = std::find_if(counts.begin(), counts.end(), [&](const auto& count) {
            return count.first == plan[i].kind;
        });
        if (kind == counts.end()) {
            counts.emplace_back(plan[i].kind, 1);
        } else {
            ++kind->second;
        }
    }
    std::vector<std::string> named;
    for (const auto& [kind, count] : counts) {
        const EditKindInfo& info = InfoOf(kind);
        named.push_back(count == 1
                            ? std::string(info.completeName)
                            : std::to_string(count) + " " + std::string(info.completePlural));
    }
    return named;
}

bool NoneSaved(const NominationPlan& plan, const SavedStates& saved) {
    const std::vector<std::size_t> counted = Counted(plan, saved);
    return std::none_of(counted.begin(), counted.end(),
                        [&saved](std::size_t i) { return saved[i] == EditState::Saved; });
}

bool MayEdit(const json& page) {
    const json* actions = Member(page, "actions");
    return actions != nullptr && FlagMember(*actions, "edit");
}

EditState Saved(bool saved) { return saved ? EditState::Saved : EditState::Unsaved; }

long long LastRevision(const json& page) {
    const json* revision = Member(page, "lastrevid");
    return revision != nullptr && revision->is_number_integer() ? revision->get<long long>() : 0;
}

EditState StateOn(const json& page, const PlannedEdit& edit, std::string_view discussionTitle) {
    // A sign the page showed before the nomination began is not this nomination's edit.
    if (edit.savedAfterRevision && LastRevision(page) <= *edit.savedAfterRevision) {
        return EditState::Unsaved;
    }
    switch (edit.info().savedSign) {
        case SavedSign::DeletionTemplate:
            return Saved(CarriesDeletionTemplate(page));
        case SavedSign::PageExists:
            return Saved(Exists(page));
        case SavedSign::TranscludesDiscussion:
            return Saved(ListsTemplate(page, discussionTitle));
        case SavedSign::LinksDiscussion:
            if (ListsLink(page, discussionTitle)) return EditState::Saved;
            return MayEdit(page) ? EditState::Unsaved : EditState::CannotEdit;
    }
    return EditState::Unsaved;
}

// The pages to ask about: every edit's that has one.
std::vector<std::string_view> AskedPages(const NominationPlan& plan) {
    std::vector<std::string_view> pages;
    for (const PlannedEdit& edit : plan) {
        if (!edit.page.empty()) pages.push_back(edit.page);
    }
    return pages;
}

// The pages' revisions, which tell an edit from what a page showed before.
bool AsksForRevisions(const NominationPlan& plan) {
    return std::any_of(plan.begin(), plan.end(),
                       [](const PlannedEdit& edit) { return edit.savedAfterRevision.has_value(); });
}

bool AsksForLinks(const NominationPlan& plan) {
    return std::any_of(plan.begin(), plan.end(), [](const PlannedEdit& edit) {
        return !edit.page.empty() && edit.info().savedSign == SavedSign::LinksDiscussion;
    });
}

std::string DiscussionOf(const NominationPlan& plan) {
    const std::optional<std::size_t> discussion = EditOfKind(plan, EditKind::Discussion);
    return discussion ? plan[*discussion].page : std::string();
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

std::string SavedEditsUrl(const NominationPlan& plan) {
    const std::string discussion = DiscussionOf(plan);
    const std::string templates =
        MultiValue({kFirstNominationTemplate, kRenominationTemplate, discussion});
    const std::string titles = MultiValue(AskedPages(plan));
    if (!AsksForLinks(plan)) {
        return ApiUrl({
            {"action", "query"},
            {"titles", titles},
            {"prop", AsksForRevisions(plan) ? "templates|info" : "templates"},
            {"tltemplates", templates},
            {"tllimit", "max"},
            {"format", "json"},
        });
    }
    return ApiUrl({
        {"action", "query"},
        {"titles", titles},
        {"prop", "templates|links|info"},
        {"tltemplates", templates},
        {"tllimit", "max"},
        {"pltitles", MultiValue({discussion})},
        {"pllimit", "max"},
        {"intestactions", "edit"},
        {"format", "json"},
    });
}

std::variant<SavedStates, CheckFailure> ReadSavedEdits(std::string_view answer,
                                                       const NominationPlan& plan) {
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
    const std::string discussionTitle = NormalisedTitle(query, DiscussionOf(plan));
    SavedStates saved;
    for (const PlannedEdit& edit : plan) {
        if (edit.page.empty()) {
            saved.push_back(EditState::NotAsked);
            continue;
        }
        const json* page = EntryTitled(*listed, NormalisedTitle(query, edit.page));
        if (page == nullptr) return CheckFailure{"the answer does not list the page " + edit.page};
        saved.push_back(StateOn(*page, edit, discussionTitle));
    }
    return saved;
}

bool NominationComplete(const NominationPlan& plan, const SavedStates& saved) {
    const std::vector<std::size_t> counted = Counted(plan, saved);
    return !counted.empty() && std::all_of(counted.begin(), counted.end(), [&saved](std::size_t i) {
        return saved[i] == EditState::Saved;
    });
}

std::optional<StatusLine> SavedEditsStatus(const NominationPlan& plan, const SavedStates& saved) {
    if (NoneSaved(plan, saved)) return std::nullopt;
    if (NominationComplete(plan, saved)) {
        return Status(StatusId::NominationComplete, {},
                      {{"edits", EnglishList(CountedByKind(plan, saved))}});
    }
    return Status(StatusId::PartlySaved, {},
                  {{"saved", CommaList(Named(plan, saved, true, &EditKindInfo::statusName,
                                             &EditKindInfo::statusNameOf))},
                   {"unsaved", CommaList(Named(plan, saved, false, &EditKindInfo::statusName,
                                               &EditKindInfo::statusNameOf))}});
}

std::optional<std::string> HalfDoneNomination(std::string_view article, const NominationPlan& plan,
                                              const SavedStates& saved) {
    if (NoneSaved(plan, saved) || NominationComplete(plan, saved)) return std::nullopt;
    const std::vector<std::string> missing =
        Named(plan, saved, false, &EditKindInfo::questionName, &EditKindInfo::questionNameOf);
    return "The nomination of " + std::string(article) +
           " is not complete: " + EnglishList(missing) + (missing.size() == 1 ? " is" : " are") +
           " not saved.";
}

}  // namespace nominator
