// The benchmark's in-process driver: the window and its panes against the local MediaWiki,
// logged in as the wiki's user, driven with real X input as a user would. It counts the clicks
// and keys a whole nomination takes from the click on AFD to the status line's "Nomination
// complete", and times each pane from the click that loads it until its page has loaded and
// until the tool has filled its editor, polling the panes. `run_bench.sh` runs it after
// `afd_bench`, in the same X server.
#include <QApplication>
#include <QLabel>
#include <QLoggingCategory>
#include <QPushButton>
#include <QQuickItem>
#include <QTabBar>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "bench/fill_results.h"
#include "bench/stats.h"
#include "core/creator_notice.h"
#include "core/editor_fill.h"
#include "tests/qt/event_loop_wait.h"
#include "tests/qt/page_script.h"
#include "tests/qt/pane_user.h"
#include "tests/qt/quick_panes.h"
#include "tests/qt/stand_in_wiki.h"
#include "tests/support/child_process.h"
#include "tests/support/scratch_folder.h"
#include "window/qt/form1_window.h"
#include "window/qt/tab_container.h"
#include "window/qt/utf8.h"

namespace bench {
namespace {

using nominator::PaneUser;
using nominator::WaitInEventLoop;
using Clock = std::chrono::steady_clock;

using nominator::kNoonOnMarch7;
constexpr int kRuns = 3;
constexpr auto kRunTimeout = std::chrono::minutes(4);
constexpr int kPollMs = 10;
constexpr int kGiveUpMs = 30000;
constexpr char kSavedTitle[] = "Bench article";
constexpr const char* kLaterTitles[] = {"Bench article 1", "Bench article 2", "Bench article 3",
                                        "Bench article 4", "Bench article 5"};
constexpr char kReason[] = "No independent sources discuss it.";
// The local wiki's bundle: the lead and the second started by Creator, the third by Further
// creator; panes 3 to 6 hold Creator's notice, the further tags and Further creator's notice.
constexpr char kBundleLead[] = "Bundle lead";
constexpr char kBundleFurther[] = "Bundle second\nBundle third";
constexpr char kCreateLink[] = R"(.noarticletext a[href*="action=edit"])";

// One pane from a click on: when its new page had loaded, and when its editor held the summary
// (none: loading only).
struct PaneWatch {
    int tab;
    std::string summary;
    Clock::time_point from;
    std::optional<double> loadedMs{};
    std::optional<double> filledMs{};

    bool done() const { return loadedMs && (summary.empty() || filledMs); }
};

// Says on stderr which step of a nomination did not happen, and what the window asked if it did.
bool Failed(const char* step, const std::string& title) {
    const QWidget* modal = QApplication::activeModalWidget();
    std::fprintf(stderr, "afd_fill_bench: %s: %s did not happen%s%s\n", title.c_str(), step,
                 modal != nullptr ? "; the window asks: " : "",
                 modal != nullptr ? nominator::ToUtf8(modal->windowTitle()).c_str() : "");
    return false;
}

double MsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Marks the documents the panes show now, so that the page a click loads is told apart from
// them even when its address is the same.
void MarkShownPages(std::initializer_list<int> tabs) {
    for (int tab : tabs) {
        nominator::RunInPage(PaneUser::pane(tab), QStringLiteral("window.benchShownBefore = true"),
                             2000);
    }
}

// One look at the pane: whether it shows a new page yet, whether that page has loaded, and what
// its summary holds, each as of the moment the page's answer came. The page is asked while it
// loads, too: the editor may be filled before the page has finished loading.
void Look(PaneWatch& watch, std::vector<double>& roundTrips) {
    // A bundle's further panes come only after the click.
    QQuickItem* const pane = nominator::PaneOnTab(watch.tab);
    if (pane == nullptr) return;
    QQuickItem& view = *pane;
    const Clock::time_point asked = Clock::now();
    const std::optional<QVariant> answer = nominator::RunInPage(
        view, QStringLiteral("(() => { const f = document.getElementById('wpSummary');"
                             " return [!window.benchShownBefore, f ? f.value : '']; })()"));
    const Clock::time_point now = Clock::now();
    roundTrips.push_back(MsBetween(asked, now));
    if (!answer || answer->toList().size() != 2 || !answer->toList()[0].toBool()) return;
    // A new pane is blank until its page starts loading.
    if (!watch.loadedMs &&
        view.property("url").toUrl().scheme().startsWith(QLatin1String("http")) &&
        !view.property("loading").toBool() && view.property("loadProgress").toInt() == 100) {
        watch.loadedMs = MsBetween(watch.from, now);
    }
    if (!watch.filledMs && !watch.summary.empty() &&
        nominator::ToUtf8(answer->toList()[1].toString()) == watch.summary) {
        watch.filledMs = MsBetween(watch.from, now);
    }
}

bool WatchUntilDone(std::vector<PaneWatch>& watches, std::vector<double>& roundTrips) {
    const bool done = WaitInEventLoop(
        [&] {
            bool all = true;
            for (PaneWatch& watch : watches) {
                if (!watch.done()) Look(watch, roundTrips);
                all = all && watch.done();
            }
            return all;
        },
        kGiveUpMs, kPollMs);
    for (const PaneWatch& watch : watches) {
        if (watch.done()) continue;
        if (nominator::PaneOnTab(watch.tab) == nullptr) {
            std::fprintf(stderr, "afd_fill_bench: no tab %d\n", watch.tab);
            continue;
        }
        QQuickItem& view = PaneUser::pane(watch.tab);
        std::fprintf(
            stderr, "afd_fill_bench: tab %d %s, %s, at %s (loading %d, %d %%), summary \"%s\"\n",
            watch.tab, watch.loadedMs ? "loaded" : "not loaded",
            watch.filledMs ? "filled" : "not filled",
            qPrintable(view.property("url").toUrl().toString()), view.property("loading").toBool(),
            view.property("loadProgress").toInt(), PaneUser::field(watch.tab, "wpSummary").c_str());
    }
    return done;
}

class Driver {
public:
    bool start() {
        nominator::LoopbackWiki().tlsEnd().passOn("/w/api.php");
        if (!user_.connected() || !nominator::ShowWithPanes(window_, kGiveUpMs)) return false;
        return PaneUser::logIn(0, nominator::LoopbackWiki()) &&
               user_.paste(nominator::Box::Reason, kReason);
    }

