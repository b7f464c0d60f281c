#include "tools/caliper_preview.h"

#include <cmath>

namespace {

// Pixels per centimetre of a 24-inch 1920 x 1080 screen, the usual calibration of the previews.
constexpr float PX_PER_CM = 36.22047424316406f;
constexpr Rgba TICK = {27, 25, 228, 255};

int tick_at(float cm) {
    return int(std::nearbyint(double(cm * PX_PER_CM) + 1.0));
}

// The scale's band and ticks as the program draws them, without the labels.
void draw_horizontal_scale(ColourImage& window, int x, int y, int length_px) {
    fill_rect(window, x, y, x + length_px - 1, y + 24, opaque_grey(BEAM));
    for (int i = 0; tick_at(float(i)) < length_px; ++i) {
        fill_rect(window, x + tick_at(float(i)), y + 15, x + tick_at(float(i)), y + 24, TICK);
        fill_rect(window, x + tick_at(i + 0.5f), y + 18, x + tick_at(i + 0.5f), y + 24, TICK);
    }
}

void draw_vertical_scale(ColourImage& window, int x, int y, int length_px) {
    fill_rect(window, x, y, x + 24, y + length_px - 1, opaque_grey(BEAM));
    for (int i = 0; tick_at(float(i)) < length_px; ++i) {
        fill_rect(window, x, y + tick_at(float(i)), x + 10, y + tick_at(float(i)), TICK);
        fill_rect(window, x, y + tick_at(i + 0.5f), x + 7, y + tick_at(i + 0.5f), TICK);
    }
}

} // namespace

ColourImage horizontal_caliper(const std::array<Skin, 6>& skins, int jaw_pos, int length_px) {
    ColourImage window(length_px, 144, opaque_grey(BLACK));
    paste_grey(window, skins[H_FIXED_JAW].image, 0, 0);
    draw_horizontal_scale(window, 27, 42, length_px);
    paste_grey(window, skins[H_SLIDER].image, jaw_pos, 30);
    paste_grey(window, skins[H_TIP].image, jaw_pos - 23, 0);
    fill_rect(window, jaw_pos - 24, 27, jaw_pos - 1, 41, opaque_grey(STEEL));
    fill_rect(window, 27, 67, jaw_pos - 1, 143, Rgba{});
    return window;
}

ColourImage vertical_caliper(const std::array<Skin, 6>& skins, int jaw_pos, int length_px) {
    ColourImage window(144, length_px, opaque_grey(BLACK));
    paste_grey(window, skins[V_BODY].image, 0, 0);
    draw_vertical_scale(window, 77, 27, length_px);
    paste_grey(window, skins[V_SLIDER].image, 0, jaw_pos);
    paste_grey(window, skins[V_TIP].image, 117, jaw_pos - 23);
    fill_rect(window, 102, jaw_pos - 23, 116, jaw_pos, opaque_grey(STEEL));
    fill_rect(window, 0, 27, 76, jaw_pos - 1, Rgba{});
    return window;
}
