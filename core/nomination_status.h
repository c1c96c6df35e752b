#pragma once

#include <string>
#include <string_view>

#include "core/nomination_check_answer.h"

namespace nominator {

inline constexpr std::string_view kCheckingStatus = "Checking for earlier nominations...";
inline constexpr std::string_view kCheckFailedStatus = "Could not check for earlier nominations";

// The status line: its text, its tool tip and whether it warns the user off saving.
struct StatusLine {
    std::string text;
    std::string detail;
    bool warning = false;

    bool operator==(const StatusLine&) const = default;
};

// What the status line says about a finished check. A failure says so, with its reason as the
// tool tip. A warning about the article wins over the nomination's count, which then becomes
// the tool tip, since the texts and pages still follow the count. Otherwise the line names the
// nomination: "First nomination", "2nd nomination: earlier discussions found", ...
StatusLine StatusOf(const NominationCheck& check);

}  // namespace nominator
