// Memory of a program and every helper process below it. PSS (proportional set size) is the
// figure that adds up: pages the engine's processes share (the zygote's forks, the libraries)
// are split among them instead of being counted once per process as RSS does. Shared library
// pages are split with every other process on the machine that maps them too, so PSS drops
// while another copy of the program runs; USS (pages no other process maps) does not, and is
// what ending the process gives back.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace bench {

struct ProcessMemory {
    pid_t pid = 0;
    // "main" for the program itself, else the helper's --type (renderer, zygote, ...).
    std::string kind;
    long rssKiB = 0;
    long pssKiB = 0;
    long ussKiB = 0;
};

// The program and all its descendants, the program first.
std::vector<ProcessMemory> MeasureProcessTree(pid_t root);

}  // namespace bench
