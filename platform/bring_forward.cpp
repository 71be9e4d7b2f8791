#include "platform/bring_forward.h"

#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <regex>

namespace platform {

namespace {

// The time of the launch, from a token such as "launcher-123-host-app-0_TIME4567".
std::optional<xcb_timestamp_t> LaunchTime(const std::string& token) {
    static const std::regex Time("_TIME([0-9]+)$");
    std::smatch match;
    if (!std::regex_search(token, match, Time)) return std::nullopt;
    return static_cast<xcb_timestamp_t>(std::stoul(match[1]));
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

xcb_connection_t* X11Connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t RootWindow(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

// Asks the window manager to activate `window` as the answer to the click at `time` that
// launched the second start, which focus-stealing prevention lets through.
void ActivateAt(xcb_connection_t* connection, xcb_window_t window, xcb_timestamp_t time) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = Atom(connection, "_NET_ACTIVE_WINDOW");
    event.data.data32[0] = 1;  // from an application
    event.data.data32[1] = time;
    xcb_send_event(connection, 0, RootWindow(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    // Without a window manager nobody answers that; the X server takes the focus request
    // when it is not older than the last focus change.
    xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, window, time);
}

// The startup-notification protocol's "remove" message, in 20-byte client messages to the
// root window, the first of type _NET_STARTUP_INFO_BEGIN.
void EndStartupNotification(xcb_connection_t* connection, xcb_window_t window,
                            const std::string& token) {
    std::string message = "remove: ID=";
    for (const char c : token) {
        if (c == ' ' || c == '"' || c == '\\') message += '\\';
        message += c;
    }
    message += '\0';
    const xcb_atom_t begin = Atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = Atom(connection, "_NET_STARTUP_INFO");
    for (std::size_t at = 0; at < message.size(); at += 20) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = window;
        event.type = at == 0 ? begin : more;
        std::memcpy(event.data.data8, message.data() + at,
                    std::min<std::size_t>(20, message.size() - at));
        xcb_send_event(connection, 0, RootWindow(connection), XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&event));
    }
}

}  // namespace

void BringForward(QWidget& window, const std::string& startupToken) {
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
    xcb_connection_t* connection = X11Connection();
    if (!connection || startupToken.empty()) return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    if (const auto time = LaunchTime(startupToken)) ActivateAt(connection, id, *time);
    EndStartupNotification(connection, id, startupToken);
    xcb_flush(connection);
}

}  // namespace platform
