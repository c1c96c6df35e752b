// Everything one benchmark run gathers, kept raw so the report can take medians and ratios.
#pragma once

#include <vector>

#include "bench/pane_requests.h"
#include "bench/process_memory.h"

namespace bench {

using MemorySnapshot = std::vector<ProcessMemory>;

struct Results {
    // Start-up, exec to window mapped and to first frame drawn, in milliseconds.
    std::vector<double> programMapped;
    std::vector<double> programFirstFrame;
    std::vector<double> baselineMapped;
    std::vector<double> baselineFirstFrame;

    // Clicks on Command1: the first a while after the first frame, the second once the pages
    // of the first had loaded, and a first click sent the moment the first frame was seen.
    double settleSeconds = 0;
    double idleSampleSeconds = 0;
    double loadSettleSeconds = 0;
    std::vector<PaneTimes> firstClick;
    std::vector<PaneTimes> secondClick;
    std::vector<PaneTimes> immediateClick;
    // Clicks at the first frame after which no pane asked for anything: the click was lost.
    int lostImmediateClicks = 0;
    int clickRuns = 0;
    // A title typed into Text1 from the first frame on, then Command1 clicked: the runs, and
    // those in which the article's pane asked for exactly that title.
    int typingRuns = 0;
    int wholeTitles = 0;
    // Runs of the program watched for its window leaving the screen: click, immediate-click and
    // typing runs. Each time the window left the screen in those runs, in ms after its first
    // frame, and how long it stayed off before it was mapped again.
    int watchedRuns = 0;
    std::vector<double> unmapsAfterFirstFrame;
    std::vector<double> offScreen;

    std::vector<MemorySnapshot> programIdle;
    std::vector<MemorySnapshot> programLoaded;
    std::vector<MemorySnapshot> baselineIdle;

    int failedRuns = 0;
    double elapsedSeconds = 0;
};

}  // namespace bench
