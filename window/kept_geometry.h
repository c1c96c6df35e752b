#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "window/form1_layout.h"

namespace nominator {

// The window as it last closed, kept for the next start: its client area as it is when not
// maximized, in device-independent pixels of the desktop, and whether it was maximized.
struct KeptGeometry {
    PixelRect normal;
    bool maximized;

    friend bool operator==(const KeptGeometry&, const KeptGeometry&) = default;
};

// The small file of the tool's data folder, beside the browser profile, that keeps it.
inline constexpr std::string_view kKeptGeometryFileName = "window-geometry";

// One line: left, top, width and height, then "normal" or "maximized".
std::string KeptGeometryText(const KeptGeometry& geometry);
// Nothing for text that is not such a line, or whose size is below the design size, which no
// window of this tool can have had.
std::optional<KeptGeometry> KeptGeometryFromText(std::string_view text);

// Whether enough of the window would lie on one of the screens (their areas free for windows)
// for the user to see it and take hold of it.
bool ReachableOnScreens(const PixelRect& window, std::span<const PixelRect> screens);

}  // namespace nominator
