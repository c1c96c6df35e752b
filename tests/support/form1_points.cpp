#include "tests/support/form1_points.h"

#include <stdexcept>
#include <string>

#include "window/form1_layout.h"

namespace support {

PixelPoint CentreOf(std::string_view control) {
    for (const nominator::ControlLayout& layout : nominator::kForm1Layout) {
        if (layout.name != control) continue;
        const nominator::PixelRect rect = nominator::TwipsToPixels(layout.rect);
        return {rect.x + rect.width / 2, rect.y + rect.height / 2};
    }
    throw std::logic_error("Form1 has no control " + std::string(control));
}

}  // namespace support