    // Pastes the title, clicks AFD, and times the three panes and the `more` ones (tab, summary),
    // the latest of all of them into `bundle`; then opens the discussion's editor with the page's
    // "create" link and times it. False when something did not happen.
    bool nominate(const std::string& title, FillTimes& times,
                  const std::vector<std::pair<int, std::string>>& more = {},
                  BundleTimes* bundle = nullptr) {
        if (!user_.paste(nominator::Box::Text1, title)) return Failed("pasting the title", title);
        MarkShownPages({0, 1, 2});
        clicksBefore_ = user_.clicks();
        keysBefore_ = user_.keys();
        user_.clickOn(window_.command1());
        const Clock::time_point clicked = user_.lastClick();
        std::vector<PaneWatch> panes{{0, nominator::ArticleTagSummary(title), clicked},
                                     {1, "", clicked},
                                     {2, nominator::LogLineSummary(title), clicked}};
        for (const auto& [tab, summary] : more) panes.push_back({tab, summary, clicked});
        if (!WatchUntilDone(panes, roundTrips_))
            return Failed("loading and filling the panes", title);
        for (int tab : {0, 2}) {
            times.loaded.at(tab) = *panes.at(tab).loadedMs;
            times.filled.at(tab) = *panes.at(tab).filledMs;
        }
        times.discussionViewLoaded = *panes[1].loadedMs;
        for (const PaneWatch& pane : panes) {
            if (bundle == nullptr) break;
            bundle->slowestLoaded = std::max(bundle->slowestLoaded, *pane.loadedMs);
            bundle->everyFilled = std::max(bundle->everyFilled, pane.filledMs.value_or(0));
        }
        return true;
    }

    bool openDiscussionEditor(const std::string& title, FillTimes& times) {
        if (!shown(1)) return Failed("showing tab 1", title);
        MarkShownPages({1});
        if (!user_.clickInPage(1, kCreateLink)) return Failed("the click on \"create\"", title);
        std::vector<PaneWatch> editor{{1, nominator::DiscussionSummary(title), user_.lastClick()}};
        if (!WatchUntilDone(editor, roundTrips_))
            return Failed("loading and filling tab 1's editor", title);
        times.loaded[1] = *editor[0].loadedMs;
        times.filled[1] = *editor[0].filledMs;
        return true;
    }

    // Saves the tab's editor, showing the tab first if need be.
    bool save(int tab, const std::string& title = kSavedTitle) {
        return (shown(tab) && user_.save(tab)) ||
               Failed(("saving tab " + std::to_string(tab)).c_str(), title);
    }

    bool complete() {
        return WaitInEventLoop(
            [&] {
                return window_.status()->text().startsWith(QStringLiteral("Nomination complete"));
            },
            kGiveUpMs);
    }

    // A bundle of three, every edit saved.
    bool nominateBundle(BundleTimes& times) {
        using nominator::CreatorNoticeSummary;
        const std::string tag = nominator::ArticleTagSummary(kBundleLead);
        const std::vector<std::pair<int, std::string>> further{
            {3, CreatorNoticeSummary(kBundleLead,
                                     std::vector<std::string>{kBundleLead, "Bundle second"})},
            {4, tag},
            {5, tag},
            {6, CreatorNoticeSummary(kBundleLead, "Bundle third")}};
        FillTimes lead;
        // From tab 0, as the first nomination starts, not from the tab the later ones left shown.
        if (!shown(0) || !user_.paste(nominator::Box::Further, kBundleFurther) ||
            !nominate(kBundleLead, lead, further, &times) || !save(0, kBundleLead) ||
            !openDiscussionEditor(kBundleLead, lead)) {
            return false;
        }
        for (int tab = 1; tab <= 6; ++tab) {
            if (!save(tab, kBundleLead)) return false;
        }
        return true;
    }

