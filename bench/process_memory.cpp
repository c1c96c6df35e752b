// Reads /proc/PID/smaps_rollup for the whole tree; see process_memory.h.
#include "bench/process_memory.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "bench/shared_helpers.h"
#include "tests/support/process_tree.h"

namespace bench {
namespace {

std::string TypeFlag(const std::vector<std::string>& arguments) {
    constexpr std::string_view kType = "--type=";
    constexpr std::string_view kSubType = "--utility-sub-type=";
    std::string type;
    std::string subType;
    for (const std::string& argument : arguments) {
        if (argument.starts_with(kType)) type = argument.substr(kType.size());
        if (argument.starts_with(kSubType)) subType = argument.substr(kSubType.size());
    }
    return subType.empty() ? type : type + " (" + subType + ")";
}

bool HasThread(pid_t pid, std::string_view name) {
    const std::vector<std::string> names = ThreadNames(pid);
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Processes the zygote forks keep the zygote's command line, so what they are shows only in
// what runs inside: a renderer has Blink's compositor thread.
std::string KindOf(pid_t pid, pid_t root) {
    if (pid == root) return "main";
    const std::string type = TypeFlag(CommandLine(pid));
    if (type.empty()) return "other";
    if (type != "zygote") return type;
    if (TypeFlag(CommandLine(ParentOf(pid))) == "zygote") {
        return HasThread(pid, "Compositor") ? "renderer" : "zygote child";
    }
    for (const std::string& argument : CommandLine(pid)) {
        if (argument == "--no-zygote-sandbox") return "zygote (unsandboxed)";
    }
    return "zygote";
}

bool ReadRollup(pid_t pid, ProcessMemory& memory) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/smaps_rollup");
    if (!in) return false;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string key;
        long kib = 0;
        fields >> key >> kib;
        if (key == "Rss:") memory.rssKiB = kib;
        if (key == "Pss:") memory.pssKiB = kib;
        if (key == "Private_Clean:" || key == "Private_Dirty:") memory.ussKiB += kib;
    }
    return true;
}

}  // namespace

std::vector<ProcessMemory> MeasureProcessTree(pid_t root) {
    std::vector<pid_t> pids{root};
    const std::vector<pid_t> helpers = Descendants(root);
    pids.insert(pids.end(), helpers.begin(), helpers.end());

    std::vector<ProcessMemory> measured;
    for (const pid_t pid : pids) {
        ProcessMemory memory{pid, KindOf(pid, root), 0, 0, 0};
        // A helper that ended between the listing and the reading simply is not counted.
        if (ReadRollup(pid, memory)) measured.push_back(memory);
    }
    return measured;
}

}  // namespace bench
