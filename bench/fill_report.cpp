// See fill_results.h. Ratios are of medians, as in the driver's table.
#include <algorithm>
#include <string>

#include "bench/fill_results.h"
#include "bench/stats.h"

namespace bench {
namespace {

// Per column: tab 0, tab 1, tab 2, and tabs 0 and 2 together (the later of the two).
std::array<Summary, 4> Columns(const std::vector<FillTimes>& runs, bool filled) {
    std::array<std::vector<double>, 4> values;
    for (const FillTimes& run : runs) {
        const std::array<double, 3>& times = filled ? run.filled : run.loaded;
        for (std::size_t tab = 0; tab < 3; ++tab) values.at(tab).push_back(times.at(tab));
        values[3].push_back(std::max(times[0], times[2]));
    }
    std::array<Summary, 4> columns;
    for (std::size_t column = 0; column < 4; ++column) {
        columns.at(column) = Summarize(values.at(column));
    }
    return columns;
}

void PrintRows(std::FILE* out, const char* label, const std::vector<FillTimes>& runs, bool& holds) {
    const auto loaded = Columns(runs, false);
    const auto filled = Columns(runs, true);
    for (const auto& [name, columns] : {std::pair{"loaded", &loaded}, {"filled", &filled}}) {
        char row[64];
        std::snprintf(row, sizeof row, "%s, %s", label, name);
        std::fprintf(out, "  %-34s %2zu", row, runs.size());
        for (const Summary& column : *columns) std::fprintf(out, "  %-21s", Format(column).c_str());
        std::fprintf(out, "\n");
    }
    std::fprintf(out, "  %-34s   ", "  ratio filled/loaded");
    for (std::size_t column = 0; column < loaded.size(); ++column) {
        const double ratio = Ratio(filled.at(column), loaded.at(column));
        holds = holds && ratio > 0 && ratio <= kFillTarget;
        std::fprintf(out, "  %-21.2f", ratio);
    }
    std::fprintf(out, "\n");
}

void PrintInputs(std::FILE* out, const char* label, int clicks, int keys, int runs, int complete,
                 int target) {
    const int sent = clicks + keys;
    std::fprintf(out,
                 "  %sclicks and keys, AFD -> \"Nomination complete\": %d (%d clicks, %d keys; the "
                 "most of %d runs, complete in %d)  target <= %d: %s\n",
                 label, sent, clicks, keys, runs, complete, target,
                 runs > 0 && complete == runs && sent <= target ? "HOLDS" : "FAILS");
}

}  // namespace

void PrintFillReport(const FillResults& results, std::FILE* out) {
    std::fprintf(out,
                 "\n5. A nomination in the panes, against the local MediaWiki, logged in "
                 "(in-process; each page asked every %d ms, an answer in %s ms)\n",
                 results.pollMs, Format(Summarize(results.pollRoundTripMs)).c_str());
    PrintInputs(out, "", results.clicks, results.keys, results.runs, results.completeRuns,
                kNominationInputTarget);
    std::fprintf(out,
                 "  click on AFD (tab 1: on the page's \"create\" link) -> page loaded, -> "
                 "editor filled\n");
    std::fprintf(out, "  %-34s %2s  %-21s  %-21s  %-21s  %-21s\n", "", "n", "tab 0 article",
                 "tab 1 discussion", "tab 2 log", "tabs 0 and 2");
    bool holds = !results.first.empty() && !results.later.empty();
    PrintRows(out, "first nomination", results.first, holds);
    PrintRows(out, "later nominations", results.later, holds);
    std::fprintf(out, "  %-34s      target <= %.2fx: %s\n", "every ratio within the target",
                 kFillTarget, holds ? "HOLDS" : "FAILS");
    std::vector<double> firstView, laterView;
    for (const FillTimes& run : results.first) firstView.push_back(run.discussionViewLoaded);
    for (const FillTimes& run : results.later) laterView.push_back(run.discussionViewLoaded);
    std::fprintf(out, "  tab 1's page for viewing, AFD -> loaded: first %s, later %s\n",
                 Format(Summarize(firstView)).c_str(), Format(Summarize(laterView)).c_str());
    PrintInputs(out, "a bundle of three, ", results.bundleClicks, results.bundleKeys, results.runs,
                results.bundleCompleteRuns, kBundleInputTarget);
    std::vector<double> slowest, every;
    for (const BundleTimes& run : results.bundle) {
        slowest.push_back(run.slowestLoaded);
        every.push_back(run.everyFilled);
    }
    const double ratio = Ratio(Summarize(every), Summarize(slowest));
    std::fprintf(out,
                 "  the bundle, AFD -> its 7 pages loaded %s, -> its 6 editors filled %s; ratio "
                 "%.2f  %s\n",
                 Format(Summarize(slowest)).c_str(), Format(Summarize(every)).c_str(), ratio,
                 Verdict(ratio, kFillTarget).c_str());
    std::fprintf(out, "\n%d failed nominations (or runs); fill benchmark %.0f s\n",
                 results.failedNominations, results.elapsedSeconds);
}

}  // namespace bench
