// The benchmark's driver. It runs the program and the browser-less baseline as a user would,
// from outside, under the X server `make bench` starts: start-up to the first frame on screen,
// a click on Command1 to each pane's request reaching a loopback stand-in for the wiki, and
// the memory of the program with all of the engine's helper processes. Runs of the program and
// the baseline alternate, so that a slow phase of the machine hits both alike.
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <thread>

#include "bench/report.h"
#include "bench/session.h"
#include "bench/shared_helpers.h"
#include "tests/support/child_process.h"
#include "tests/support/engine_environment.h"
#include "tests/support/stub_wiki_server.h"

namespace bench {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

constexpr int kStartupRuns = 15;
constexpr int kClickRuns = 7;
constexpr int kImmediateRuns = 5;
constexpr int kTypingRuns = 7;
// Typed into Text1 from the first frame on; the article's pane must ask for exactly this title.
constexpr std::string_view kTypedTitle = "AT&T";
constexpr std::string_view kTypedTitleRequest = "/w/index.php?title=AT%26T&action=edit";
constexpr int kBaselineMemoryRuns = 3;
// The engine starts right after the first frame; this long after it, it has settled.
constexpr auto kSettle = milliseconds(2000);
// Memory is read this long before the first click, so the reading does not slow the click.
constexpr auto kIdleSampleBeforeClick = milliseconds(300);
// After the last page was served, time for the panes to parse and paint it.
constexpr auto kLoadSettle = milliseconds(2000);
constexpr auto kRequestTimeout = seconds(20);
// A click at the first frame that brought no request by then was lost, not slow: the rest
// take a fraction of a second.
constexpr auto kLostClickTimeout = seconds(5);

struct Programs {
    std::string program;
    std::string baseline;
};

// The engine reaches nothing but the stand-in. AFD_BENCH_CHROMIUM_FLAGS adds flags, to measure
// an engine setting before building it in.
Environment BenchEnvironment(uint16_t port) {
    Environment environment = EngineEnvironment(port);
    if (const char* extra = std::getenv("AFD_BENCH_CHROMIUM_FLAGS"); extra != nullptr) {
        environment["QTWEBENGINE_CHROMIUM_FLAGS"] += std::string(" ") + extra;
    }
    return environment;
}

void Progress(const char* what, int run, int runs) {
    std::fprintf(stderr, "[bench] %s %d/%d\n", what, run, runs);
}

class Bench {
public:
    Bench(Programs programs, const std::filesystem::path& scratch)
        : programs_(std::move(programs)),
          scratch_(scratch),
          environment_(BenchEnvironment(server_.port())) {}

    Results run() {
        const TimePoint began = Clock::now();
        results_.settleSeconds = std::chrono::duration<double>(kSettle).count();
        results_.idleSampleSeconds =
            std::chrono::duration<double>(kSettle - kIdleSampleBeforeClick).count();
        results_.loadSettleSeconds = std::chrono::duration<double>(kLoadSettle).count();
        // One start of each first, not counted: it reads the libraries from disk.
        startUp(programs_.program, nullptr, nullptr);
        startUp(programs_.baseline, nullptr, nullptr);
        for (int run = 1; run <= kStartupRuns; ++run) {
            Progress("start-up, program and baseline", run, kStartupRuns);
            startUp(programs_.program, &results_.programMapped, &results_.programFirstFrame);
            startUp(programs_.baseline, &results_.baselineMapped, &results_.baselineFirstFrame);
        }
        for (int run = 1; run <= kBaselineMemoryRuns; ++run) {
            Progress("baseline memory", run, kBaselineMemoryRuns);
            baselineMemory();
        }
        for (int run = 1; run <= kClickRuns; ++run) {
            Progress("first and second click", run, kClickRuns);
            clicks();
        }
        for (int run = 1; run <= kImmediateRuns; ++run) {
            Progress("click at the first frame", run, kImmediateRuns);
            immediateClick();
        }
        for (int run = 1; run <= kTypingRuns; ++run) {
            Progress("typing at the first frame", run, kTypingRuns);
            typeAtFirstFrame();
        }
        results_.elapsedSeconds = std::chrono::duration<double>(Clock::now() - began).count();
        return results_;
    }

private:
    bool failed(Session& session, const char* what) {
        ++results_.failedRuns;
        std::fprintf(stderr, "[bench] run failed: %s; the program's last output:\n%s\n", what,
                     session.logTail().c_str());
        return false;
    }

    void startUp(const std::string& program, std::vector<double>* mapped,
                 std::vector<double>* firstFrame) {
        Session session(program, environment_, watcher_, probe_, scratch_);
        if (!session.waitForFirstFrame()) {
            failed(session, "no first frame");
            return;
        }
        if (mapped != nullptr) mapped->push_back(session.millisToMapped());
        if (firstFrame != nullptr) firstFrame->push_back(session.millisToFirstFrame());
    }

