// One frame: the reading written into the sliding jaw, then the caliper composed on the surface.
#include "app/objects.h"
#include "core/caliper_state.h"
#include "core/geometry.h"
#include "core/number_text.h"
#include "render/render.h"

#include <array>
#include <string>

namespace {

constexpr Colour BLACK = 0x000000;
constexpr int FIXED_FACE_END = 27; // first pixel after the fixed jaw's measuring face

struct Placement {
    int slot, x, y;
};

// The jaw distance in centimetres with three decimals. Short enough to stay in the string's own
// buffer, so a frame allocates nothing.
std::string reading() {
    const auto distance_px = static_cast<float>(caliper.jaw_pos - FIXED_FACE_END);
    return format_float(px_to_cm(distance_px, rounded_diagonal(caliper.diagonal_in)), 3);
}

void draw_horizontal_reading() {
    if (!begin_drawing(image_target(IMG_H_SLIDER))) return;
    fill_round_box(4, 2, 66, 32, 5, 5, BLACK);
    set_font(readout_font);
    set_text_transparent();
    draw_text(6, 7, reading());
    end_drawing();
}

void draw_vertical_reading() {
    if (!begin_drawing(image_target(IMG_V_SLIDER))) return;
    fill_round_box(80, 4, 32, 66, 5, 5, BLACK);
    set_font(readout_font);
    set_text_transparent();
    draw_text_rotated(105, 7, reading(), 270.0f);
    end_drawing();
}

// Later images cover earlier ones; whatever none covers stays black.
void compose(const std::array<Placement, 5>& images) {
    if (!begin_drawing(canvas_target(CANVAS))) return;
    const int width = canvas_width(CANVAS);
    const int height = canvas_height(CANVAS);
    fill_box(0, 0, width, height, BLACK);
    for (const Placement& image : images)
        draw_image(image.slot, image.x, image.y);
    end_drawing();
}

} // namespace

void render_frame(std::int8_t orientation) {
    const int jaw = caliper.jaw_pos;
    if (orientation == ORIENT_HORIZONTAL) {
        draw_horizontal_reading();
        compose({{{IMG_H_FIXED_JAW, 0, 0},
                  {IMG_H_SCALE, 27, 42},
                  {IMG_H_SLIDER, jaw, caliper.jaw_top},
                  {IMG_H_TIP, jaw - 23, caliper.jaw_top - 30},
                  {IMG_H_TIP_BASE, jaw - 24, 27}}});
    } else if (orientation == ORIENT_VERTICAL) {
        draw_vertical_reading();
        compose({{{IMG_V_BODY, 0, 0},
                  {IMG_V_SCALE, 77, 27},
                  {IMG_V_SLIDER, 0, jaw},
                  {IMG_V_TIP, 117, jaw - 23},
                  {IMG_V_TIP_BASE, 102, jaw - 23}}});
    }
}
