// Where Form1's controls are in its client area, from the window's own layout table, so that
// the bench checks and clicks the controls the program actually places.
#pragma once

#include <string_view>

#include "bench/x_window_probe.h"

namespace bench {

// Form1 counts as drawn once the text boxes, the button and the label shown at start are
// painted over a background that is one colour at points no control covers.
DrawnCheck Form1DrawnCheck();

// The centre of a control of Form1, by its name in the layout, such as "Command1" ("AFD").
struct Point {
    int x;
    int y;
};
Point CentreOf(std::string_view control);

}  // namespace bench
