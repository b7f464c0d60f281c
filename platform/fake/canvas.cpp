// The drawing surface of the fake: a child of a window with an off-screen image of real pixels.
#include "platform/fake/fake_state.h"

#include <algorithm>

namespace {

constexpr Colour WHITE = 0xFFFFFF;

// True when the surface shows at the pointer: inside its window, the window's shape and itself.
bool shows_at_pointer(const FakeCanvas& canvas) {
    const FakeWindow* window = open_fake_window(canvas.window);
    if (!window) return false;
    const int x = fake.pointer_x - window->x;
    const int y = fake.pointer_y - window->y;
    return fake_window_shape_contains(canvas.window, x, y) && x >= canvas.x && y >= canvas.y &&
           x < canvas.x + canvas.image.width && y < canvas.y + canvas.image.height;
}

} // namespace

FakePixmap blank_pixmap(int width, int height, Colour colour) {
    FakePixmap pixmap{width, height, {}};
    pixmap.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), colour);
    return pixmap;
}

int canvas_under_pointer() {
    for (const auto& [number, canvas] : fake.canvases)
        if (shows_at_pointer(canvas)) return number;
    return -1;
}

void create_canvas(int number, int x, int y, int width, int height) {
    record("create_canvas", number, x, y, width, height);
    if (!size_fits("create_canvas", width, height, false)) return;
    if (!open_fake_window(fake.last_window)) return;
    fake.canvases[number] = FakeCanvas{fake.last_window, x, y, blank_pixmap(width, height, WHITE)};
}

void resize_canvas(int number, int x, int y, int width, int height) {
    record("resize_canvas", number, x, y, width, height);
    if (!size_fits("resize_canvas", width, height, true)) return;
    auto found = fake.canvases.find(number);
    if (found == fake.canvases.end()) return;
    FakeCanvas& canvas = found->second;
    if (x != KEEP) canvas.x = x;
    if (y != KEEP) canvas.y = y;
    const FakePixmap& old = canvas.image;
    FakePixmap resized =
        blank_pixmap(width == KEEP ? old.width : width, height == KEEP ? old.height : height, WHITE);
    for (int row = 0; row < std::min(old.height, resized.height); ++row)
        std::copy_n(old.pixels.begin() + static_cast<std::ptrdiff_t>(row) * old.width,
                    std::min(old.width, resized.width),
                    resized.pixels.begin() + static_cast<std::ptrdiff_t>(row) * resized.width);
    canvas.image = std::move(resized);
}

int canvas_width(int number) {
    record("canvas_width", number);
    auto found = fake.canvases.find(number);
    return recorded_result(found == fake.canvases.end() ? 0 : found->second.image.width);
}

int canvas_height(int number) {
    record("canvas_height", number);
    auto found = fake.canvases.find(number);
    return recorded_result(found == fake.canvases.end() ? 0 : found->second.image.height);
}

const FakeCanvas* fake_canvas(int number) {
    auto found = fake.canvases.find(number);
    return found == fake.canvases.end() ? nullptr : &found->second;
}
