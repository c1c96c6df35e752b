#pragma once

#include <cstdint>
#include <string_view>

struct xcb_connection_t;

namespace support {

// Real X input, sent by a client of its own through the XTEST extension, so that it travels
// through the X server and the toolkit's event queue as a user's would.
class XInput {
public:
    XInput();
    ~XInput();

    XInput(const XInput&) = delete;
    XInput& operator=(const XInput&) = delete;

    bool connected() const;
    // To a point of the screen, in pixels.
    void moveTo(int x, int y);
    // To a point of a window's client area, in pixels.
    void moveToWindow(std::uint32_t window, int x, int y);
    // Presses and releases the key with the keysym (X11/keysymdef.h), Shift, Control or Alt
    // held down meanwhile when asked.
    enum class Modifier { None, Shift, Control, Alt };
    void key(std::uint32_t keysym, Modifier modifier = Modifier::None);
    // Types the Latin-1 character, holding Shift for one on a key's shifted level ("A", "&").
    void type(char character);
    void type(std::string_view text);
    void pressLeft();
    void releaseLeft();
    // The modifier held down meanwhile when asked: Control opens a link in a new window.
    void clickLeft(Modifier modifier = Modifier::None);
    // The button that opens a context menu.
    void clickRight();
    // The wheel's button, which opens a link in a new window.
    void clickMiddle();
    // Turns the wheel by one notch, away from the user (up) or towards, the modifier held down.
    void wheel(bool up, Modifier modifier = Modifier::None);
    // Moves to a point of a window's client area, in pixels, and clicks there.
    void clickIn(std::uint32_t window, int x, int y);
    // Sends everything so far and waits until the server has processed it.
    void sync();
    // The window that has the keyboard focus now, once everything so far has been processed.
    std::uint32_t focusWindow();

private:
    void press(std::uint8_t keycode, bool down);
    void button(std::uint8_t button, bool down);
    // Holds the modifier's key down or lets it go.
    void hold(Modifier modifier, bool down);

    xcb_connection_t* xcb_;
    std::uint32_t root_ = 0;  // no root window: not connected
};

}  // namespace support
