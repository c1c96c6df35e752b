// Looks at a window the way a user's eyes would and clicks it the way a hand would. Pixels are
// read back from the X server, so a frame counts once it is on screen, whatever the program
// believes it has painted; clicks are fake hardware input (XTest), so they take the same road
// through the server and the toolkit as a real mouse's.
#pragma once

#include <xcb/xcb.h>

#include <optional>
#include <string_view>
#include <vector>

#include "bench/shared_helpers.h"
#include "tests/support/clock.h"
#include "tests/support/x_input.h"
#include "window/form1_layout.h"

namespace bench {

using nominator::PixelRect;

// What "drawn" means: every control's rectangle holds some pixel of another colour than the
// window's background, sampled where no control is. An unpainted window is all one colour
// (or shows what lay beneath it, which then fails the samples' agreement).
struct DrawnCheck {
    std::vector<PixelRect> background;
    std::vector<PixelRect> controls;
};

class XWindowProbe {
public:
    // Connects to $DISPLAY.
    XWindowProbe();
    ~XWindowProbe();

    XWindowProbe(const XWindowProbe&) = delete;
    XWindowProbe& operator=(const XWindowProbe&) = delete;

    // When the window was first seen to pass the check, polling its pixels until the deadline.
    std::optional<TimePoint> waitForDrawn(xcb_window_t window, const DrawnCheck& check,
                                          TimePoint deadline);
    // A left click at a point of the window's client area. Returns the time of the release,
    // which is when a push button fires.
    TimePoint click(xcb_window_t window, int x, int y);
    // Clicks into the text box at the point, selects all and types the text over it, at once.
    void typeOver(xcb_window_t window, int x, int y, std::string_view text);

private:
    bool passes(xcb_window_t window, const DrawnCheck& check);

    xcb_connection_t* connection_;
    support::XInput input_;
};

}  // namespace bench
