// Reads the process tree from /proc; see process_tree.h.
#include "tests/support/process_tree.h"

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <map>
#include <sstream>

namespace support {
namespace {

// A process may end between the open and the read, and the read then fails with ESRCH: what
// was read so far is the answer (a stream would throw from its iterator instead).
std::string ReadFile(const std::filesystem::path& path) {
    std::string contents;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return contents;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        contents.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    return contents;
}

bool IsPid(const std::string& name) {
    if (name.empty()) return false;
    for (const char c : name) {
        if (std::isdigit(static_cast<unsigned char>(c)) == 0) return false;
    }
    return true;
}

}  // namespace

pid_t ParentOf(pid_t pid) {
    // The command name in parentheses may itself hold spaces and parentheses: skip to the last.
    const std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
    const auto close = stat.rfind(')');
    if (close == std::string::npos) return 0;
    std::istringstream rest(stat.substr(close + 1));
    std::string state;
    pid_t parent = 0;
    rest >> state >> parent;
    return parent;
}

std::vector<pid_t> Descendants(pid_t root) {
    std::multimap<pid_t, pid_t> children;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (!IsPid(name)) continue;
        const pid_t pid = std::stoi(name);
        if (const pid_t parent = ParentOf(pid); parent != 0) children.emplace(parent, pid);
    }
    std::vector<pid_t> found;
    std::vector<pid_t> frontier{root};
    while (!frontier.empty()) {
        std::vector<pid_t> next;
        for (const pid_t parent : frontier) {
            const auto [first, last] = children.equal_range(parent);
            for (auto it = first; it != last; ++it) {
                found.push_back(it->second);
                next.push_back(it->second);
            }
        }
        frontier = std::move(next);
    }
    return found;
}

std::vector<std::string> CommandLine(pid_t pid) {
    const std::string raw = ReadFile("/proc/" + std::to_string(pid) + "/cmdline");
    std::vector<std::string> arguments;
    std::string::size_type start = 0;
    while (start < raw.size()) {
        auto end = raw.find('\0', start);
        if (end == std::string::npos) end = raw.size();
        arguments.push_back(raw.substr(start, end - start));
        start = end + 1;
    }
    return arguments;
}

int InotifyInstances(pid_t pid) {
    int count = 0;
    std::error_code error;
    const std::filesystem::path fds = "/proc/" + std::to_string(pid) + "/fd";
    for (const auto& entry : std::filesystem::directory_iterator(fds, error)) {
        std::error_code unreadable;
        if (std::filesystem::read_symlink(entry.path(), unreadable) == "anon_inode:inotify") {
            ++count;
        }
    }
    return count;
}

std::vector<std::string> ThreadNames(pid_t pid) {
    std::vector<std::string> names;
    std::error_code error;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& entry : std::filesystem::directory_iterator(tasks, error)) {
        std::string name = ReadFile(entry.path() / "comm");
        while (!name.empty() && name.back() == '\n') name.pop_back();
        names.push_back(std::move(name));
    }
    return names;
}

}  // namespace support
