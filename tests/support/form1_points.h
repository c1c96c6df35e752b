// Where Form1's controls are on screen, from the window's own layout table, so that tests and
// the bench click the controls the program actually places.
#pragma once

#include <string_view>

namespace support {

struct PixelPoint {
    int x;
    int y;
};

// The centre of the named control, in pixels from the client area's top-left corner. Throws
// std::logic_error for a name the layout does not have.
PixelPoint CentreOf(std::string_view control);

// A point on the vertical scroll bar of the shown browser pane, halfway down, from the client
// area's top-left corner, at the design size: a click there gives the pane's page the keyboard
// focus and leaves the page's own focus where it was. Every pane sits at the same rectangle.
PixelPoint PaneScrollBar();

}  // namespace support
