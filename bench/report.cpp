// See report.h. Ratios are of medians; a target is judged on the medians too.
#include "bench/report.h"

#include <algorithm>
#include <map>
#include <string>
#include <thread>

#include "bench/stats.h"

namespace bench {
namespace {

constexpr double kKiBPerMiB = 1024.0;

template <typename Pick>
Summary Column(const std::vector<PaneTimes>& clicks, Pick pick) {
    std::vector<double> values;
    for (const PaneTimes& times : clicks) values.push_back(pick(times));
    return Summarize(values);
}

std::array<Summary, 4> ClickColumns(const std::vector<PaneTimes>& clicks, bool connect) {
    std::array<Summary, 4> columns;
    for (std::size_t pane = 0; pane < 3; ++pane) {
        columns.at(pane) = Column(clicks, [&](const PaneTimes& times) {
            return connect ? times.connectMillis.at(pane) : times.millis.at(pane);
        });
    }
    columns[3] = Column(clicks, [&](const PaneTimes& times) {
        return connect ? *std::max_element(times.connectMillis.begin(), times.connectMillis.end())
                       : times.allThree();
    });
    return columns;
}

void PrintClickRow(std::FILE* out, const char* label, const std::vector<PaneTimes>& clicks,
                   bool connect = false) {
    std::fprintf(out, "  %-34s %2zu", label, clicks.size());
    for (const Summary& column : ClickColumns(clicks, connect)) {
        std::fprintf(out, "  %-21s", Format(column).c_str());
    }
    std::fprintf(out, "\n");
}

struct KindMemory {
    std::vector<double> count;
    std::vector<double> pss;
    std::vector<double> uss;
    std::vector<double> rss;
};

double MiB(long kib) { return static_cast<double>(kib) / kKiBPerMiB; }

// Per kind of process, the sum within each snapshot; a kind missing from one counts as zero.
std::map<std::string, KindMemory> ByKind(const std::vector<MemorySnapshot>& snapshots) {
    std::map<std::string, KindMemory> kinds;
    for (const MemorySnapshot& snapshot : snapshots) {
        for (const ProcessMemory& process : snapshot) kinds[process.kind];
        kinds["total"];
    }
    for (const MemorySnapshot& snapshot : snapshots) {
        for (auto& [kind, memory] : kinds) {
            double count = 0, pss = 0, uss = 0, rss = 0;
            for (const ProcessMemory& process : snapshot) {
                if (kind != "total" && process.kind != kind) continue;
                ++count;
                pss += MiB(process.pssKiB);
                uss += MiB(process.ussKiB);
                rss += MiB(process.rssKiB);
            }
            memory.count.push_back(count);
            memory.pss.push_back(pss);
            memory.uss.push_back(uss);
            memory.rss.push_back(rss);
        }
    }
    return kinds;
}

std::string MemoryCells(const std::map<std::string, KindMemory>& kinds, const std::string& kind) {
    const auto found = kinds.find(kind);
    if (found == kinds.end()) return "  -";
    const KindMemory& memory = found->second;
    char text[96];
    std::snprintf(text, sizeof text, "%3.0f %8.1f %8.1f %8.1f", Summarize(memory.count).median,
                  Summarize(memory.pss).median, Summarize(memory.uss).median,
                  Summarize(memory.rss).median);
    return text;
}

std::vector<std::string> KindsInOrder(const std::map<std::string, KindMemory>& idle,
                                      const std::map<std::string, KindMemory>& loaded) {
    std::vector<std::string> order{"main"};
    for (const auto* kinds : {&idle, &loaded}) {
        for (const auto& [kind, memory] : *kinds) {
            if (kind != "main" && kind != "total" &&
                std::find(order.begin(), order.end(), kind) == order.end()) {
                order.push_back(kind);
            }
        }
    }
    order.push_back("total");
    return order;
}

void PrintMemory(std::FILE* out, const Results& results) {
    const auto idle = ByKind(results.programIdle);
    const auto loaded = ByKind(results.programLoaded);
    const auto baseline = ByKind(results.baselineIdle);
    std::fprintf(out,
                 "\n4. Memory in MiB, median over runs; n = processes of the kind, their sum\n"
                 "   idle: %.1f s after the first frame, before any click; loaded: %.0f s after "
                 "the three pages were served\n",
                 results.idleSampleSeconds, results.loadSettleSeconds);
    std::fprintf(out, "  %-24s %-30s   %-30s\n", "process (--type)",
                 "idle:  n      PSS      USS      RSS", "loaded: n     PSS      USS      RSS");
    for (const std::string& kind : KindsInOrder(idle, loaded)) {
        const std::string label = kind == "main" ? "main (afd-nominator)" : kind;
        std::fprintf(out, "  %-24s    %-30s        %-30s\n", label.c_str(),
                     MemoryCells(idle, kind).c_str(), MemoryCells(loaded, kind).c_str());
    }
    std::fprintf(out, "  %-24s    %-30s        (%zu runs)\n", "baseline, idle",
                 MemoryCells(baseline, "total").c_str(), results.baselineIdle.size());
    if (idle.empty() || loaded.empty() || baseline.empty()) return;
    const Summary idlePss = Summarize(idle.at("total").pss);
    const Summary loadedPss = Summarize(loaded.at("total").pss);
    const Summary alonePss = Summarize(baseline.at("total").pss);
    std::fprintf(out, "  total PSS min-max: idle %s, loaded %s, baseline %s\n",
                 Format(idlePss).c_str(), Format(loadedPss).c_str(), Format(alonePss).c_str());
    std::fprintf(out, "  PSS program/baseline: idle %.1fx, loaded %.1fx\n",
                 idlePss.median / alonePss.median, loadedPss.median / alonePss.median);
}

}  // namespace

void PrintReport(const Results& results, std::FILE* out) {
    std::fprintf(out,
                 "\nafd-nominator benchmark (Xvfb, %u cores). Times in ms, median [min-max]; "
                 "n = runs.\n",
                 std::thread::hardware_concurrency());

    const Summary programMapped = Summarize(results.programMapped);
    const Summary programFrame = Summarize(results.programFirstFrame);
    const Summary baselineMapped = Summarize(results.baselineMapped);
    const Summary baselineFrame = Summarize(results.baselineFirstFrame);
    std::fprintf(out,
                 "\n1.-2. Start-up: exec -> Form1 mapped, and -> first frame with its controls "
                 "drawn (new profile each run)\n");
    std::fprintf(out, "  %-34s %2s  %-21s  %-21s\n", "", "n", "window mapped", "first frame");
    std::fprintf(out, "  %-34s %2zu  %-21s  %-21s\n", "afd-nominator", programFrame.count,
                 Format(programMapped).c_str(), Format(programFrame).c_str());
    std::fprintf(out, "  %-34s %2zu  %-21s  %-21s\n", "baseline (Form1Widgets, no engine)",
                 baselineFrame.count, Format(baselineMapped).c_str(),
                 Format(baselineFrame).c_str());
    const double startupRatio = Ratio(programFrame, baselineFrame);
    std::fprintf(out, "  %-34s     %-21.2f  %-21.2f %s\n", "ratio program/baseline",
                 Ratio(programMapped, baselineMapped), startupRatio,
                 Verdict(startupRatio, kStartupTarget).c_str());

    std::fprintf(out,
                 "\n3. Click on Command1 (release) -> each pane's request arrives at the loopback "
                 "wiki\n");
    std::fprintf(out, "  %-34s %2s  %-21s  %-21s  %-21s  %-21s\n", "", "n", "Browser", "Browser3",
                 "Browser2", "all three");
    char firstLabel[64];
    std::snprintf(firstLabel, sizeof firstLabel, "first click, %.1f s after frame",
                  results.settleSeconds);
    PrintClickRow(out, firstLabel, results.firstClick);
    PrintClickRow(out, "second click, pages loaded", results.secondClick);
    const auto first = ClickColumns(results.firstClick, false);
    const auto second = ClickColumns(results.secondClick, false);
    std::fprintf(out, "  %-34s   ", "ratio first/second");
    bool holds = !results.firstClick.empty() && !results.secondClick.empty();
    for (std::size_t column = 0; column < first.size(); ++column) {
        const double ratio = Ratio(first.at(column), second.at(column));
        holds = holds && ratio <= kClickTarget;
        std::fprintf(out, "  %-21.2f", ratio);
    }
    std::fprintf(out, "\n  %-34s      %s\n", "every column within the target",
                 holds ? "target <= 1.20x: HOLDS" : "target <= 1.20x: FAILS");
    PrintClickRow(out, "first click at the first frame", results.immediateClick);
    if (results.lostImmediateClicks > 0) {
        std::fprintf(out, "  %-34s %2d  (no pane asked for anything within 5 s)\n",
                     "  ... of those clicks lost", results.lostImmediateClicks);
    }
    std::fprintf(out, "  until the engine opened the connection:\n");
    PrintClickRow(out, "  first click (connect)", results.firstClick, true);
    PrintClickRow(out, "  second click (connect)", results.secondClick, true);
    const std::size_t unmaps = results.unmapsAfterFirstFrame.size();
    std::fprintf(out, "  Form1 left the screen: %zu times in %d runs%s  target 0: %s\n", unmaps,
                 results.watchedRuns, unmaps == 0 ? "" : " (see below)",
                 unmaps == 0 ? "HOLDS" : "FAILS");
    if (unmaps > 0) {
        std::fprintf(out, "    at %s ms after its first frame, off for %s ms\n",
                     Format(Summarize(results.unmapsAfterFirstFrame)).c_str(),
                     Format(Summarize(results.offScreen)).c_str());
    }
    std::fprintf(
        out,
        "  \"AT&T\" typed into Text1 from the first frame arrived whole: %d of %d runs"
        "  target all: %s\n",
        results.wholeTitles, results.typingRuns,
        results.typingRuns > 0 && results.wholeTitles == results.typingRuns ? "HOLDS" : "FAILS");

    PrintMemory(out, results);

    std::fprintf(out, "\n%d failed runs; whole benchmark %.0f s\n", results.failedRuns,
                 results.elapsedSeconds);
}

}  // namespace bench
