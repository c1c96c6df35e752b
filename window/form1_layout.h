#pragma once

#include <array>
#include <string_view>

#include "core/nomination_texts.h"
#include "window/nomination_view.h"

namespace nominator {

// Form1's layout as designed, in twips (1/1440 inch). At 96 dpi 15 twips make one
// device-independent pixel, and every value here divides exactly.
inline constexpr int kTwipsPerPixel = 15;

// A MultiLineTextBox holds plain text, one item a line: Return starts a line, Tab moves on.
enum class ControlKind {
    TextBox,
    MultiLineTextBox,
    PushButton,
    TabContainer,
    ClickableLabel,
    Label,
    ComboBox,
};

// What a control takes of the room the window gains beyond its design size: its left and top
// edges stay, and its right (and bottom) edge keeps its distance to the window's.
enum class Growth { None, Width, WidthAndHeight };

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

struct ControlLayout {
    std::string_view name;
    ControlKind kind;
    // From the client area's top-left corner.
    TwipsRect rect;
    std::string_view initialText;
    bool shownAtStart;
    Growth growth;
};

inline constexpr std::string_view kFormCaption = "Form1";
inline constexpr int kClientWidthTwips = 7890;
inline constexpr int kClientHeightTwips = 6915;
// Where every browser pane sits, from Tabby's top-left corner: one over the other, each shown
// with its tab. The panes grow with Tabby, so that their margins in it stay.
inline constexpr TwipsRect kPaneRect = {120, 480, 6975, 3855};
inline constexpr Growth kPaneGrowth = Growth::WidthAndHeight;

// In tab order; the panes' pages come right after Tabby's tabs. Status, a plain label that
// never takes the focus, and the controls added after it come last, so that no earlier tab
// index moves. Status fills the free space right of Command1 and Text3, so that its longest
// texts wrap, never cut. Text6, the creator's notice, takes the free space between Text5 and
// DayPlus while a notice is due. Further, the bundle's further articles, takes the free space
// right of Reason, one line at the design size, and grows to the right. The discussion's
// category and its deletion-sorting topics sit in the free room between Text2 and Command1. A
// larger window gives its room to Tabby and the panes, where the wiki's pages need it, and the
// room to its right to Status and Further.
// One row a control, as a table reads, wider than the lines elsewhere.
// clang-format off
inline constexpr auto kForm1Layout = std::to_array<ControlLayout>({
    {"Text1", ControlKind::TextBox, {240, 120, 2055, 375}, "Word", true, Growth::None},
    {"Command1", ControlKind::PushButton, {3000, 600, 735, 375}, "AFD", true, Growth::None},
    {"Text2", ControlKind::TextBox, {360, 840, 975, 375}, ArticleTag, false, Growth::None},
    {"Text3", ControlKind::TextBox, {360, 1320, 3615, 375}, "Text3", false, Growth::None},
    {"Reason", ControlKind::TextBox, {2520, 120, 3615, 375}, "Reason", true, Growth::None},
    {"Text5", ControlKind::TextBox, {360, 1800, 3615, 375}, "Text5", false, Growth::None},
    {"Tabby", ControlKind::TabContainer, {360, 2280, 7215, 4455}, "", false, Growth::WidthAndHeight},
    {"DayPlus", ControlKind::ClickableLabel, {6480, 1800, 855, 255}, "Next Day ->", true, Growth::None},
    {"Status", ControlKind::Label, {3975, 660, 3600, 1095}, "", false, Growth::Width},
    {"Text6", ControlKind::TextBox, {4080, 1800, 2280, 375}, "", false, Growth::None},
    {"Further", ControlKind::MultiLineTextBox, {6240, 120, 1560, 375}, "", true, Growth::Width},
    {"Category", ControlKind::ComboBox, {1395, 540, 1545, 375}, "", true, Growth::None},
    {"Topics", ControlKind::MultiLineTextBox, {1395, 930, 1545, 345}, "", true, Growth::None},
});
// clang-format on

constexpr int TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }

struct PixelRect {
    int x;
    int y;
    int width;
    int height;

    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

constexpr PixelRect TwipsToPixels(const TwipsRect& rect) {
    return {TwipsToPixels(rect.left), TwipsToPixels(rect.top), TwipsToPixels(rect.width),
            TwipsToPixels(rect.height)};
}

struct PixelSize {
    int width;
    int height;
};

inline constexpr PixelSize kDesignSize = {TwipsToPixels(kClientWidthTwips),
                                          TwipsToPixels(kClientHeightTwips)};

// The control's rectangle in a window of the given client size, in pixels. The design size is
// the smallest the window can be; a smaller size places the control as the design does.
constexpr PixelRect GrownRect(const TwipsRect& designed, Growth growth, PixelSize client) {
    PixelRect rect = TwipsToPixels(designed);
    const int gainedWidth = client.width > kDesignSize.width ? client.width - kDesignSize.width : 0;
    const int gainedHeight =
        client.height > kDesignSize.height ? client.height - kDesignSize.height : 0;
    if (growth != Growth::None) rect.width += gainedWidth;
    if (growth == Growth::WidthAndHeight) rect.height += gainedHeight;
    return rect;
}

constexpr PixelRect GrownRect(const ControlLayout& control, PixelSize client) {
    return GrownRect(control.rect, control.growth, client);
}

// Every pane's rectangle in Tabby, in a window of the given client size.
constexpr PixelRect GrownPaneRect(PixelSize client) {
    return GrownRect(kPaneRect, kPaneGrowth, client);
}

// A value that did not divide would place a control off its designed pixel.
constexpr bool DividesIntoPixels(const TwipsRect& rect) {
    return rect.left % kTwipsPerPixel == 0 && rect.top % kTwipsPerPixel == 0 &&
           rect.width % kTwipsPerPixel == 0 && rect.height % kTwipsPerPixel == 0;
}

constexpr bool LayoutDividesIntoPixels() {
    for (const ControlLayout& control : kForm1Layout) {
        if (!DividesIntoPixels(control.rect)) return false;
    }
    return DividesIntoPixels(kPaneRect) && kClientWidthTwips % kTwipsPerPixel == 0 &&
           kClientHeightTwips % kTwipsPerPixel == 0;
}
static_assert(LayoutDividesIntoPixels());

}  // namespace nominator
