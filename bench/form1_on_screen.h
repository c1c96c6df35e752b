// When Form1 counts as drawn, from the window's own layout table, so that the bench checks
// the controls the program actually places.
#pragma once

#include "bench/x_window_probe.h"

namespace bench {

// Form1 counts as drawn once the text boxes, the button and the label shown at start are
// painted over a background that is one colour at points no control covers.
DrawnCheck Form1DrawnCheck();

}  // namespace bench
