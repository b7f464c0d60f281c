// What the files of the Win32 binding share among themselves; nothing outside platform/win32 sees it.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "platform/platform.h"

#include <cstdint>
#include <string>
#include <string_view>

// An off-screen 24-bit picture: a top-down DIB section whose bits are also read and written directly.
struct Picture {
    HBITMAP bitmap = nullptr;
    std::uint8_t* bits = nullptr;
    int width = 0;
    int height = 0;
};

// ---- image.cpp
// Bytes per row of a 24-bit DIB: three per pixel, padded to whole 32-bit words.
inline int picture_stride(int width) {
    return (width * 3 + 3) & ~3;
}
// A new picture with every byte set to `fill` (0 black, 0xFF white); false, and an empty picture,
// when the system refuses the memory.
bool create_picture(Picture& picture, int width, int height, std::uint8_t fill);
void free_picture(Picture& picture);
Colour picture_pixel(const Picture& picture, int x, int y);
// The image of a slot, nullptr when the slot is empty.
Picture* image_picture(int slot);
void free_all_images();

// ---- canvas.cpp
Picture* canvas_picture(int number);
// Shows the surface's off-screen image if its pixels differ from the frame shown last.
void present_canvas(int number);
bool register_canvas_class();
// Hands a wheel turn that reached the top-level window to the surface under the pointer.
void forward_wheel_to_canvas(HWND window);

// ---- window.cpp
HINSTANCE module_instance();
HWND window_hwnd(int number);
HWND last_opened_window();
bool register_window_class();

// ---- events.cpp
// Appends an event to the binding's queue. A timer, surface or close event equal to one still waiting
// is dropped, so modal phases (menu, prompt, window move) cannot pile up a backlog of stale events.
void queue_event(int kind, int number);

// ---- menu.cpp
HMENU menu_handle(int number);
// Win32 command identifier of a menu item number, and back: zero cannot be a menu command.
UINT menu_command_id(int item);
int menu_item_of_command(UINT command);
void destroy_all_menus();

// ---- draw.cpp
bool create_drawing_contexts();
void release_drawing_contexts();
void free_all_fonts();

// ---- text.cpp
// Windows-1252 bytes to UTF-16 and back; the display never depends on the system code page.
std::wstring to_wide(std::string_view text);
std::string from_wide(std::wstring_view text);
