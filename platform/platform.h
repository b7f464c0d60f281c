// The platform contract: every operation the caliper logic calls on the outside world.
//
// One binding is linked into each program: platform/win32 (Win32 + GDI), platform/qt (Qt 6 Widgets)
// or platform/fake (scripted, for tests). Objects are addressed by small numbers the caller chooses;
// only fonts, windows and regions come back as handles. Coordinates are integer pixels, origin at the
// top-left pixel of the window, surface or image, x to the right, y downwards. Colours are 24-bit
// values with red in the low byte (R + 256 G + 65536 B). Texts are Windows-1252 byte strings; each
// binding converts them for display. No operation reports an error beyond its documented result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using Colour = std::uint32_t;
using FontHandle = std::uintptr_t;   // 0 means no font
using WindowHandle = std::uintptr_t; // 0 means no window
using Region = std::uintptr_t;       // 0 means no region
using FileHandle = std::intptr_t;    // 0 means no file

// Coordinate or size argument of resize_window / resize_canvas that leaves that value unchanged.
inline constexpr int KEEP = -65535;

// Event kinds returned by wait_event. Any other value is the binding's own and is ignored by the loop.
inline constexpr int EVENT_NONE = 0;       // nothing arrived within the time-out
inline constexpr int EVENT_CANVAS = 13100; // pointer activity on a drawing surface; event_gadget()
inline constexpr int EVENT_MENU = 13101;   // a popup-menu item was chosen; event_menu_item()
inline constexpr int EVENT_TIMER = 13110;  // a window timer expired; event_timer()
inline constexpr int EVENT_CLOSE = 13116;  // the window system asked the window to close

// open_window flags.
inline constexpr int WINDOW_BORDERLESS = 1; // no caption, frame or system menu: inner size = outer size
inline constexpr int WINDOW_CENTRED = 2;    // x, y ignored; size capped at the screen, then centred

// load_font flags: the output quality.
inline constexpr int FONT_QUALITY_DEFAULT = 0;
inline constexpr int FONT_QUALITY_PROOF = 1; // the system's highest quality

enum class MouseButton { LEFT, RIGHT };

// A drawing target for begin_drawing: an image slot or a drawing surface (both numbered from 0).
struct DrawTarget {
    enum Kind { IMAGE, CANVAS } kind;
    int number;
};
inline constexpr DrawTarget image_target(int slot) { return {DrawTarget::IMAGE, slot}; }
inline constexpr DrawTarget canvas_target(int number) { return {DrawTarget::CANVAS, number}; }

struct DesktopSize {
    int width;
    int height;
};

// ---- Lifecycle -----------------------------------------------------------------------------------

// Initialises windows, events, drawing, images, fonts, menus and prompts. False when the window
// system is unreachable (the binding has said why on stderr); nothing else may be called then.
bool platform_init();
// Releases whatever platform_init set up. Called last, after every object has been released.
void platform_shutdown();

// ---- Window (window.cpp) -------------------------------------------------------------------------

// Opens a top-level window: shown and activated at once, program icon, arrow cursor, taskbar entry
// titled `title`. Its close request raises EVENT_CLOSE instead of closing it. Non-zero on success.
int open_window(int number, int x, int y, int width, int height, std::string_view title, int flags);
// Closes the window with its drawing surface and timers. Nothing happens if it does not exist.
void close_window(int number);
// Moves (screen position of the top-left corner) and resizes (inner size) the window; KEEP leaves a
// value unchanged. Neither activates the window nor changes its stacking order.
void resize_window(int number, int x, int y, int width, int height);
// Repeating timer owned by the window; every expiry raises EVENT_TIMER carrying `timer`.
void add_timer(int window, int timer, int period_ms);
// state 1 puts the window in the always-on-top layer, 0 takes it out; neither moves nor resizes it.
void set_topmost(int window, int state);
// Pointer position relative to the window's inner area, read afresh on each call; -1 when either
// coordinate lies outside the inner rectangle (not the shape) or the window does not exist.
int window_mouse_x(int window);
int window_mouse_y(int window);
// The window's system handle, 0 if it does not exist.
WindowHandle window_handle(int window);

// ---- Drawing surface (canvas.cpp) ----------------------------------------------------------------

// Child drawing surface at (x, y) in the window opened last, with an off-screen 24-bit image of its
// size that starts white. Never takes the keyboard focus. Raises EVENT_CANVAS carrying `number` for
// the pointer entering, moving over, leaving, any button pressed or released, the wheel turned.
void create_canvas(int number, int x, int y, int width, int height);
// Moves and resizes the surface inside its window (KEEP as above). The off-screen image is made anew
// at the new size: white, the old image copied to its top-left corner; then it is repainted.
void resize_canvas(int number, int x, int y, int width, int height);
// The surface's current size in pixels, 0 if it does not exist.
int canvas_width(int number);
int canvas_height(int number);

// ---- Events and input (events.cpp) ---------------------------------------------------------------

// One event per call: one already queued is returned at once; otherwise pending system messages are
// dispatched until one becomes an event, waiting at most `timeout_ms`; EVENT_NONE if none came.
int wait_event(int timeout_ms);
// The object number carried by the event the latest wait_event returned (all three read one value).
int event_menu_item();
int event_gadget();
int event_timer();
// GetAsyncKeyState semantics: true when the button is down now or was pressed since the last query
// of that button. Sees presses anywhere on the screen, also over the window's cut-out parts.
bool button_pressed(MouseButton button);
// Hands a move of the window to the window system, as a press on a title bar would (the window
// follows the pointer). Returns when the left button is released.
void begin_window_move(WindowHandle window);
// The desktop's current size in pixels, queried afresh on every call.
DesktopSize desktop_size();

