#pragma once

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

// The one API request that asks of every page of the plan whether its edit is saved: the
// titles, prop=templates with tltemplates= both deletion templates and the discussion page;
// and where an edit's sign is a link, whether the page links the discussion page (prop=links,
// pltitles=) and whether the user may edit it (prop=info, intestactions=edit). Values
// percent-encoded, and a title holding "|" sent as one (as NominationCheckUrl does).
std::string SavedEditsUrl(const NominationPlan& plan);

// Reads the answer to SavedEditsUrl(plan), in either JSON format, following the API's
// "normalized" titles. Fails (CheckFailure) as ReadNominationCheck does on a body that is no
// answer, and on an answer whose pages do not include all that were asked for.
std::variant<SavedStates, CheckFailure> ReadSavedEdits(std::string_view answer,
                                                       const NominationPlan& plan);

// What the status line says of the saves, over the edits that are due and were asked about:
// nothing while none is saved (the check's line stays), "Saved: article tag, discussion. Not
// yet saved: log line" while some are, and "Nomination complete: tag, discussion and log line
// saved" once all are.
std::optional<StatusLine> SavedEditsStatus(const NominationPlan& plan, const SavedStates& saved);

// All the edits that count are saved.
bool NominationComplete(const NominationPlan& plan, const SavedStates& saved);

// What to say before closing a nomination that is saved in part, naming what is missing:
// "The nomination of ARTICLE is not complete: the log line is not saved.". Nothing when none or
// all of the edits are saved.
std::optional<std::string> HalfDoneNomination(std::string_view article, const NominationPlan& plan,
                                              const SavedStates& saved);

}  // namespace nominator
