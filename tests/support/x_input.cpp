#include "tests/support/x_input.h"

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace support {

namespace {

constexpr xcb_button_t kLeftButton = 1;
constexpr xcb_button_t kMiddleButton = 2;
constexpr xcb_button_t kRightButton = 3;
// X reports the wheel as buttons: 4 for a notch up, 5 for a notch down.
constexpr xcb_button_t kWheelUp = 4;
constexpr xcb_button_t kWheelDown = 5;
constexpr xcb_keysym_t kShiftL = 0xffe1;
constexpr xcb_keysym_t kControlL = 0xffe3;
constexpr xcb_keysym_t kAltL = 0xffe9;

struct KeyOnKeyboard {
    xcb_keycode_t keycode = 0;
    bool shifted = false;
};

// The key that gives the keysym, unshifted if one does, else on its shifted level.
KeyOnKeyboard KeyOf(xcb_connection_t* xcb, xcb_keysym_t keysym) {
    const xcb_setup_t* setup = xcb_get_setup(xcb);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> mapping(
        xcb_get_keyboard_mapping_reply(
            xcb, xcb_get_keyboard_mapping(xcb, setup->min_keycode, static_cast<uint8_t>(count)),
            nullptr),
        &std::free);
    if (!mapping) return {};
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perKeycode = mapping->keysyms_per_keycode;
    for (const int level : {0, 1}) {
        if (level >= perKeycode) break;
        for (int key = 0; key < count; ++key) {
            if (keysyms[key * perKeycode + level] == keysym) {
                return {static_cast<xcb_keycode_t>(setup->min_keycode + key), level == 1};
            }
        }
    }
    return {};
}

}  // namespace

XInput::XInput() : xcb_(xcb_connect(nullptr, nullptr)) {
    if (xcb_connection_has_error(xcb_) == 0) {
        root_ = xcb_setup_roots_iterator(xcb_get_setup(xcb_)).data->root;
    }
}

XInput::~XInput() { xcb_disconnect(xcb_); }

bool XInput::connected() const { return root_ != XCB_NONE; }

void XInput::moveTo(int x, int y) {
    xcb_test_fake_input(xcb_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root_,
                        static_cast<int16_t>(x), static_cast<int16_t>(y), 0);
}

void XInput::press(std::uint8_t keycode, bool down) {
    xcb_test_fake_input(xcb_, down ? XCB_KEY_PRESS : XCB_KEY_RELEASE, keycode, XCB_CURRENT_TIME,
                        XCB_NONE, 0, 0, 0);
}

void XInput::button(std::uint8_t button, bool down) {
    xcb_test_fake_input(xcb_, down ? XCB_BUTTON_PRESS : XCB_BUTTON_RELEASE, button,
                        XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
}

void XInput::hold(Modifier modifier, bool down) {
    switch (modifier) {
        case Modifier::None:
            return;
        case Modifier::Shift:
            return press(KeyOf(xcb_, kShiftL).keycode, down);
        case Modifier::Control:
            return press(KeyOf(xcb_, kControlL).keycode, down);
        case Modifier::Alt:
            return press(KeyOf(xcb_, kAltL).keycode, down);
    }
}

void XInput::key(std::uint32_t keysym, Modifier modifier) {
    const KeyOnKeyboard key = KeyOf(xcb_, keysym);
    // A character on a key's shifted level needs Shift as well as the modifier asked for.
    const bool shift = key.shifted && modifier != Modifier::Shift;
    if (shift) hold(Modifier::Shift, true);
    hold(modifier, true);
    press(key.keycode, true);
    press(key.keycode, false);
    hold(modifier, false);
    if (shift) hold(Modifier::Shift, false);
}

// Latin-1 characters are their own keysyms.
void XInput::type(char character) { key(static_cast<unsigned char>(character)); }

void XInput::type(std::string_view text) {
    for (const char character : text) type(character);
}

void XInput::pressLeft() { button(kLeftButton, true); }

void XInput::releaseLeft() { button(kLeftButton, false); }

void XInput::clickLeft(Modifier modifier) {
    hold(modifier, true);
    pressLeft();
    releaseLeft();
    hold(modifier, false);
}

void XInput::clickRight() {
    button(kRightButton, true);
    button(kRightButton, false);
}

void XInput::clickMiddle() {
    button(kMiddleButton, true);
    button(kMiddleButton, false);
}

void XInput::wheel(bool up, Modifier modifier) {
    hold(modifier, true);
    button(up ? kWheelUp : kWheelDown, true);
    button(up ? kWheelUp : kWheelDown, false);
    hold(modifier, false);
}

void XInput::moveToWindow(std::uint32_t window, int x, int y) {
    std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> onRoot(
        xcb_translate_coordinates_reply(
            xcb_,
            xcb_translate_coordinates(xcb_, window, root_, static_cast<int16_t>(x),
                                      static_cast<int16_t>(y)),
            nullptr),
        &std::free);
    if (!onRoot) throw std::runtime_error("X: the window to click is gone");
    moveTo(onRoot->dst_x, onRoot->dst_y);
}

void XInput::clickIn(std::uint32_t window, int x, int y) {
    moveToWindow(window, x, y);
    clickLeft();
    sync();
}

void XInput::sync() { focusWindow(); }

std::uint32_t XInput::focusWindow() {
    xcb_get_input_focus_reply_t* reply =
        xcb_get_input_focus_reply(xcb_, xcb_get_input_focus(xcb_), nullptr);
    const std::uint32_t focus = reply != nullptr ? reply->focus : 0;
    std::free(reply);
    return focus;
}

}  // namespace support
