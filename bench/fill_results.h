// What the in-process driver measures in the panes, against the local MediaWiki, and the table
// section it prints.
#pragma once

#include <array>
#include <cstdio>
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

struct FillResults {
    int pollMs = 0;
    // The clicks and key presses sent from the click on AFD on, and whether the status line
    // then said that the nomination was complete.
    int clicks = 0;
    int keys = 0;
    bool complete = false;
    // The first nomination of the run, and later ones of other articles.
    std::vector<FillTimes> first;
    std::vector<FillTimes> later;
    int failedNominations = 0;
    double elapsedSeconds = 0;
};

void PrintFillReport(const FillResults& results, std::FILE* out);

}  // namespace bench
