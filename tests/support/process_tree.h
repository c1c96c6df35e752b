// The processes a program started, read from /proc: the browser engine's helpers are not all
// its direct children (renderers are forked by a zygote), so the whole tree below it counts.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace support {

// Every live process below root, parents before their children.
std::vector<pid_t> Descendants(pid_t root);

// The process's parent, or 0 when it is gone.
pid_t ParentOf(pid_t pid);

// Its command-line arguments; empty when it is gone.
std::vector<std::string> CommandLine(pid_t pid);

// How many inotify instances it holds open; 0 when it is gone.
int InotifyInstances(pid_t pid);

// The names of its threads.
std::vector<std::string> ThreadNames(pid_t pid);

}  // namespace support
