#include "window/kept_geometry.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace nominator {
namespace {

// Far beyond any desktop, and small enough that no sum of these overflows.
constexpr int kLargestCoordinate = 1'000'000;

// Enough of the window to see it and drag it back: a piece of its top edge at the least.
constexpr PixelSize kReachablePart = {100, 50};

constexpr std::string_view kNormal = "normal";
constexpr std::string_view kMaximized = "maximized";
constexpr std::string_view kBlanks = " \t\r\n";

// The next word of the text, which then starts after it; empty at the text's end.
std::string_view NextWord(std::string_view& text) {
    const auto begin = text.find_first_not_of(kBlanks);
    if (begin == std::string_view::npos) {
        text = {};
        return {};
    }
    text.remove_prefix(begin);
    const std::string_view word = text.substr(0, text.find_first_of(kBlanks));
    text.remove_prefix(word.size());
    return word;
}

std::optional<int> Coordinate(std::string_view word) {
    int value = 0;
    const auto [rest, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (word.empty() || error != std::errc() || rest != word.data() + word.size()) {
        return std::nullopt;
    }
    if (value < -kLargestCoordinate || value > kLargestCoordinate) return std::nullopt;
    return value;
}

int Overlap(int begin, int length, int otherBegin, int otherLength) {
    return std::min(begin + length, otherBegin + otherLength) - std::max(begin, otherBegin);
}

}  // namespace

std::string KeptGeometryText(const KeptGeometry& geometry) {
    const PixelRect& rect = geometry.normal;
    return std::to_string(rect.x) + " " + std::to_string(rect.y) + " " +
           std::to_string(rect.width) + " " + std::to_string(rect.height) + " " +
           std::string(geometry.maximized ? kMaximized : kNormal) + "\n";
}

std::optional<KeptGeometry> KeptGeometryFromText(std::string_view text) {
    std::array<int, 4> numbers{};
    for (int& number : numbers) {
        const std::optional<int> value = Coordinate(NextWord(text));
        if (!value) return std::nullopt;
        number = *value;
    }
    const std::string_view state = NextWord(text);
    if (state != kNormal && state != kMaximized) return std::nullopt;
    if (!NextWord(text).empty()) return std::nullopt;
    const PixelRect rect{numbers[0], numbers[1], numbers[2], numbers[3]};
    if (rect.width < kDesignSize.width || rect.height < kDesignSize.height) return std::nullopt;
    return KeptGeometry{rect, state == kMaximized};
}

bool ReachableOnScreens(const PixelRect& window, std::span<const PixelRect> screens) {
    return std::any_of(screens.begin(), screens.end(), [&window](const PixelRect& screen) {
        // The top edge must be on the screen too: the window is taken hold of by its title.
        const bool topOnScreen = window.y >= screen.y && window.y < screen.y + screen.height;
        return topOnScreen &&
               Overlap(window.x, window.width, screen.x, screen.width) >= kReachablePart.width &&
               Overlap(window.y, window.height, screen.y, screen.height) >= kReachablePart.height;
    });
}

}  // namespace nominator