    void baselineMemory() {
        Session session(programs_.baseline, environment_, watcher_, probe_, scratch_);
        if (!session.waitForFirstFrame()) {
            failed(session, "no first frame");
            return;
        }
        std::this_thread::sleep_until(session.firstFrame() + kSettle - kIdleSampleBeforeClick);
        results_.baselineIdle.push_back(session.memory());
    }

    void clicks() {
        Session session(programs_.program, environment_, watcher_, probe_, scratch_);
        if (!session.waitForFirstFrame()) {
            failed(session, "no first frame");
            return;
        }
        std::this_thread::sleep_until(session.firstFrame() + kSettle - kIdleSampleBeforeClick);
        MemorySnapshot idle = session.memory();
        std::this_thread::sleep_until(session.firstFrame() + kSettle);

        const TimePoint firstClick = session.clickCommand1();
        const auto first = WaitForPaneRequests(server_, firstClick, firstClick + kRequestTimeout);
        if (!first) {
            failed(session, "the first click's three requests never all arrived");
            return;
        }
        std::this_thread::sleep_until(first->lastAnswered + kLoadSettle);
        MemorySnapshot loaded = session.memory();
        // The memory reading is done before this click, as it is before the first.
        std::this_thread::sleep_for(kIdleSampleBeforeClick);

        const TimePoint secondClick = session.clickCommand1();
        const auto second =
            WaitForPaneRequests(server_, secondClick, secondClick + kRequestTimeout);
        if (!second) {
            failed(session, "the second click's three requests never all arrived");
            return;
        }
        ++results_.clickRuns;
        recordFlicker(session);
        results_.firstClick.push_back(*first);
        results_.secondClick.push_back(*second);
        results_.programIdle.push_back(std::move(idle));
        results_.programLoaded.push_back(std::move(loaded));
    }

    // Every time the window left the screen after its first mapping, and for how long.
    void recordFlicker(const Session& session) {
        ++results_.watchedRuns;
        const std::vector<MapChange> changes = session.windowChanges();
        const TimePoint firstFrame = session.firstFrame();
        for (std::size_t index = 1; index < changes.size(); ++index) {
            if (changes[index].mapped) continue;
            results_.unmapsAfterFirstFrame.push_back(MillisBetween(firstFrame, changes[index].at));
            if (index + 1 < changes.size()) {
                results_.offScreen.push_back(
                    MillisBetween(changes[index].at, changes[index + 1].at));
            }
        }
    }

    void immediateClick() {
        Session session(programs_.program, environment_, watcher_, probe_, scratch_);
        if (!session.waitForFirstFrame()) {
            failed(session, "no first frame");
            return;
        }
        const TimePoint click = session.clickCommand1();
        const auto times = WaitForPaneRequests(server_, click, click + kLostClickTimeout);
        recordFlicker(session);
        if (!times) {
            ++results_.lostImmediateClicks;
            std::fprintf(stderr, "[bench] the click at the first frame was lost\n");
            return;
        }
        results_.immediateClick.push_back(*times);
    }

    void typeAtFirstFrame() {
        Session session(programs_.program, environment_, watcher_, probe_, scratch_);
        if (!session.waitForFirstFrame()) {
            failed(session, "no first frame");
            return;
        }
        session.typeTitle(kTypedTitle);
        const TimePoint click = session.clickCommand1();
        const auto target = WaitForArticleRequest(server_, click, click + kLostClickTimeout);
        ++results_.typingRuns;
        recordFlicker(session);
        if (target == kTypedTitleRequest) {
            ++results_.wholeTitles;
        } else {
            std::fprintf(stderr,
                         "[bench] typed %s from the first frame; the article's pane asked "
                         "for %s\n",
                         std::string(kTypedTitle).c_str(), target ? target->c_str() : "nothing");
        }
    }

    Programs programs_;
    std::filesystem::path scratch_;
    StubWikiServer server_;
    XMapWatcher watcher_{"Form1"};
    XWindowProbe probe_;
    Environment environment_;
    Results results_;
};

std::filesystem::path MakeScratch() {
    std::string pattern = (std::filesystem::temp_directory_path() / "afd-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a scratch folder");
    return pattern;
}

}  // namespace
}  // namespace bench

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PROGRAM BASELINE\n", argv[0]);
        return EXIT_FAILURE;
    }
    // A connection the engine drops mid-answer must not end the bench.
    signal(SIGPIPE, SIG_IGN);
    bench::BecomeSubreaper();
    const std::filesystem::path scratch = bench::MakeScratch();
    int status = EXIT_SUCCESS;
    try {
        bench::Bench bench({std::filesystem::absolute(argv[1]), std::filesystem::absolute(argv[2])},
                           scratch);
        const bench::Results results = bench.run();
        bench::PrintReport(results, stdout);
        if (results.failedRuns > 0) status = EXIT_FAILURE;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench: %s\n", error.what());
        status = EXIT_FAILURE;
    }
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
    return status;
}
