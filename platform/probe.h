// Test-only reads and inputs that every real binding provides beside the contract, so that one
// conformance suite can check each binding. The program itself never calls them.
#pragma once

#include "platform/platform.h"

#include <string_view>

// Returned by the pixel probes for an empty slot, a missing surface or a point outside the image.
inline constexpr Colour PROBE_NO_PIXEL = 0xFFFFFFFFu;

// Special keys for probe_type_later, mixed freely with Windows-1252 characters.
inline constexpr char PROBE_KEY_ENTER = '\r';
inline constexpr char PROBE_KEY_ESCAPE = '\x1b';
inline constexpr char PROBE_KEY_UP = '\x1e';
inline constexpr char PROBE_KEY_DOWN = '\x1f';
inline constexpr char PROBE_KEY_RIGHT = '\x1d';

struct ProbeRect {
    int x, y, width, height;
};

// Pixel (x, y) of the slot's image as R + 256 G + 65536 B; PROBE_NO_PIXEL if empty or outside.
Colour probe_image_pixel(int slot, int x, int y);
// Width and height of the slot's image in pixels; 0 when the slot is empty.
int probe_image_width(int slot);
int probe_image_height(int slot);
// Pixel (x, y) of the drawing surface's off-screen image; PROBE_NO_PIXEL if absent or outside.
Colour probe_canvas_pixel(int canvas, int x, int y);
// True when window pixel (x, y) belongs to the window's shape; a window without a shape of its own
// contains exactly its inner rectangle. False when the window does not exist.
bool probe_window_shape_contains(int window, int x, int y);
// The window's inner rectangle in screen coordinates; all zero when the window does not exist.
ProbeRect probe_window_rect(int window);
// True when the window is in the always-on-top layer.
bool probe_window_topmost(int window);
// Check mark of the item in the menu or its submenus: 1 checked, 0 not, -1 no such menu or item.
int probe_menu_check(int menu, int item);
// Puts the pointer at (x, y) in screen coordinates.
void probe_set_pointer(int x, int y);
// After delay_ms, types the keys into the focused control or the open menu, also while a modal
// phase (menu, prompt) runs on this thread; the timer runs only while events are being handled.
void probe_type_later(int delay_ms, std::string_view keys);
// Drops every key of probe_type_later not typed yet.
void probe_cancel_typing();
