// See fill_results.h: one line "sent CLICKS KEYS COMPLETE", one line per nomination ("first" or
// "later", then the loaded times, the filled times and the view's), "bundle CLICKS KEYS COMPLETE
// SLOWEST FILLED" (times 0 when it was not timed), "trip MS" (the median look
// into a page) and "failed N" last.
#include <string>

#include "bench/fill_results.h"

namespace bench {
namespace {

void WriteTimes(const char* kind, const FillTimes& times, std::ostream& out) {
    out << kind;
    for (double ms : times.loaded) out << ' ' << ms;
    for (double ms : times.filled) out << ' ' << ms;
    out << ' ' << times.discussionViewLoaded << '\n';
}

}  // namespace

void WriteFillRun(const FillResults& run, std::ostream& out) {
    out << "sent " << run.clicks << ' ' << run.keys << ' ' << run.completeRuns << '\n';
    for (const FillTimes& times : run.first) WriteTimes("first", times, out);
    for (const FillTimes& times : run.later) WriteTimes("later", times, out);
    const BundleTimes bundle = run.bundle.empty() ? BundleTimes{} : run.bundle.front();
    out << "bundle " << run.bundleClicks << ' ' << run.bundleKeys << ' ' << run.bundleCompleteRuns
        << ' ' << bundle.slowestLoaded << ' ' << bundle.everyFilled << '\n';
    for (double ms : run.pollRoundTripMs) out << "trip " << ms << '\n';
    out << "failed " << run.failedNominations << '\n';
}

bool AddFillRun(std::istream& in, FillResults& results) {
    FillResults run;
    std::string kind;
    if (!(in >> kind >> run.clicks >> run.keys >> run.completeRuns) || kind != "sent") {
        return false;
    }
    while (in >> kind && kind != "failed") {
        if (kind == "trip") {
            in >> run.pollRoundTripMs.emplace_back();
            continue;
        }
        if (kind == "bundle") {
            BundleTimes times;
            if (!(in >> run.bundleClicks >> run.bundleKeys >> run.bundleCompleteRuns >>
                  times.slowestLoaded >> times.everyFilled)) {
                return false;
            }
            if (times.everyFilled > 0) run.bundle.push_back(times);
            continue;
        }
        FillTimes times;
        for (double& ms : times.loaded) in >> ms;
        for (double& ms : times.filled) in >> ms;
        in >> times.discussionViewLoaded;
        if (!in || (kind != "first" && kind != "later")) return false;
        (kind == "first" ? run.first : run.later).push_back(times);
    }
    if (!(in >> run.failedNominations)) return false;
    ++results.runs;
    if (run.clicks + run.keys >= results.clicks + results.keys) {
        results.clicks = run.clicks;
        results.keys = run.keys;
    }
    results.completeRuns += run.completeRuns;
    if (run.bundleClicks + run.bundleKeys >= results.bundleClicks + results.bundleKeys) {
        results.bundleClicks = run.bundleClicks;
        results.bundleKeys = run.bundleKeys;
    }
    results.bundleCompleteRuns += run.bundleCompleteRuns;
    results.bundle.insert(results.bundle.end(), run.bundle.begin(), run.bundle.end());
    results.first.insert(results.first.end(), run.first.begin(), run.first.end());
    results.later.insert(results.later.end(), run.later.begin(), run.later.end());
    results.pollRoundTripMs.insert(results.pollRoundTripMs.end(), run.pollRoundTripMs.begin(),
                                   run.pollRoundTripMs.end());
    results.failedNominations += run.failedNominations;
    return true;
}

}  // namespace bench
