// What the in-process driver measures in the panes, against the local MediaWiki, and the table
// section it prints.
#pragma once

#include <array>
#include <cstdio>
#include <istream>
#include <ostream>
#include <vector>

namespace bench {

inline constexpr int kNominationInputTarget = 8;
inline constexpr double kFillTarget = 1.20;

// One nomination's times in ms, per tab: tabs 0 and 2 from the click on AFD, tab 1 from the
// click on its page's "create" link; each until the pane's new page had loaded and until its
// editor held the tool's edit summary.
struct FillTimes {
    std::array<double, 3> loaded{};
    std::array<double, 3> filled{};
    // Tab 1's page for viewing, from the click on AFD until it had loaded.
    double discussionViewLoaded = 0;
};

// One run's figures, or those of several runs, each a process of its own.
struct FillResults {
    int pollMs = 0;
    int runs = 0;
    // The clicks and key presses sent from the click on AFD on (over several runs: of the run
    // that sent the most), and in how many runs the status line then said that the nomination
    // was complete.
    int clicks = 0;
    int keys = 0;
    int completeRuns = 0;
    // Each run's first nomination, and later ones of other articles.
    std::vector<FillTimes> first;
    std::vector<FillTimes> later;
    // Per run, the median time a look into a page took, from the script sent to its answer.
    std::vector<double> pollRoundTripMs;
    int failedNominations = 0;
    double elapsedSeconds = 0;
};

void PrintFillReport(const FillResults& results, std::FILE* out);

// A run's figures as lines of text, from the run's process to the one that reports.
void WriteFillRun(const FillResults& run, std::ostream& out);
// Adds the run read from `in` to the results; false when it was not there whole.
bool AddFillRun(std::istream& in, FillResults& results);

}  // namespace bench
