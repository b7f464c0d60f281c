// Shared state and helpers of the Qt binding's source files. Qt types only; X11 stays in x11.cpp.
#pragma once

#include "platform/platform.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <string>
#include <string_view>

class CanvasWidget;
class QAction;
class QMenu;

namespace qt_binding {

// ---- text.cpp: Windows-1252 byte strings <-> QString
void decode_cp1252(std::string_view bytes, QString& out);
QString from_cp1252(std::string_view bytes);
std::string to_cp1252(const QString& text);

// ---- events.cpp: the binding's own event queue, read by wait_event
void post_event(int kind, int number);
// Remembers a press seen by a widget, so that button_pressed reports it even if it was released
// before the next poll.
void note_button_press(Qt::MouseButton button);
// Handles pending events, waiting up to about one pass (5 ms) for something to happen.
void pump_one_pass();

// ---- window.cpp
QWidget* window_widget(int number);
QWidget* widget_of_handle(WindowHandle handle);
QWidget* last_opened_window();

// ---- canvas.cpp
CanvasWidget* canvas_widget(int number);
QImage* canvas_image(int number);
void present_canvas(CanvasWidget* canvas);
void forget_canvases_of(QWidget* window);

// ---- image.cpp
QImage* slot_image(int slot);

// ---- draw.cpp
void drop_fonts();

// ---- menu.cpp
QMenu* popup_menu(int number);
// The item in the menu or its submenus, nullptr if there is none.
QAction* find_menu_item(QMenu* menu, int item);
void drop_menus();

// ---- x11.cpp: direct X requests, effective only when Qt runs on xcb
struct PointerReading {
    bool valid = false; // false when there is no X connection (offscreen and other platforms)
    QPoint position;    // relative to the queried window (the root window: screen coordinates)
    bool left = false;
    bool right = false;
};
// The X display named by DISPLAY accepts a connection.
bool x11_display_reachable();
// Gives the window the screen's default colormap where its visual allows.
void x11_use_default_colormap(WId window);
// One query of the pointer; `window` 0 means the root window.
PointerReading x11_query_pointer(WId window);
// The buttons (and the pointer in screen coordinates) as read last, read afresh only when the pointer
// devices have reported something since; presses among their reports are noted.
PointerReading x11_query_buttons();

// The pointer in screen coordinates, from X when available.
QPoint pointer_position();

} // namespace qt_binding
