#pragma once

#include <array>
#include <string>
#include <string_view>

namespace nominator {

// The zoom levels of the browser panes, as a browser steps through them: Ctrl+plus and Ctrl+minus
// move to the next level, and the engine shows nothing below the first or above the last.
inline constexpr std::array<double, 17> kZoomLevels = {0.25, 1.0 / 3, 0.5, 2.0 / 3, 0.75, 0.8,
                                                       0.9,  1.0,     1.1, 1.25,    1.5,  1.75,
                                                       2.0,  2.5,     3.0, 4.0,     5.0};
inline constexpr double kDefaultZoom = 1.0;

// The next level above (below) the zoom, or the last (first) one when there is none.
double ZoomedIn(double zoom);
double ZoomedOut(double zoom);

// The zoom kept across runs, in a small file of the panes' profile: the number alone.
inline constexpr std::string_view kZoomFileName = "zoom-level";
std::string ZoomText(double zoom);
// The default for text that is no number (a missing or damaged file); a number outside the
// levels is brought to the nearest end.
double ZoomFromText(std::string_view text);

}  // namespace nominator
