#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/nomination_check_answer.h"
#include "core/nomination_plan.h"
#include "core/status_catalogue.h"

namespace nominator {

// What the wiki said last of an edit of the plan.
enum class EditState {
    NotAsked,  // its page was not asked about (it has none yet)
    Unsaved,
    Saved,
    // The user may not edit the page (it is protected): the edit cannot be made. Said only of
    // the edits that need to know, those whose saved sign is a link.
    CannotEdit,
};

// One a row of the plan.
using SavedStates = std::vector<EditState>;

// The most titles the API takes in one request from an ordinary user (one without
// apihighlimits); it refuses a request with more.
inline constexpr std::size_t kMostTitlesARequest = 50;

// The API requests that ask of every page of the plan whether its edit is saved, one a batch of
// at most kMostTitlesARequest of its pages in plan order (a single request for a plan of that
// many): the titles, prop=templates with tltemplates= both deletion templates and the
// discussion page; and where an edit of the batch has a link as its sign, whether the page links
// the discussion page (prop=links, pltitles=) and whether the user may edit it (prop=info,
// intestactions=edit). Values percent-encoded, and a title holding "|" sent as one (as
// NominationCheckUrl does).
std::vector<std::string> SavedEditsUrls(const NominationPlan& plan);

// Reads the answers to SavedEditsUrls(plan), one a batch in their order, in either JSON format,
// following the API's "normalized" titles. Fails (CheckFailure) as ReadNominationCheck does on a
// body that is no answer, when the answers are not one a batch, and when a batch's answer does
// not list every page it asked about (a page left out is never taken as saved or unsaved).
std::variant<SavedStates, CheckFailure> ReadSavedEdits(const std::vector<std::string>& answers,
                                                       const NominationPlan& plan);

// Whether the wiki has said who created every article (EveryCreatorSettled): until it has, the
// notices to further creators are not part of the plan yet, and the nomination is not complete.
enum class CreatorsKnown { All, NotAll };

// What the status line says of the saves, over the edits that are due and were asked about:
// nothing while none is saved (the check's line stays), "Saved: article tag, discussion. Not
// yet saved: log line" while some are, and "Nomination complete: tag, discussion and log line
// saved" once all are. While a notice is still unknown (a creator not known, or a due notice
// whose page the wiki was not asked about yet), all those asked about saved: "Saved so far:
// ...", never complete.
std::optional<StatusLine> SavedEditsStatus(const NominationPlan& plan, const SavedStates& saved,
                                           CreatorsKnown creators);

// All the edits that count are saved, and no due edit is still unknown.
bool NominationComplete(const NominationPlan& plan, const SavedStates& saved,
                        CreatorsKnown creators);

// What to say before closing a nomination that is saved in part, naming what is missing:
// "The nomination of ARTICLE is not complete: the log line is not saved.", and whether the
// notices are still unknown. Nothing when none or all of the edits are saved.
std::optional<std::string> HalfDoneNomination(std::string_view article, const NominationPlan& plan,
                                              const SavedStates& saved, CreatorsKnown creators);

}  // namespace nominator
