#include "window/kept_geometry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/window/kept_geometry_print.h"

namespace nominator {

namespace {

TEST(KeptGeometryTest, EveryGeometryReadsBackAsItselfFromItsText) {
    const KeptGeometry geometries[] = {
        {{0, 0, 526, 461}, false},
        {{40, 30, 1100, 800}, false},
        {{-1200, 15, 1024, 700}, true},
        {{2560, -300, 3840, 2160}, false},
    };
    for (const KeptGeometry& geometry : geometries) {
        SCOPED_TRACE(KeptGeometryText(geometry));
        EXPECT_EQ(KeptGeometryFromText(KeptGeometryText(geometry)), geometry);
    }
}

struct TextRow {
    const char* name;
    std::string_view text;
    std::optional<KeptGeometry> geometry;
};

using namespace std::string_view_literals;

TEST(KeptGeometryTest, ReadsASoundLineAndRefusesEverythingElse) {
    const TextRow rows[] = {
        {"written", "40 30 1100 800 normal\n", KeptGeometry{{40, 30, 1100, 800}, false}},
        {"maximized", "-5 0 900 700 maximized", KeptGeometry{{-5, 0, 900, 700}, true}},
        {"spaced", "  40\t30  1100 800\r\nnormal \n\n", KeptGeometry{{40, 30, 1100, 800}, false}},
        {"design size", "0 0 526 461 normal", KeptGeometry{{0, 0, 526, 461}, false}},
        {"empty", "", std::nullopt},
        {"blank", " \n", std::nullopt},
        {"no state", "40 30 1100 800", std::nullopt},
        {"unknown state", "40 30 1100 800 minimized", std::nullopt},
        {"a number short", "40 1100 800 normal", std::nullopt},
        {"one too many", "40 30 1100 800 normal 7", std::nullopt},
        {"not a number", "40 thirty 1100 800 normal", std::nullopt},
        {"a fraction", "40 30.5 1100 800 normal", std::nullopt},
        {"a sign alone", "- 30 1100 800 normal", std::nullopt},
        {"plus sign", "+40 30 1100 800 normal", std::nullopt},
        {"too wide for an int", "40 30 99999999999 800 normal", std::nullopt},
        {"beyond any desktop", "40 30 1100 2000000 normal", std::nullopt},
        {"narrower than designed", "40 30 525 800 normal", std::nullopt},
        {"lower than designed", "40 30 1100 460 normal", std::nullopt},
        {"negative size", "40 30 -1100 800 normal", std::nullopt},
        {"cut off mid-line", "40 30 11", std::nullopt},
        {"binary", "40 30 1100 800 normal\0\x01"sv, std::nullopt},
    };
    for (const TextRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(KeptGeometryFromText(row.text), row.geometry);
    }
}

struct ScreensRow {
    const char* name;
    PixelRect window;
    bool reachable;
};

TEST(KeptGeometryTest, AWindowIsReachableWhenEnoughOfItAndItsTopEdgeLieOnAScreen) {
    // Two screens side by side, the right one lower and its free area below a panel.
    const std::vector<PixelRect> screens = {{0, 0, 1920, 1050}, {1920, 232, 1024, 736}};
    const ScreensRow rows[] = {
        {"inside the first", {40, 30, 1100, 800}, true},
        {"larger than the screen", {0, 0, 4000, 3000}, true},
        {"on the second", {2000, 300, 600, 500}, true},
        {"across both", {1500, 300, 900, 600}, true},
        {"mostly off to the left", {-900, 30, 1100, 800}, true},
        {"just reachable on the left", {-1000, 30, 1100, 800}, true},
        {"too little on the left", {-1001, 30, 1100, 800}, false},
        {"too little at the bottom", {40, 1001, 1100, 800}, false},
        {"just reachable at the bottom", {40, 1000, 1100, 800}, true},
        {"top above every screen", {40, -10, 1100, 800}, false},
        {"top in the gap above the second", {2000, 100, 600, 500}, false},
        {"far right", {5000, 300, 1100, 800}, false},
        {"far below", {40, 5000, 1100, 800}, false},
        {"far away negative", {-30000, -30000, 1100, 800}, false},
    };
    for (const ScreensRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ReachableOnScreens(row.window, screens), row.reachable);
    }
}

TEST(KeptGeometryTest, NoScreenReachesNothing) {
    EXPECT_FALSE(ReachableOnScreens({0, 0, 1100, 800}, {}));
}

}  // namespace
}  // namespace nominator
