#include "tests/support/profile_folders.h"

#include <sys/stat.h>

namespace support {

Environment WithOwnProfile(Environment environment, const std::filesystem::path& folder) {
    for (const char* sub : {"data", "cache", "config", "runtime"}) {
        std::filesystem::create_directories(folder / sub);
    }
    // Qt wants the runtime folder private.
    chmod((folder / "runtime").c_str(), 0700);
    environment.try_emplace("XDG_DATA_HOME", folder / "data");
    environment.try_emplace("XDG_CACHE_HOME", folder / "cache");
    environment.try_emplace("XDG_CONFIG_HOME", folder / "config");
    environment.try_emplace("XDG_RUNTIME_DIR", folder / "runtime");
    return environment;
}

}  // namespace support
