// Form1's controls in pixels; see form1_on_screen.h.
#include "bench/form1_on_screen.h"

#include <stdexcept>
#include <string>

#include "window/form1_layout.h"

namespace bench {
namespace {

using nominator::TwipsToPixels;

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

// Three by three, so that a stipple left by an unpainted window cannot pass for one colour.
constexpr int kSample = 3;

}  // namespace

DrawnCheck Form1DrawnCheck() {
    const int width = TwipsToPixels(nominator::kClientWidthTwips);
    const int height = TwipsToPixels(nominator::kClientHeightTwips);
    DrawnCheck check;
    // The four corners and the middle of the right edge, where no control reaches.
    for (const auto& [x, y] :
         {std::pair{2, 2}, std::pair{width - 5, 2}, std::pair{2, height - 5},
          std::pair{width - 5, height - 5}, std::pair{width - 5, height / 2}}) {
        check.background.push_back({x, y, kSample, kSample});
    }
    for (const nominator::ControlLayout& control : nominator::kForm1Layout) {
        const PixelRect rect = TwipsToPixels(control.rect);
        for (const PixelRect& sample : check.background) {
            if (Overlap(rect, sample)) {
                throw std::logic_error("a background sample falls on " + std::string(control.name));
            }
        }
        if (control.shownAtStart) check.controls.push_back(rect);
    }
    return check;
}

}  // namespace bench
