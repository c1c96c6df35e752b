#include "tests/support/x_window_close.h"

#include <xcb/xcb.h>

#include <memory>

#include "tests/support/x_reply.h"

namespace support {

void AskToClose(std::uint32_t window) {
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> owned(Connect(),
                                                                             &xcb_disconnect);
    xcb_connection_t* connection = owned.get();
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = Intern(connection, "WM_PROTOCOLS");
    message.data.data32[0] = Intern(connection, "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    // No event mask: the message goes to the client that made the window.
    xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&message));
    // The round trip makes sure the server has passed it on before the connection goes.
    const Reply<xcb_get_input_focus_reply_t> synced(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

}  // namespace support
