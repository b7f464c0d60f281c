// Direct X requests. Qt's own button state misses presses over the window's cut-out parts, where
// the X server delivers them to whatever lies below, so buttons and pointer are read from the server.
#include "platform/qt/binding.h"

#include <QGuiApplication>
#include <QSocketNotifier>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

// After every Qt header: Xlib defines names such as None and Bool as macros.
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <cstdint>
#include <cstdlib>

namespace {

xcb_connection_t* qt_connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The buttons are polled on a connection of the binding's own, which also takes the server's raw
// input events: they report every move and button of the pointer devices wherever the pointer is.
// While none arrives, the buttons read last still hold, so a caliper at rest asks the server nothing.
// (Positions are read on Qt's connection, in order with Qt's own moves of windows and pointer.)
struct PointerLink {
    Display* display = nullptr;
    bool raw_input = false;       // XInput 2 raw events arrive on the connection
    bool buttons_current = false; // no input event since the buttons were read
    qt_binding::PointerReading buttons;
    int input_opcode = 0;
};

bool select_raw_input(Display* display, int& opcode) {
    int event = 0, error = 0, major = 2, minor = 2;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error)) return false;
    if (XIQueryVersion(display, &major, &minor) != Success) return false;
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawMotion);
    XISetMask(bits, XI_RawButtonPress);
    XISetMask(bits, XI_RawButtonRelease);
    XIEventMask mask{XIAllDevices, static_cast<int>(sizeof bits), bits};
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
    XFlush(display);
    return true;
}

// A press reported here also counts when it is over before the next poll of the buttons.
void note_raw_press(XEvent& event, const PointerLink& link) {
    if (event.xcookie.extension != link.input_opcode || event.xcookie.evtype != XI_RawButtonPress) return;
    if (!XGetEventData(link.display, &event.xcookie)) return;
    const int button = static_cast<const XIRawEvent*>(event.xcookie.data)->detail;
    if (button == Button1) qt_binding::note_button_press(Qt::LeftButton);
    if (button == Button3) qt_binding::note_button_press(Qt::RightButton);
    XFreeEventData(link.display, &event.xcookie);
}

// Takes the events already read from the connection; `mode` QueuedAfterReading also reads it.
void take_raw_input(PointerLink& link, int mode) {
    while (XEventsQueued(link.display, mode) > 0) {
        XEvent event;
        XNextEvent(link.display, &event);
        note_raw_press(event, link);
        link.buttons_current = false;
    }
}

PointerLink& pointer_link() {
    static PointerLink link;
    if (link.display || !qt_connection()) return link;
    link.display = XOpenDisplay(nullptr);
    if (!link.display) return link;
    link.raw_input = select_raw_input(link.display, link.input_opcode);
    // Qt's event wait watches the connection, so that checking it costs the caliper's pass nothing.
    auto* incoming = new QSocketNotifier(ConnectionNumber(link.display), QSocketNotifier::Read, qGuiApp);
    QObject::connect(incoming, &QSocketNotifier::activated, [] { take_raw_input(link, QueuedAfterReading); });
    QObject::connect(qGuiApp, &QObject::destroyed, [] {
        XCloseDisplay(link.display);
        link = PointerLink{};
    });
    return link;
}

xcb_window_t root_window(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

qt_binding::PointerReading query_root(Display* display) {
    qt_binding::PointerReading reading;
    Window root = 0, child = 0;
    int x = 0, y = 0, window_x = 0, window_y = 0;
    unsigned int mask = 0;
    if (!XQueryPointer(display, DefaultRootWindow(display), &root, &child, &x, &y, &window_x, &window_y,
                       &mask))
        return reading;
    reading.valid = true;
    reading.position = QPoint(x, y);
    reading.left = (mask & Button1Mask) != 0;
    reading.right = (mask & Button3Mask) != 0;
    return reading;
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

PointerReading x11_query_buttons() {
    PointerLink& link = pointer_link();
    if (!link.raw_input) return x11_query_pointer(0);
    take_raw_input(link, QueuedAlready); // read along with an earlier reply
    if (!link.buttons_current) {
        link.buttons = query_root(link.display);
        link.buttons_current = link.buttons.valid;
    }
    return link.buttons;
}

} // namespace qt_binding
