#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "core/nomination_check_answer.h"
#include "core/nomination_status.h"

namespace nominator {

// The pages of a nomination, by their full titles as the wiki names them.
struct NominationPages {
    std::string article;     // "Sample page"
    std::string discussion;  // "Wikipedia:Articles for deletion/Sample page (2nd nomination)"
    std::string log;         // "Wikipedia:Articles for deletion/Log/2026 March 7"
    // "User talk:Creator" once a notice to the article's creator is due; empty while none is.
    std::string creatorTalk = {};
};

// Where the notice to the article's creator stands.
enum class Notice {
    NotDue,
    Unsaved,
    Saved,  // the creator's talk page links the discussion page
    // The user may not edit the creator's talk page (it is protected): none can be left.
    CannotLeave,
};

// Which of a nomination's edits the wiki holds.
struct SavedEdits {
    bool tag = false;         // the article carries a deletion template
    bool discussion = false;  // the discussion page exists
    bool logLine = false;     // the day's log transcludes the discussion page
    Notice notice = Notice::NotDue;

    bool operator==(const SavedEdits&) const = default;
    bool none() const { return !tag && !discussion && !logLine && notice != Notice::Saved; }
    bool all() const { return tag && discussion && logLine && notice != Notice::Unsaved; }
};

// The one API request that asks for all of them: the three titles, prop=templates with
// tltemplates= both deletion templates and the discussion page; and, once a notice is due, the
// creator's talk page too, whether it links the discussion page (prop=links, pltitles=) and
// whether the user may edit it (prop=info, intestactions=edit). Values percent-encoded, and a
// title holding "|" sent as one (as NominationCheckUrl does).
std::string SavedEditsUrl(const NominationPages& pages);

// Reads the answer to SavedEditsUrl(pages), in either JSON format, following the API's
// "normalized" titles. Fails (CheckFailure) as ReadNominationCheck does on a body that is no
// answer, and on an answer whose pages do not include all that were asked for.
std::variant<SavedEdits, CheckFailure> ReadSavedEdits(std::string_view answer,
                                                      const NominationPages& pages);

// What the status line says of the saves: nothing while none is saved (the check's line
// stays), "Saved: article tag, discussion. Not yet saved: log line" while some are (the notice
// named too while it is due), and "Nomination complete: tag, discussion and log line saved"
// once all are, or "Nomination complete: tag, discussion, log line and notice saved".
std::optional<StatusLine> SavedEditsStatus(const SavedEdits& saved);

// What to say before closing a nomination that is saved in part, naming what is missing:
// "The nomination of ARTICLE is not complete: the log line is not saved.". Nothing when none or
// all of the edits are saved.
std::optional<std::string> HalfDoneNomination(std::string_view article, const SavedEdits& saved);

}  // namespace nominator
