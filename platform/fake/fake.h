// Scripting and inspection of the fake binding, for tests.
//
// The fake is a whole binding held in memory: windows, the drawing surface and images with real
// pixels, regions, menus, fonts and an event queue. A test scripts what the user and the window
// system do (pointer, buttons, timer ticks, menu choices, prompt answers) and reads back the state of
// every object and the record of the calls the program made.
#pragma once

#include "platform/platform.h"

#include <string>
#include <string_view>
#include <vector>

// ---- Between tests -------------------------------------------------------------------------------

// Back to a fresh process: no objects, empty script and records, desktop 1920 x 1080, pointer far
// outside every window, no failing operations, recording on.
void fake_reset();
// The desktop size desktop_size() reports from now on.
void fake_set_desktop_size(int width, int height);
// From now on the named operation fails: "platform_init", "open_window", "create_popup_menu",
// "load_font", "image_from_bmp", "create_image" or "create_rect_region".
void fake_fail(std::string_view operation);

// ---- Script --------------------------------------------------------------------------------------
// Each wait_event that finds the binding's own queue empty takes the next step, applies it as the
// window system would and returns the event that raises (EVENT_NONE when it raises none).

// Nothing happens within the time-out.
void fake_step_idle();
// The pointer moves to (x, y) in the window's coordinates; the surface under the pointer before or
// after the move (only where the window's shape shows it) raises EVENT_CANVAS.
void fake_step_pointer(int window, int x, int y);
// The button goes down (or up) where the pointer is; a surface there raises EVENT_CANVAS.
void fake_step_press(MouseButton button);
void fake_step_release(MouseButton button);
// The window's timer expires: EVENT_TIMER if the window runs that timer, else nothing.
void fake_step_timer(int window, int timer);
// Any event as it stands, e.g. EVENT_CLOSE or a kind of the binding's own.
void fake_step_event(int kind, int number);

// What wait_event returns once the script is used up (it never waits then); every such return
// counts as an overrun. Until set: EVENT_MENU with item 4, the caliper's quit item, so that a
// program whose script ran out ends instead of waiting for ever. A benchmark that runs idle passes
// sets EVENT_NONE.
void fake_on_script_end(int kind, int number);
// The next show_popup_menu chooses this item; a negative item closes the menu without a choice.
void fake_script_menu_choice(int item);
// The next prompt_text returns this answer.
void fake_script_prompt_answer(std::string answer);
// How often a wait, a menu or a prompt found its script used up since the reset.
int fake_script_overruns();

// Immediate input, outside the script (no event is raised).
void fake_set_pointer(int window, int x, int y);
void fake_set_button(MouseButton button, bool down);

// ---- Inspection ----------------------------------------------------------------------------------

struct FakePixmap {
    int width = 0;
    int height = 0;
    std::vector<Colour> pixels; // row by row from the top-left pixel
    Colour at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

struct FakeWindow {
    bool closed = false;
    int x = 0, y = 0, width = 0, height = 0; // screen position and inner size
    std::string title;
    int flags = 0;
    bool topmost = false;
    std::vector<int> timers;
    bool shaped = false; // a region has been set as its shape
};

struct FakeCanvas {
    int window = 0;
    int x = 0, y = 0; // position inside the window
    FakePixmap image;
};

struct FakeText {
    DrawTarget target;
    int x = 0, y = 0;
    std::string text;
    bool rotated = false;
    float angle = 0.0f;
    Colour colour = 0;
    FontHandle font = 0;
    bool transparent = false;
};

struct FakePrompt {
    std::string title, message, default_text;
};

// nullptr when the object was never made (a closed window stays, marked closed).
const FakeWindow* fake_window(int number);
const FakeCanvas* fake_canvas(int number);
const FakePixmap* fake_image(int slot);
// True when window pixel (x, y) is inside the window and its shape (no shape: the whole window).
bool fake_window_shape_contains(int window, int x, int y);
// Regions created and neither deleted nor handed to a window.
int fake_live_regions();
// The menu as one line: items "text(number)", checked ones marked "*", separators "-", a submenu as
// "title[ ... ]", entries separated by ", ". Empty when the menu does not exist.
std::string fake_menu_outline(int menu);

// Every contract call in order, as "name(arguments)": numbers in decimal, colours as their value in
// six hexadecimal digits (0xE4191B), KEEP as "KEEP", texts as they stand; calls that return a
// handle or a result end in " = result".
const std::vector<std::string>& fake_calls();
// Every draw_text and draw_text_rotated, with its target and drawing state.
const std::vector<FakeText>& fake_texts();
const std::vector<FakePrompt>& fake_prompts();
// Forgets the calls, texts and prompts recorded so far.
void fake_clear_records();
// Recording costs allocations; a benchmark turns it off.
void fake_set_recording(bool on);
// Uses of the contract that a real binding would not survive or that break its rules: sizes of
// zero or less, nested or missing begin_drawing, unknown regions, and the like.
const std::vector<std::string>& fake_violations();
