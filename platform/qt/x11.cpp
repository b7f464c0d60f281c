// Direct X requests. Qt's own button state misses presses over the window's cut-out parts, where
// the X server delivers them to whatever lies below, so buttons and pointer are read from the server.
#include "platform/qt/binding.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>

namespace {

xcb_connection_t* qt_connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t root_window(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

} // namespace

namespace qt_binding {

bool x11_display_reachable() {
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool reachable = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return reachable;
}

// Qt gives every window a colormap of its own. Under a server with the Composite extension, the
// parts that a window shape cuts away then show black instead of what lies below; the screen's
// default colormap serves a window of the default visual just as well.
void x11_use_default_colormap(WId window) {
    xcb_connection_t* connection = qt_connection();
    if (!connection) return;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_get_window_attributes_reply_t* attributes = xcb_get_window_attributes_reply(
        connection, xcb_get_window_attributes(connection, static_cast<xcb_window_t>(window)), nullptr);
    if (!attributes) return;
    if (attributes->visual == screen->root_visual) {
        const std::uint32_t colormap = screen->default_colormap;
        xcb_change_window_attributes(connection, static_cast<xcb_window_t>(window), XCB_CW_COLORMAP,
                                     &colormap);
        xcb_flush(connection);
    }
    std::free(attributes);
}

PointerReading x11_query_pointer(WId window) {
    PointerReading reading;
    xcb_connection_t* connection = qt_connection();
    if (!connection) return reading;
    const xcb_window_t target = window ? static_cast<xcb_window_t>(window) : root_window(connection);
    xcb_query_pointer_reply_t* reply =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, target), nullptr);
    if (!reply) return reading;
    reading.valid = true;
    reading.position = window ? QPoint(reply->win_x, reply->win_y) : QPoint(reply->root_x, reply->root_y);
    reading.left = (reply->mask & XCB_BUTTON_MASK_1) != 0;
    reading.right = (reply->mask & XCB_BUTTON_MASK_3) != 0;
    std::free(reply);
    return reading;
}

} // namespace qt_binding
