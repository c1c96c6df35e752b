#pragma once

#include <cstdint>

namespace support {

// Asks a top-level window to close the way a window manager does when the user clicks its
// close button: a WM_DELETE_WINDOW client message, sent by a client of its own.
void AskToClose(std::uint32_t window);

}  // namespace support
