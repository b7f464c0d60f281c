// The fake binding's state and call record, shared by its files.
#pragma once

#include "platform/fake/fake.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

struct FakeRect {
    int left, top, right, bottom;
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

// A region kept as the exclusive or of its rectangles: a point belongs to it when an odd number of
// them hold it. Exclusive or of two regions is then just the list of both.
struct FakeRegion {
    std::vector<FakeRect> terms;
    bool contains(int x, int y) const {
        bool inside = false;
        for (const FakeRect& r : terms)
            inside ^= r.contains(x, y);
        return inside;
    }
};

struct FakeMenuEntry {
    enum Kind { ITEM, SEPARATOR, SUBMENU } kind = ITEM;
    int item = -1;
    std::string text;
    bool checked = false;
    std::vector<FakeMenuEntry> entries; // of a submenu
};

struct FakeButton {
    bool down = false;
    bool pressed_since_query = false;
};

struct FakeEvent {
    int kind;
    int number;
};

struct FakeState {
    DesktopSize desktop{1920, 1080};
    std::set<std::string, std::less<>> failing;

    std::map<int, FakeWindow> windows;
    std::map<int, FakeRegion> window_shapes;
    int last_window = -1;
    std::map<int, FakeCanvas> canvases;
    std::map<int, FakePixmap> images;
    std::map<Region, FakeRegion> regions;
    Region next_region = 1;
    std::map<int, FontHandle> fonts;

    std::map<int, std::vector<FakeMenuEntry>> menus;
    int menu_target = -1;                  // menu under construction
    std::vector<std::size_t> submenu_path; // indices of the open submenus within it

    std::deque<FakeEvent> queue;
    int event_number = 0;
    std::deque<std::function<FakeEvent()>> script;
    FakeEvent script_end{EVENT_MENU, 4}; // the caliper's quit item
    int overruns = 0;
    std::deque<int> menu_choices;
    std::deque<std::string> prompt_answers;

    int pointer_x = -100000, pointer_y = -100000; // screen coordinates
    FakeButton left, right;

    std::optional<DrawTarget> drawing;
    FontHandle font = 0;
    bool transparent = false;

    bool recording = true;
    std::vector<std::string> calls;
    std::vector<FakeText> texts;
    std::vector<FakePrompt> prompts;
    std::vector<std::string> violations;
};

extern FakeState fake;

bool fails(std::string_view operation);
// Counts a wait, menu or prompt that found its script used up; the first one is also told on stderr.
void script_overrun(std::string_view operation);
void violation(std::string what);
// False, with a violation, for a width or height outside 1 ... 32767 (KEEP passes where allowed): no
// window system takes those, and an overflowing size computation shows up as one.
bool size_fits(std::string_view operation, int width, int height, bool keep_allowed);

// ---- Shared between the files -------------------------------------------------------------------

FakeWindow* open_fake_window(int number); // nullptr unless open
WindowHandle handle_of_window(int number);
int window_of_handle(WindowHandle handle); // -1 when no window has that handle
int canvas_under_pointer();                // -1 when no visible surface is under it
FakePixmap blank_pixmap(int width, int height, Colour colour);
void queue_event(int kind, int number);

// ---- The call record ----------------------------------------------------------------------------

struct Hex {
    Colour value;
};

std::string call_argument(int value);
std::string call_argument(Hex colour);
std::string call_argument(std::uintptr_t handle);
std::string call_argument(float value);
std::string call_argument(std::string_view text);
std::string call_argument(MouseButton button);
std::string call_argument(DrawTarget target);

template <typename... Args> void record(std::string_view name, const Args&... args) {
    if (!fake.recording) return;
    std::string call(name);
    call += '(';
    [[maybe_unused]] std::string_view separator;
    ((call += separator, call += call_argument(args), separator = ", "), ...);
    call += ')';
    fake.calls.push_back(std::move(call));
}

// Appends " = result" to the call recorded last.
template <typename T> T recorded_result(T result) {
    if (fake.recording && !fake.calls.empty()) {
        if constexpr (std::is_same_v<T, bool>)
            fake.calls.back() += result ? " = true" : " = false";
        else
            fake.calls.back() += " = " + call_argument(result);
    }
    return result;
}