    int clicksSinceAfd() const { return user_.clicks() - clicksBefore_; }
    int keysSinceAfd() const { return user_.keys() - keysBefore_; }
    // How long each look into a page took, script sent to answer.
    const std::vector<double>& roundTrips() const { return roundTrips_; }

private:
    bool shown(int tab) {
        return window_.tabby()->tabBar()->currentIndex() == tab || user_.showTab(tab);
    }

    nominator::Form1Window window_{[] { return kNoonOnMarch7; }};
    PaneUser user_{window_};
    int clicksBefore_ = 0;
    int keysBefore_ = 0;
    std::vector<double> roundTrips_;
};

// One run, in this process: its first nomination saved, then later ones, then a bundle saved.
FillResults Run() {
    FillResults results;
    Driver driver;
    if (!driver.start()) {
        std::fprintf(stderr, "afd_fill_bench: the window, its panes or the login did not come\n");
        ++results.failedNominations;
        return results;
    }
    FillTimes first;
    const bool nominated = driver.nominate(kSavedTitle, first) && driver.save(0) &&
                           driver.openDiscussionEditor(kSavedTitle, first) && driver.save(1) &&
                           driver.save(2);
    results.completeRuns = nominated && driver.complete() ? 1 : 0;
    results.clicks = driver.clicksSinceAfd();
    results.keys = driver.keysSinceAfd();
    if (nominated) {
        results.first.push_back(first);
    } else {
        ++results.failedNominations;
    }
    for (const char* title : kLaterTitles) {
        FillTimes later;
        if (driver.nominate(title, later) && driver.openDiscussionEditor(title, later)) {
            results.later.push_back(later);
        } else {
            ++results.failedNominations;
        }
    }
    BundleTimes bundle;
    if (driver.nominateBundle(bundle)) {
        results.bundle.push_back(bundle);
        results.bundleCompleteRuns = driver.complete() ? 1 : 0;
    } else {
        ++results.failedNominations;
    }
    results.bundleClicks = driver.clicksSinceAfd();
    results.bundleKeys = driver.keysSinceAfd();
    results.pollRoundTripMs.push_back(Summarize(driver.roundTrips()).median);
    return results;
}

int RunHere(int argc, char* argv[], const std::filesystem::path& figures) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("afd-fill-bench"));
    // The figures are the output: not the engine's start-up report, nor the wiki's console.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webengine*.info=false\njs=false"));
    // The engine reads where the wiki is as it starts: before the window loads it.
    nominator::LoopbackWiki();
    const FillResults results = Run();
    std::ofstream out(figures);
    WriteFillRun(results, out);
    return out && results.failedNominations == 0 ? 0 : 1;
}

// Each run a process of its own with a new profile, so that each first nomination meets an
// engine and a cache that never loaded the wiki's pages.
FillResults RunEach(const std::filesystem::path& self) {
    FillResults results;
    results.pollMs = kPollMs;
    const Clock::time_point started = Clock::now();
    for (int run = 0; run < kRuns; ++run) {
        const support::ScratchFolder home;
        const std::filesystem::path figures = home.path() / "figures";
        support::ChildProcess child({self.string(), "--run", figures.string()},
                                    {{"XDG_DATA_HOME", (home.path() / "data").string()},
                                     {"XDG_CACHE_HOME", (home.path() / "cache").string()},
                                     {"XDG_CONFIG_HOME", (home.path() / "config").string()}},
                                    home.path() / "log");
        const std::optional<int> status = child.waitForEnd(kRunTimeout);
        if (!status) child.terminate();
        std::ifstream in(figures);
        if (!AddFillRun(in, results)) ++results.failedNominations;
        if (status != 0) {
            std::ifstream log(home.path() / "log");
            std::fprintf(stderr, "afd_fill_bench: run %d ended with %d:\n%s", run + 1,
                         status.value_or(-1),
                         std::string(std::istreambuf_iterator<char>(log), {}).c_str());
        }
    }
    results.elapsedSeconds = MsBetween(started, Clock::now()) / 1000;
    return results;
}

}  // namespace
}  // namespace bench

// Without arguments, the runs each in a process of its own and then the table's section; with
// "--run FILE", one run, its figures written to FILE.
int main(int argc, char* argv[]) {
    try {
        if (argc == 3 && std::string_view(argv[1]) == "--run") {
            return bench::RunHere(argc, argv, argv[2]);
        }
        support::BecomeSubreaper();
        const bench::FillResults results =
            bench::RunEach(std::filesystem::read_symlink("/proc/self/exe"));
        bench::PrintFillReport(results, stdout);
        return results.failedNominations == 0 ? 0 : 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "afd_fill_bench: %s\n", error.what());
        return 1;
    }
}
