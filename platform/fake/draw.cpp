// Fonts and drawing of the fake: boxes, rounded boxes, lines and image copies set real pixels,
// clipped to the target; texts are recorded with their drawing state instead of being rasterised.
#include "platform/fake/fake_state.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr FontHandle SYSTEM_FONT = 0;

FakePixmap* pixmap_of(DrawTarget target) {
    if (target.kind == DrawTarget::IMAGE) {
        auto found = fake.images.find(target.number);
        return found == fake.images.end() ? nullptr : &found->second;
    }
    auto found = fake.canvases.find(target.number);
    return found == fake.canvases.end() ? nullptr : &found->second.image;
}

FakePixmap* current_target(std::string_view operation) {
    if (!fake.drawing) {
        violation(std::string(operation) + " without begin_drawing");
        return nullptr;
    }
    return pixmap_of(*fake.drawing);
}

void put(FakePixmap& pixmap, int x, int y, Colour colour) {
    if (x >= 0 && y >= 0 && x < pixmap.width && y < pixmap.height)
        pixmap.pixels[static_cast<std::size_t>(y) * pixmap.width + x] = colour;
}

void fill(FakePixmap& pixmap, int x, int y, int width, int height, Colour colour) {
    const long long left = std::max(0LL, static_cast<long long>(x));
    const long long top = std::max(0LL, static_cast<long long>(y));
    const long long right = std::min<long long>(pixmap.width, static_cast<long long>(x) + width);
    const long long bottom = std::min<long long>(pixmap.height, static_cast<long long>(y) + height);
    for (long long row = top; row < bottom; ++row)
        for (long long column = left; column < right; ++column)
            put(pixmap, static_cast<int>(column), static_cast<int>(row), colour);
}

// Outside the quarter ellipse of radii (rx, ry) centred at the corner's inner point, measured at
// the pixel's centre; dx, dy are the pixel's distances into the corner square.
bool cut_off(int dx, int dy, int rx, int ry) {
    if (dx >= rx || dy >= ry) return false;
    const double u = (rx - dx - 0.5) / rx;
    const double v = (ry - dy - 0.5) / ry;
    return u * u + v * v > 1.0;
}

void record_text(int x, int y, std::string_view text, bool rotated, float angle, Colour colour) {
    if (!fake.recording || !fake.drawing) return;
    fake.texts.push_back(
        {*fake.drawing, x, y, std::string(text), rotated, angle, colour, fake.font, fake.transparent});
}

} // namespace

FontHandle load_font(int slot, std::string_view face, int points, int flags) {
    record("load_font", slot, face, points, flags);
    if (fails("load_font")) return recorded_result(FontHandle{0});
    fake.fonts[slot] = static_cast<FontHandle>(0x1000 + slot);
    return recorded_result(fake.fonts[slot]);
}

void free_font(int slot) {
    record("free_font", slot);
    fake.fonts.erase(slot);
}

bool begin_drawing(DrawTarget target) {
    record("begin_drawing", target);
    if (fake.drawing) violation("begin_drawing while another target is open");
    if (!pixmap_of(target)) return recorded_result(false);
    fake.drawing = target;
    fake.font = SYSTEM_FONT;
    fake.transparent = false;
    return recorded_result(true);
}

void end_drawing() {
    record("end_drawing");
    if (!fake.drawing) violation("end_drawing without begin_drawing");
    fake.drawing.reset();
}

void fill_box(int x, int y, int width, int height, Colour colour) {
    record("fill_box", x, y, width, height, Hex{colour});
    if (FakePixmap* target = current_target("fill_box")) fill(*target, x, y, width, height, colour);
}

void fill_round_box(int x, int y, int width, int height, int rx, int ry, Colour colour) {
    record("fill_round_box", x, y, width, height, rx, ry, Hex{colour});
    FakePixmap* target = current_target("fill_round_box");
    if (!target || width <= 0 || height <= 0) return;
    rx = std::clamp(rx, 0, width / 2);
    ry = std::clamp(ry, 0, height / 2);
    for (int dy = 0; dy < height; ++dy)
        for (int dx = 0; dx < width; ++dx) {
            const int into_x = std::min(dx, width - 1 - dx);
            const int into_y = std::min(dy, height - 1 - dy);
            if (!cut_off(into_x, into_y, rx, ry)) put(*target, x + dx, y + dy, colour);
        }
}

void draw_line(int x1, int y1, int x2, int y2, Colour colour) {
    record("draw_line", x1, y1, x2, y2, Hex{colour});
    FakePixmap* target = current_target("draw_line");
    if (!target) return;
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int step_x = x1 < x2 ? 1 : -1, step_y = y1 < y2 ? 1 : -1;
    for (int error = dx + dy;;) {
        put(*target, x1, y1, colour);
        if (x1 == x2 && y1 == y2) return;
        if (2 * error >= dy) error += dy, x1 += step_x;
        if (2 * error <= dx) error += dx, y1 += step_y;
    }
}

void set_font(FontHandle font) {
    record("set_font", font);
    fake.font = font;
}

void set_text_transparent() {
    record("set_text_transparent");
    fake.transparent = true;
}

void draw_text(int x, int y, std::string_view text, Colour colour) {
    record("draw_text", x, y, text, Hex{colour});
    if (current_target("draw_text")) record_text(x, y, text, false, 0.0f, colour);
}

void draw_text_rotated(int x, int y, std::string_view text, float angle, Colour colour) {
    record("draw_text_rotated", x, y, text, angle, Hex{colour});
    if (current_target("draw_text_rotated")) record_text(x, y, text, true, angle, colour);
}

void draw_image(int slot, int x, int y) {
    record("draw_image", slot, x, y);
    FakePixmap* target = current_target("draw_image");
    auto source = fake.images.find(slot);
    if (!target || source == fake.images.end()) return;
    const FakePixmap& original = source->second;
    const FakePixmap image = target == &original ? original : FakePixmap{}; // drawn onto itself
    const FakePixmap& copied = target == &original ? image : original;
    for (int row = 0; row < copied.height; ++row)
        for (int column = 0; column < copied.width; ++column)
            put(*target, x + column, y + row, copied.at(column, row));
}
