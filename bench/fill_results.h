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
// A bundle of three articles with two creators makes seven edits: today's four take AFD, four
// Saves, three tab switches and the "create" link; each further edit one Save and one tab switch.
inline constexpr int kBundleInputTarget = 9 + 2 * 3;

// One nomination's times in ms, per tab: tabs 0 and 2 from the click on AFD, tab 1 from the
// click on its page's "create" link; each until the pane's new page had loaded and until its
// editor held the tool's edit summary.
struct FillTimes {
    std::array<double, 3> loaded{};
    std::array<double, 3> filled{};
    // Tab 1's page for viewing, from the click on AFD until it had loaded.
    double discussionViewLoaded = 0;
};

// A bundle's nomination, in ms from the click on AFD: until the last of its pages had loaded,
// and until the last of its editors was filled (all but the discussion's, which needs "create").
struct BundleTimes {
    double slowestLoaded = 0;
    double everyFilled = 0;
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
    // The same counts, and the times, for a bundle of three nominated last in each run.
    int bundleClicks = 0;
    int bundleKeys = 0;
    int bundleCompleteRuns = 0;
    std::vector<BundleTimes> bundle;
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
