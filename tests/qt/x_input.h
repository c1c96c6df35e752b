#pragma once

#include <QPoint>
#include <cstdint>

struct xcb_connection_t;

namespace nominator {

// Real X input, sent by a client of its own through the XTEST extension, so that it travels
// through the X server and the toolkit's event queue as a user's would.
class XInput {
public:
    XInput();
    ~XInput();

    XInput(const XInput&) = delete;
    XInput& operator=(const XInput&) = delete;

    bool connected() const;
    void moveTo(QPoint screenPosition);
    // Presses and releases the key that types the Latin-1 character.
    void type(char character);
    void clickLeft();
    // Sends everything so far and waits until the server has processed it.
    void sync();

private:
    xcb_connection_t* xcb_;
    std::uint32_t root_ = 0;  // no root window: not connected
};

}  // namespace nominator
