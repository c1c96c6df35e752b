#include "tests/support/form1_points.h"

#include <stdexcept>
#include <string>

#include "window/form1_layout.h"

namespace support {

namespace {

nominator::PixelRect RectOf(std::string_view control) {
    for (const nominator::ControlLayout& layout : nominator::kForm1Layout) {
        if (layout.name == control) return nominator::TwipsToPixels(layout.rect);
    }
    throw std::logic_error("Form1 has no control " + std::string(control));
}

// The engine's scroll bars are 15 pixels wide.
constexpr int kIntoScrollBar = 7;

}  // namespace

PixelPoint CentreOf(std::string_view control) {
    const nominator::PixelRect rect = RectOf(control);
    return {rect.x + rect.width / 2, rect.y + rect.height / 2};
}

PixelPoint PaneScrollBar() {
    const nominator::PixelRect tabby = RectOf("Tabby");
    const nominator::PixelRect rect = nominator::TwipsToPixels(nominator::kPaneRect);
    return {tabby.x + rect.x + rect.width - kIntoScrollBar, tabby.y + rect.y + rect.height / 2};
}

}  // namespace support
