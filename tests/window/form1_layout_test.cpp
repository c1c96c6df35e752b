#include "window/form1_layout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace nominator {

void PrintTo(const PixelRect& rect, std::ostream* out) {
    *out << rect.x << "," << rect.y << " " << rect.width << "x" << rect.height;
}

namespace {

const ControlLayout& Named(std::string_view name) {
    for (const ControlLayout& control : kForm1Layout) {
        if (control.name == name) return control;
    }
    throw std::logic_error("no control " + std::string(name));
}

struct GrowthRow {
    const char* name;
    PixelSize client;
    PixelRect tabby;
    PixelRect pane;
    PixelRect status;
};

TEST(Form1LayoutTest, TabbyAndItsPanesTakeTheRoomTheWindowGainsAndStatusItsWidth) {
    const GrowthRow rows[] = {
        {"design size", {526, 461}, {24, 152, 481, 297}, {8, 32, 465, 257}, {264, 44, 241, 73}},
        {"larger", {1100, 800}, {24, 152, 1055, 636}, {8, 32, 1039, 596}, {264, 44, 815, 73}},
        {"wider only", {700, 461}, {24, 152, 655, 297}, {8, 32, 639, 257}, {264, 44, 415, 73}},
        {"higher only", {526, 600}, {24, 152, 481, 436}, {8, 32, 465, 396}, {264, 44, 241, 73}},
        // Qt never makes the window smaller than its minimum; if it did, nothing would shrink.
        {"smaller", {400, 300}, {24, 152, 481, 297}, {8, 32, 465, 257}, {264, 44, 241, 73}},
    };
    for (const GrowthRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(GrownRect(Named("Tabby"), row.client), row.tabby);
        for (const char* pane : {"Browser", "Browser2", "Browser3"}) {
            EXPECT_EQ(GrownRect(Named(pane), row.client), row.pane) << pane;
        }
        EXPECT_EQ(GrownRect(Named("Status"), row.client), row.status);
    }
}

TEST(Form1LayoutTest, EveryOtherControlKeepsItsDesignedRectangle) {
    for (const ControlLayout& control : kForm1Layout) {
        if (control.growth != Growth::None) continue;
        SCOPED_TRACE(std::string(control.name));
        EXPECT_EQ(GrownRect(control, {1100, 800}), TwipsToPixels(control.rect));
    }
}

TEST(Form1LayoutTest, TabbyKeepsItsDesignedMarginsToTheWindowsRightAndBottomEdges) {
    for (const PixelSize client :
         {PixelSize{526, 461}, PixelSize{1100, 800}, PixelSize{3840, 2160}}) {
        SCOPED_TRACE(std::to_string(client.width) + "x" + std::to_string(client.height));
        const PixelRect tabby = GrownRect(Named("Tabby"), client);
        EXPECT_EQ(client.width - (tabby.x + tabby.width), 21);
        EXPECT_EQ(client.height - (tabby.y + tabby.height), 12);
    }
}

}  // namespace
}  // namespace nominator
