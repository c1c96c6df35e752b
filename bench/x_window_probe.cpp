// See x_window_probe.h. Pixels are read with GetImage from the window itself: under Xvfb there
// is no compositor, so what the server holds is what a screen would show. Each look costs one
// round trip; one look a millisecond is light next to a program starting up.
#include "bench/x_window_probe.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <thread>

#include "tests/support/x_reply.h"

namespace bench {
namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(1);

// All pixels of one GetImage reply, alpha dropped; empty when the window could not be read.
std::vector<uint32_t> Pixels(const xcb_get_image_reply_t* reply, const PixelRect& rect) {
    if (reply == nullptr) return {};
    const auto count = static_cast<std::size_t>(rect.width) * static_cast<std::size_t>(rect.height);
    const auto length = static_cast<std::size_t>(xcb_get_image_data_length(reply));
    // Depth 24 and 32 both come as 32 bits per pixel; anything else this probe does not read.
    if (length != count * 4) return {};
    std::vector<uint32_t> pixels(count);
    std::memcpy(pixels.data(), xcb_get_image_data(reply), length);
    for (uint32_t& pixel : pixels) pixel &= 0x00FFFFFFu;
    return pixels;
}

}  // namespace

XWindowProbe::XWindowProbe() : connection_(Connect()) {
    if (!input_.connected()) {
        xcb_disconnect(connection_);
        throw std::runtime_error("X: cannot send input through XTest");
    }
}

XWindowProbe::~XWindowProbe() { xcb_disconnect(connection_); }

std::optional<TimePoint> XWindowProbe::waitForDrawn(xcb_window_t window, const DrawnCheck& check,
                                                    TimePoint deadline) {
    while (Clock::now() < deadline) {
        // The time is taken before the look: the pixels were there by then at the latest.
        const TimePoint looked = Clock::now();
        if (passes(window, check)) return looked;
        std::this_thread::sleep_for(kPollInterval);
    }
    return std::nullopt;
}

TimePoint XWindowProbe::click(xcb_window_t window, int x, int y) {
    input_.moveToWindow(window, x, y);
    input_.sync();
    // A hand rests on the button for a moment; the button fires on the release, timed below.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    input_.pressLeft();
    input_.sync();
    std::this_thread::sleep_for(std::chrono::milliseconds(60));
    const TimePoint released = Clock::now();
    input_.releaseLeft();
    input_.sync();
    return released;
}

void XWindowProbe::typeOver(xcb_window_t window, int x, int y, std::string_view text) {
    click(window, x, y);
    input_.key('a', support::XInput::Modifier::Control);
    input_.type(text);
    input_.sync();
}

bool XWindowProbe::passes(xcb_window_t window, const DrawnCheck& check) {
    // All requests go out before the first reply is awaited: one round trip per look.
    auto request = [&](const PixelRect& rect) {
        return xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window,
                             static_cast<int16_t>(rect.x), static_cast<int16_t>(rect.y),
                             static_cast<uint16_t>(rect.width), static_cast<uint16_t>(rect.height),
                             ~0u);
    };
    std::vector<xcb_get_image_cookie_t> backgroundCookies;
    std::vector<xcb_get_image_cookie_t> controlCookies;
    for (const PixelRect& rect : check.background) backgroundCookies.push_back(request(rect));
    for (const PixelRect& rect : check.controls) controlCookies.push_back(request(rect));

    auto fetch = [&](xcb_get_image_cookie_t cookie, const PixelRect& rect) {
        // Unread errors would pile up in the connection's queue: take them here.
        xcb_generic_error_t* error = nullptr;
        const Reply<xcb_get_image_reply_t> reply(xcb_get_image_reply(connection_, cookie, &error));
        std::free(error);
        return Pixels(reply.get(), rect);
    };
    bool drawn = true;
    std::optional<uint32_t> background;
    for (std::size_t i = 0; i < check.background.size(); ++i) {
        for (const uint32_t pixel : fetch(backgroundCookies[i], check.background[i])) {
            if (!background) background = pixel;
            if (pixel != *background) drawn = false;
        }
    }
    if (!background) drawn = false;
    for (std::size_t i = 0; i < check.controls.size(); ++i) {
        bool differs = false;
        for (const uint32_t pixel : fetch(controlCookies[i], check.controls[i])) {
            if (background && pixel != *background) differs = true;
        }
        if (!differs) drawn = false;
    }
    return drawn;
}

}  // namespace bench
