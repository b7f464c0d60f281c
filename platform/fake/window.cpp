// Windows of the fake: records with a screen position, an inner size, flags, timers and a shape.
#include "platform/fake/fake_state.h"

#include <algorithm>
#include <optional>

namespace {

struct Point {
    int x, y;
};

// The pointer in the window's coordinates when it lies inside the window's inner rectangle.
std::optional<Point> pointer_in(int number) {
    const FakeWindow* window = open_fake_window(number);
    if (!window) return std::nullopt;
    const Point p{fake.pointer_x - window->x, fake.pointer_y - window->y};
    if (p.x < 0 || p.y < 0 || p.x >= window->width || p.y >= window->height) return std::nullopt;
    return p;
}

} // namespace

FakeWindow* open_fake_window(int number) {
    auto found = fake.windows.find(number);
    return found == fake.windows.end() || found->second.closed ? nullptr : &found->second;
}

WindowHandle handle_of_window(int number) {
    return static_cast<WindowHandle>(number + 256);
}

int window_of_handle(WindowHandle handle) {
    for (const auto& [number, window] : fake.windows)
        if (!window.closed && handle_of_window(number) == handle) return number;
    return -1;
}

int open_window(int number, int x, int y, int width, int height, std::string_view title, int flags) {
    record("open_window", number, x, y, width, height, title, flags);
    if (open_fake_window(number)) violation("open_window on an open window");
    const bool fits = size_fits("open_window", width, height, false);
    if (fails("open_window") || !fits) return recorded_result(0);
    FakeWindow window;
    window.x = x;
    window.y = y;
    window.width = width;
    window.height = height;
    window.title = title;
    window.flags = flags;
    if (flags & WINDOW_CENTRED) {
        window.width = std::min(width, fake.desktop.width);
        window.height = std::min(height, fake.desktop.height);
        window.x = (fake.desktop.width - window.width) / 2;
        window.y = (fake.desktop.height - window.height) / 2;
    }
    fake.windows[number] = window;
    fake.window_shapes.erase(number);
    fake.last_window = number;
    return recorded_result(1);
}

void close_window(int number) {
    record("close_window", number);
    FakeWindow* window = open_fake_window(number);
    if (!window) return;
    window->closed = true;
    window->timers.clear();
    std::erase_if(fake.canvases, [number](const auto& entry) { return entry.second.window == number; });
    fake.window_shapes.erase(number);
}

void resize_window(int number, int x, int y, int width, int height) {
    record("resize_window", number, x, y, width, height);
    if (!size_fits("resize_window", width, height, true)) return;
    FakeWindow* window = open_fake_window(number);
    if (!window) return;
    if (x != KEEP) window->x = x;
    if (y != KEEP) window->y = y;
    if (width != KEEP) window->width = width;
    if (height != KEEP) window->height = height;
}

void add_timer(int window, int timer, int period_ms) {
    record("add_timer", window, timer, period_ms);
    FakeWindow* owner = open_fake_window(window);
    if (owner && std::ranges::find(owner->timers, timer) == owner->timers.end())
        owner->timers.push_back(timer);
}

void set_topmost(int window, int state) {
    record("set_topmost", window, state);
    if (FakeWindow* target = open_fake_window(window)) target->topmost = state != 0;
}

int window_mouse_x(int window) {
    record("window_mouse_x", window);
    const std::optional<Point> p = pointer_in(window);
    return recorded_result(p ? p->x : -1);
}

int window_mouse_y(int window) {
    record("window_mouse_y", window);
    const std::optional<Point> p = pointer_in(window);
    return recorded_result(p ? p->y : -1);
}

WindowHandle window_handle(int window) {
    record("window_handle", window);
    return recorded_result(open_fake_window(window) ? handle_of_window(window) : WindowHandle{0});
}

const FakeWindow* fake_window(int number) {
    auto found = fake.windows.find(number);
    return found == fake.windows.end() ? nullptr : &found->second;
}

bool fake_window_shape_contains(int number, int x, int y) {
    const FakeWindow* window = open_fake_window(number);
    if (!window || x < 0 || y < 0 || x >= window->width || y >= window->height) return false;
    auto shape = fake.window_shapes.find(number);
    return shape == fake.window_shapes.end() || shape->second.contains(x, y);
}

void fake_set_pointer(int window, int x, int y) {
    const FakeWindow* target = open_fake_window(window);
    fake.pointer_x = x + (target ? target->x : 0);
    fake.pointer_y = y + (target ? target->y : 0);
}
