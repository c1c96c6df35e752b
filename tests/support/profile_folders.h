#pragma once

#include <filesystem>

#include "tests/support/child_process.h"

namespace support {

// The environment with a program's own XDG data, cache, config and runtime folders, made under
// `folder`, so that it starts as on a new user's machine, or, given the same folder again, with
// the profile an earlier run left. Variables the environment already sets stay as they are.
Environment WithOwnProfile(Environment environment, const std::filesystem::path& folder);

}  // namespace support
