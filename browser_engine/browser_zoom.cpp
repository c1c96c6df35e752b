#include "browser_engine/browser_zoom.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace nominator {
namespace {

// Levels such as 1/3 never come back from a file exactly; closer than this is the same level.
constexpr double kSameLevel = 1e-3;

}  // namespace

double ZoomedIn(double zoom) {
    for (const double level : kZoomLevels) {
        if (level > zoom + kSameLevel) return level;
    }
    return kZoomLevels.back();
}

double ZoomedOut(double zoom) {
    for (auto level = kZoomLevels.rbegin(); level != kZoomLevels.rend(); ++level) {
        if (*level < zoom - kSameLevel) return *level;
    }
    return kZoomLevels.front();
}

std::string ZoomText(double zoom) {
    // Neither way depends on the user's locale: the file reads the same under every one.
    char text[32];
    const char* end = std::to_chars(text, text + sizeof text, zoom).ptr;
    return std::string(text, static_cast<std::size_t>(end - text)) + "\n";
}

double ZoomFromText(std::string_view text) {
    const auto begin = text.find_first_not_of(" \t\r\n");
    const auto end = text.find_last_not_of(" \t\r\n");
    if (begin == std::string_view::npos) return kDefaultZoom;
    const std::string_view number = text.substr(begin, end - begin + 1);
    double zoom = 0;
    const auto [rest, error] = std::from_chars(number.data(), number.data() + number.size(), zoom);
    if (error != std::errc() || rest != number.data() + number.size() || !std::isfinite(zoom)) {
        return kDefaultZoom;
    }
    return std::clamp(zoom, kZoomLevels.front(), kZoomLevels.back());
}

}  // namespace nominator