// ---- Fonts (draw.cpp) ----------------------------------------------------------------------------

// Font of `face` with a character height of nearest(points * vertical dpi / 72) pixels, halves away
// from zero (15 pt -> 20 px, 8 pt -> 11 px at 96 dpi), normal weight, upright. The slot names it for
// free_font. Returns the handle, 0 on failure.
FontHandle load_font(int slot, std::string_view face, int points, int flags);
// Releases the font of the slot. Nothing happens if the slot holds none.
void free_font(int slot);

// ---- Prompt (prompt.cpp) -------------------------------------------------------------------------

// Modal 300 x 130 dialog captioned `title`, centred on the primary screen: `message`, a one-line
// edit field holding `default_text` (focused, caret at the end) and a default "OK" button. OK or Enter
// returns the field's text; Escape or a close request returns "". Other windows are disabled meanwhile.
std::string prompt_text(std::string_view title, std::string_view message, std::string_view default_text);

// ---- Popup menu (menu.cpp) -----------------------------------------------------------------------

// Creates an empty popup menu and makes it the current target of the calls below. Non-zero on success.
int create_popup_menu(int number);
// Appends an entry opening a new, empty submenu to the current target; the submenu becomes the target.
void open_submenu(std::string_view title);
// Appends a text item to the current target; choosing it later raises EVENT_MENU carrying `item`.
void add_menu_item(int item, std::string_view text);
void add_menu_separator();
// Makes the menu holding the current submenu the target again; nothing at the top level.
void close_submenu();
// Sets (state != 0) or removes the check mark of `item`, searched in the menu and its submenus.
// Nothing happens if the menu does not exist.
void set_menu_check(int menu, int item, int state);
// Brings the window to the foreground and shows the menu modally with its top-left corner at the
// pointer minus (1, 1), moved to stay on screen; items are chosen with the left or right button.
// Returns when the menu closes; the choice arrives later through wait_event. Nothing if no menu.
void show_popup_menu(int menu, WindowHandle window);

// ---- Images (image.cpp) --------------------------------------------------------------------------

// Decodes a complete BMP file from memory into the slot, with exactly the file's pixels.
// Non-zero on success; on failure the slot is empty.
int image_from_bmp(int slot, const std::uint8_t* data, std::size_t size);
// A new 24-bit image, every pixel black. width and height must be positive. Non-zero on success;
// on failure the slot is empty.
int create_image(int slot, int width, int height);
void free_image(int slot);
bool image_exists(int slot);

// ---- Drawing (draw.cpp) --------------------------------------------------------------------------
// Every operation clips to the current target; coordinates outside it are legal and draw nothing.

// Starts drawing on the target with a fresh drawing state (text opaque on black, text white, the
// system's default font). False when the target does not exist: then skip the block, no end_drawing.
bool begin_drawing(DrawTarget target);
// Ends drawing; an image keeps the pixels, a drawing surface shows the new content on screen.
void end_drawing();
// Sets every pixel of the box (x, y, width, height) to the colour, opaque.
void fill_box(int x, int y, int width, int height, Colour colour);
// fill_box with each corner cut to a quarter ellipse of radii rx, ry (capped at half the side).
void fill_round_box(int x, int y, int width, int height, int rx, int ry, Colour colour);
// One-pixel line from (x1, y1) to (x2, y2), both end points set.
void draw_line(int x1, int y1, int x2, int y2, Colour colour);
// Following text uses this font (a handle from load_font).
void set_font(FontHandle font);
// Following text changes only the pixels under its glyphs (no background cell).
void set_text_transparent();
// Text with the top-left corner of its cell (advance x line height) at (x, y), glyphs blended by
// the system's edge smoothing.
void draw_text(int x, int y, std::string_view text, Colour colour = 0xFFFFFF);
// Text turned `angle` degrees counter-clockwise on screen about (x, y), the unrotated cell's top-left
// corner; at 270 the cell covers columns x - H .. x - 1 and rows y .. y + W - 1. Never a background.
void draw_text_rotated(int x, int y, std::string_view text, float angle, Colour colour = 0xFFFFFF);
// Copies every pixel of the slot's image with its top-left pixel at (x, y); nothing if the slot is empty.
void draw_image(int slot, int x, int y);

// ---- Regions (region.cpp) ------------------------------------------------------------------------

// A rectangle region (left, top, right, bottom): columns left .. right - 1, rows top .. bottom - 1;
// empty when right <= left or bottom <= top. 0 on failure.
Region create_rect_region(int left, int top, int right, int bottom);
// destination = first exclusive-or second.
void combine_region_xor(Region destination, Region first, Region second);
// Makes the region the window's shape (drawn and receiving the mouse) and redraws the window; the
// window system owns the region from then on.
void set_window_region(WindowHandle window, Region region);
void delete_region(Region region);

// ---- Settings file (file.cpp) --------------------------------------------------------------------
// Files by plain name, relative to the current working directory. While a handle is open, other
// processes may read the file but not write it.

enum class FileAccess { READ_WRITE, READ_ONLY };
// Opens an existing file. 0 when it does not exist or the access is refused.
FileHandle file_open(std::string_view name, FileAccess access);
// Creates the file for reading and writing, emptying an existing one. 0 on failure.
FileHandle file_create(std::string_view name);
// The whole content of the open file. False when it cannot be read.
bool file_read_all(FileHandle file, std::string& content);
// Replaces the file's whole content atomically and closes the handle: the content is written beside
// the file, flushed to disk, then swapped in with the file's permissions kept, so a crash leaves
// either the old or the new content whole. False when the file keeps its old content.
bool file_replace_and_close(FileHandle file, std::string_view name, std::string_view content);
void file_close(FileHandle file);
