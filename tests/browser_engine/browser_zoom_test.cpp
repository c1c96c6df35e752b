#include "browser_engine/browser_zoom.h"

#include <gtest/gtest.h>

#include <string>

namespace nominator {
namespace {

struct StepRow {
    double from;
    double in;
    double out;
};

TEST(BrowserZoomTest, StepsToTheNextLevelAndStopsAtTheEnds) {
    const StepRow rows[] = {
        {1.0, 1.1, 0.9},
        {0.9, 1.0, 0.8},
        {1.1, 1.25, 1.0},
        {0.25, 1.0 / 3, 0.25},
        {5.0, 5.0, 4.0},
        {4.0, 5.0, 3.0},
        {2.0 / 3, 0.75, 0.5},
        // Between two levels, or read back from a file a little off one.
        {1.2, 1.25, 1.1},
        {0.3334, 0.5, 0.25},
        {0.9000001, 1.0, 0.8},
        // Outside the levels: back to the nearest end.
        {9.0, 5.0, 5.0},
        {0.1, 0.25, 0.25},
    };
    for (const StepRow& row : rows) {
        SCOPED_TRACE(row.from);
        EXPECT_DOUBLE_EQ(ZoomedIn(row.from), row.in);
        EXPECT_DOUBLE_EQ(ZoomedOut(row.from), row.out);
    }
}

TEST(BrowserZoomTest, EveryLevelIsReachedFromTheDefaultAndBack) {
    double zoom = kDefaultZoom;
    while (ZoomedIn(zoom) != zoom) zoom = ZoomedIn(zoom);
    EXPECT_DOUBLE_EQ(zoom, 5.0);
    int steps = 0;
    while (ZoomedOut(zoom) != zoom) {
        zoom = ZoomedOut(zoom);
        ++steps;
    }
    EXPECT_DOUBLE_EQ(zoom, 0.25);
    EXPECT_EQ(steps + 1, static_cast<int>(kZoomLevels.size()));
}

TEST(BrowserZoomTest, EveryLevelReadsBackAsItselfFromItsText) {
    for (const double level : kZoomLevels) {
        SCOPED_TRACE(level);
        EXPECT_DOUBLE_EQ(ZoomFromText(ZoomText(level)), level);
    }
}

struct TextRow {
    const char* text;
    double zoom;
};

TEST(BrowserZoomTest, AnyTextGivesAZoomWithinTheLevels) {
    const TextRow rows[] = {
        {"0.8\n", 0.8},
        {"1.25", 1.25},
        {"  2\r\n", 2.0},
        {"", kDefaultZoom},
        {"\n", kDefaultZoom},
        {"zoom", kDefaultZoom},
        {"0,8", kDefaultZoom},
        {"1.5x", kDefaultZoom},
        {"nan", kDefaultZoom},
        {"inf", kDefaultZoom},
        {"1.1 1.2", kDefaultZoom},
        {"40", 5.0},
        {"0.01", 0.25},
        {"-3", 0.25},
    };
    for (const TextRow& row : rows) {
        SCOPED_TRACE(row.text);
        EXPECT_DOUBLE_EQ(ZoomFromText(row.text), row.zoom);
    }
}

}  // namespace
}  // namespace nominator
