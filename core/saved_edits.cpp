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

// A notice the nomination may still need: a creator the wiki has not named yet, or a due edit
// whose page joined the plan since the wiki was last asked.
bool NoticesUnknown(const NominationPlan& plan, const SavedStates& saved, CreatorsKnown creators) {
    if (creators == CreatorsKnown::NotAll) return true;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        const bool asked = i < saved.size() && saved[i] != EditState::NotAsked;
        if (plan[i].due && !plan[i].page.empty() && !asked) return true;
    }
    return false;
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

// The rows whose pages the wiki is asked about (every edit's that has one), in batches of at
// most kMostTitlesARequest, in plan order.
std::vector<std::vector<std::size_t>> Batches(const NominationPlan& plan) {
    std::vector<std::vector<std::size_t>> batches;
    for (std::size_t row = 0; row < plan.size(); ++row) {
        if (plan[row].page.empty()) continue;
        if (batches.empty() || batches.back().size() == kMostTitlesARequest) batches.emplace_back();
        batches.back().push_back(row);
    }
    return batches;
}

bool AnyOf(const NominationPlan& plan, const std::vector<std::size_t>& rows,
           bool (*holds)(const PlannedEdit&)) {
    return std::any_of(rows.begin(), rows.end(), [&](std::size_t row) { return holds(plan[row]); });
}

// The pages' revisions, which tell an edit from what a page showed before.
bool AsksForRevision(const PlannedEdit& edit) { return edit.savedAfterRevision.has_value(); }

bool AsksForLinks(const PlannedEdit& edit) {
    return edit.info().savedSign == SavedSign::LinksDiscussion;
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

std::vector<std::string> SavedEditsUrls(const NominationPlan& plan) {
    const std::string discussion = DiscussionOf(plan);
    const std::string templates =
        MultiValue({kFirstNominationTemplate, kRenominationTemplate, discussion});
    const std::string linked = MultiValue({discussion});
    std::vector<std::string> urls;
    for (const std::vector<std::size_t>& batch : Batches(plan)) {
        std::vector<std::string_view> pages;
        for (const std::size_t row : batch) pages.push_back(plan[row].page);
        const std::string titles = MultiValue(pages);
        const bool links = AnyOf(plan, batch, AsksForLinks);
        const char* prop = links                                 ? "templates|links|info"
                           : AnyOf(plan, batch, AsksForRevision) ? "templates|info"
                                                                 : "templates";
        std::vector<ApiParameter> parameters = {
            {"action", "query"},        {"titles", titles}, {"prop", prop},
            {"tltemplates", templates}, {"tllimit", "max"},
        };
        if (links) {
            parameters.insert(
                parameters.end(),
                {{"pltitles", linked}, {"pllimit", "max"}, {"intestactions", "edit"}});
        }
        parameters.emplace_back("format", "json");
        urls.push_back(ApiUrl(parameters));
    }
    return urls;
}

std::variant<SavedStates, CheckFailure> ReadSavedEdits(const std::vector<std::string>& answers,
                                                       const NominationPlan& plan) {
    const std::vector<std::vector<std::size_t>> batches = Batches(plan);
    if (answers.size() != batches.size()) {
        return CheckFailure{"the answers are not those of the plan's batches"};
    }
    std::vector<json> bodies;
    for (const std::string& answer : answers) {
        auto parsed = QueryAnswer(answer);
        if (const auto* failure = std::get_if<CheckFailure>(&parsed)) return *failure;
        json& body = std::get<json>(parsed);
        // A template list cut short may leave out the very template that was saved.
        if (Member(body, "continue") != nullptr) {
            return CheckFailure{"the answer lists the pages' templates only in part"};
        }
        const json* listed = Member(*Member(body, "query"), "pages");
        if (listed == nullptr || !listed->is_structured()) {
            return CheckFailure{"the answer holds no list of pages"};
        }
        bodies.push_back(std::move(body));
    }
    // Only the batch that asked about the discussion says what the wiki normalised it to.
    std::string discussionTitle = DiscussionOf(plan);
    for (const json& body : bodies) {
        discussionTitle = NormalisedTitle(*Member(body, "query"), discussionTitle);
    }
    SavedStates saved(plan.size(), EditState::NotAsked);
    for (std::size_t b = 0; b < batches.size(); ++b) {
        const json& query = *Member(bodies[b], "query");
        for (const std::size_t row : batches[b]) {
            const PlannedEdit& edit = plan[row];
            const json* page =
                EntryTitled(*Member(query, "pages"), NormalisedTitle(query, edit.page));
            if (page == nullptr) {
                return CheckFailure{"the answer does not list the page " + edit.page};
            }
            saved[row] = StateOn(*page, edit, discussionTitle);
        }
    }
    return saved;
}

bool NominationComplete(const NominationPlan& plan, const SavedStates& saved,
                        CreatorsKnown creators) {
    const std::vector<std::size_t> counted = Counted(plan, saved);
    return !NoticesUnknown(plan, saved, creators) && !counted.empty() &&
           std::all_of(counted.begin(), counted.end(),
                       [&saved](std::size_t i) { return saved[i] == EditState::Saved; });
}

std::optional<StatusLine> SavedEditsStatus(const NominationPlan& plan, const SavedStates& saved,
                                           CreatorsKnown creators) {
    if (NoneSaved(plan, saved)) return std::nullopt;
    if (NominationComplete(plan, saved, creators)) {
        return Status(StatusId::NominationComplete, {},
                      {{"edits", EnglishList(CountedByKind(plan, saved))}});
    }
    const std::string savedOnes =
        CommaList(Named(plan, saved, true, &EditKindInfo::statusName, &EditKindInfo::statusNameOf));
    const std::vector<std::string> unsaved =
        Named(plan, saved, false, &EditKindInfo::statusName, &EditKindInfo::statusNameOf);
    if (unsaved.empty()) return Status(StatusId::SavedSoFar, {}, {{"saved", savedOnes}});
    return Status(StatusId::PartlySaved, {},
                  {{"saved", savedOnes}, {"unsaved", CommaList(unsaved)}});
}

std::optional<std::string> HalfDoneNomination(std::string_view article, const NominationPlan& plan,
                                              const SavedStates& saved, CreatorsKnown creators) {
    if (NoneSaved(plan, saved) || NominationComplete(plan, saved, creators)) return std::nullopt;
    const std::vector<std::string> missing =
        Named(plan, saved, false, &EditKindInfo::questionName, &EditKindInfo::questionNameOf);
    std::vector<std::string> reasons;
    if (!missing.empty()) {
        reasons.push_back(EnglishList(missing) + (missing.size() == 1 ? " is" : " are") +
                          " not saved");
    }
    if (NoticesUnknown(plan, saved, creators)) {
        reasons.push_back("the creators' notices are not known yet");
    }
    return "The nomination of " + std::string(article) +
           " is not complete: " + EnglishList(reasons) + ".";
}

}  // namespace nominator
