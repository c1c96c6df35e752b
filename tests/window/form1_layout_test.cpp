#include "window/form1_layout.h"

#include <gtest/gtest.h>

#include <iterator>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "window/pane_labels.h"

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
        {"design size", {526, 461}, {24, 152, 481, 297}, {8, 32, 465, 257}, {265, 44, 240, 73}},
        {"larger", {1100, 800}, {24, 152, 1055, 636}, {8, 32, 1039, 596}, {265, 44, 814, 73}},
        {"wider only", {700, 461}, {24, 152, 655, 297}, {8, 32, 639, 257}, {265, 44, 414, 73}},
        {"higher only", {526, 600}, {24, 152, 481, 436}, {8, 32, 465, 396}, {265, 44, 240, 73}},
        // Qt never makes the window smaller than its minimum; if it did, nothing would shrink.
        {"smaller", {400, 300}, {24, 152, 481, 297}, {8, 32, 465, 257}, {265, 44, 240, 73}},
    };
    for (const GrowthRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(GrownRect(Named("Tabby"), row.client), row.tabby);
        EXPECT_EQ(GrownPaneRect(row.client), row.pane);
        EXPECT_EQ(GrownRect(Named("Status"), row.client), row.status);
    }
}

TEST(Form1LayoutTest, ControlsAddedLaterComeLastSoThatNoEarlierTabIndexMoves) {
    // The panes' pages come right after Tabby, wherever the window puts them.
    const std::string_view inTabOrder[] = {"Text1",   "Command1", "Text2",   "Text3",  "Reason",
                                           "Text5",   "Tabby",    "DayPlus", "Status", "Text6",
                                           "Further", "Category", "Topics"};
    ASSERT_EQ(kForm1Layout.size(), std::size(inTabOrder));
    for (std::size_t index = 0; index < kForm1Layout.size(); ++index) {
        EXPECT_EQ(kForm1Layout.at(index).name, inTabOrder[index]) << "tab index " << index;
    }
}

TEST(Form1LayoutTest, EveryPaneSitsOnItsOwnTabAndTheNoticeBoxIsHiddenAtStart) {
    const std::vector<PaneLabel> panes = PaneLabelsOf(PlanNomination({}));
    ASSERT_EQ(panes.size(), 4U);
    for (std::size_t tab = 0; tab < panes.size(); ++tab) {
        EXPECT_EQ(panes.at(tab).caption, "Tab " + std::to_string(tab));
        EXPECT_FALSE(panes.at(tab).name.empty()) << tab;
        EXPECT_FALSE(panes.at(tab).description.empty()) << tab;
    }
    EXPECT_EQ(Named("Text6").kind, ControlKind::TextBox);
    EXPECT_FALSE(Named("Text6").shownAtStart);
    // The discussion's category and topics are asked for before the first nomination.
    EXPECT_EQ(Named("Category").kind, ControlKind::ComboBox);
    EXPECT_EQ(Named("Topics").kind, ControlKind::MultiLineTextBox);
    EXPECT_TRUE(Named("Category").shownAtStart);
    EXPECT_TRUE(Named("Topics").shownAtStart);
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

bool Inside(const PixelRect& inner, const PixelRect& outer) {
    return inner.x >= outer.x && inner.y >= outer.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height;
}

const PixelSize kClientSizes[] = {{526, 461}, {1100, 800}, {700, 461}, {526, 600}, {3840, 2160}};

TEST(Form1LayoutTest, NoTwoControlsOverlapAtAnySize) {
    for (const PixelSize client : kClientSizes) {
        SCOPED_TRACE(std::to_string(client.width) + "x" + std::to_string(client.height));
        for (const ControlLayout& one : kForm1Layout) {
            for (const ControlLayout& other : kForm1Layout) {
                if (&other == &one) continue;
                EXPECT_FALSE(Overlap(GrownRect(one, client), GrownRect(other, client)))
                    << one.name << " and " << other.name;
            }
            EXPECT_TRUE(Inside(GrownRect(one, client), {0, 0, client.width, client.height}))
                << one.name;
        }
    }
}

TEST(Form1LayoutTest, ThePanesRectangleStaysInsideTabby) {
    for (const PixelSize client : kClientSizes) {
        SCOPED_TRACE(std::to_string(client.width) + "x" + std::to_string(client.height));
        const PixelRect tabby = GrownRect(Named("Tabby"), client);
        EXPECT_TRUE(Inside(GrownPaneRect(client), {0, 0, tabby.width, tabby.height}));
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
