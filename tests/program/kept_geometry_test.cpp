// The window opens at the size and place it last closed at, kept beside the browser profile; a
// record that is missing, damaged or would put it off every screen opens it as a first start
// does. Real program on a profile folder of its own, under a 1024x768 virtual screen with no
// window manager, where a window lands exactly where the program puts it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "tests/program/program_run.h"
#include "tests/support/engine_environment.h"
#include "tests/support/x_window_close.h"
#include "tests/window/kept_geometry_print.h"
#include "window/kept_geometry.h"

namespace nominator {
namespace {

using namespace std::string_view_literals;

// Where the program keeps the record, in the data folder of the profile given to ProgramRun.
std::filesystem::path RecordIn(const std::filesystem::path& profile) {
    return profile / "data" / "afd-nominator" / kKeptGeometryFileName;
}

void WriteRecord(const std::filesystem::path& profile, std::string_view record) {
    std::filesystem::create_directories(RecordIn(profile).parent_path());
    std::ofstream(RecordIn(profile), std::ios::binary) << record;
}

std::string ReadRecord(const std::filesystem::path& profile) {
    std::ifstream in(RecordIn(profile), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// What a run on the profile showed, with the record it left behind once it had closed.
struct Seen {
    std::optional<ScreenRect> geometry;
    std::optional<ScreenSize> minimumSize;
    std::optional<KeptGeometry> left;
};

// Starts the program, looks at its window, closes it with the close button and waits for it to
// end.
Seen RunOnce(const std::filesystem::path& profile, support::Environment environment,
             const std::filesystem::path& log) {
    Seen seen;
    support::StubWikiServer wiki;
    for (const auto& [name, value] : support::EngineEnvironment(wiki.port())) {
        environment.try_emplace(name, value);
    }
    ProgramRun run(profile, environment, log);
    const std::optional<xcb_window_t> window = run.waitForWindow();
    EXPECT_TRUE(window) << run.output();
    if (!window) return seen;
    seen.geometry = run.geometry();
    seen.minimumSize = run.minimumSize();
    support::AskToClose(*window);
    EXPECT_EQ(run.process().waitForEnd(kEndsWithin), std::optional<int>(0)) << run.output();
    seen.left = KeptGeometryFromText(ReadRecord(profile));
    return seen;
}

struct RecordRow {
    const char* name;
    std::string_view record;
    // Nothing: where and as large as a first start opens it.
    std::optional<ScreenRect> opensAt;
    bool maximized = false;
};

const RecordRow kRecords[] = {
    {"kept", "40 30 1100 800 normal\n", ScreenRect{40, 30, 1100, 800}},
    {"kept maximized", "40 30 1100 800 maximized\n", ScreenRect{40, 30, 1100, 800}, true},
    {"partly off the screen, still in reach", "-900 500 1100 800 normal\n",
     ScreenRect{-900, 500, 1100, 800}},
    {"damaged", "40 30 11\x01\x02 normal\n", std::nullopt},
    {"empty", "", std::nullopt},
    {"smaller than the design size", "40 30 300 200 normal\n", std::nullopt},
    {"off to the right of the screen", "5000 30 1100 800 normal\n", std::nullopt},
    {"above the screen", "40 -2000 1100 800 normal\n", std::nullopt},
    {"maximized off the screen", "-5000 -5000 1100 800 maximized\n", std::nullopt},
};

TEST(KeptGeometryTest, TheWindowOpensAsTheRecordSaysWhenItIsSoundAndOnTheScreen) {
    const ScratchFolder scratch;
    const Seen first = RunOnce(scratch.path() / "first-start", {}, scratch.path() / "first.log");
    ASSERT_TRUE(first.geometry);
    EXPECT_EQ(first.geometry->width, 526);
    EXPECT_EQ(first.geometry->height, 461);
    EXPECT_EQ(first.minimumSize, (ScreenSize{526, 461}));
    // Closing keeps what the window was, so that the next start opens the same way.
    const ScreenRect& at = *first.geometry;
    EXPECT_EQ(first.left, (KeptGeometry{{at.x, at.y, at.width, at.height}, false}));

    for (const RecordRow& row : kRecords) {
        SCOPED_TRACE(row.name);
        const std::filesystem::path profile = scratch.path() / row.name;
        WriteRecord(profile, row.record);
        const Seen seen = RunOnce(profile, {}, profile / "output.log");
        const ScreenRect expected = row.opensAt.value_or(*first.geometry);
        EXPECT_EQ(seen.geometry, expected);
        EXPECT_EQ(seen.minimumSize, (ScreenSize{526, 461}));
        EXPECT_EQ(seen.left,
                  (KeptGeometry{{expected.x, expected.y, expected.width, expected.height},
                                row.maximized}));
    }
}

TEST(KeptGeometryTest, AtTwiceTheScaleTheDesignAndTheSmallestSizeDoubleAndSoDoesTheRecord) {
    const ScratchFolder scratch;
    const support::Environment twice = {{"QT_SCALE_FACTOR", "2"}};
    const Seen first = RunOnce(scratch.path() / "first-start", twice, scratch.path() / "first.log");
    ASSERT_TRUE(first.geometry);
    EXPECT_EQ(first.geometry->width, 1052);
    EXPECT_EQ(first.geometry->height, 922);
    EXPECT_EQ(first.minimumSize, (ScreenSize{1052, 922}));

    // The record is in the window's own pixels, which the scale makes two screen pixels each.
    const std::filesystem::path profile = scratch.path() / "kept";
    WriteRecord(profile, "20 15 600 500 normal\n"sv);
    const Seen seen = RunOnce(profile, twice, scratch.path() / "kept.log");
    EXPECT_EQ(seen.geometry, (ScreenRect{40, 30, 1200, 1000}));
    EXPECT_EQ(seen.minimumSize, (ScreenSize{1052, 922}));
    EXPECT_EQ(seen.left, (KeptGeometry{{20, 15, 600, 500}, false}));
}

}  // namespace
}  // namespace nominator
