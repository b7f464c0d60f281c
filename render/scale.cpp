// The graduated scale: a grey band with a tick and a number every half centimetre, drawn into the
// scale image of one orientation whenever the images are rebuilt.
#include "app/objects.h"
#include "core/caliper_state.h"
#include "core/geometry.h"
#include "core/number_text.h"
#include "render/render.h"

#include <algorithm>

namespace {

constexpr Colour BAND_GREY = 0x787878;
constexpr Colour TICK_BLUE = 0xE4191B;
constexpr Colour WHOLE_LABEL = 0x000000;
constexpr Colour HALF_LABEL = 0x2D2D2D;
constexpr int BAND_THICKNESS = 25;
constexpr float TOP_TO_BOTTOM = 270.0f;

// Every mark is placed from its own value, never by summing steps, so rounding cannot drift.
struct Mark {
    double position;   // p(v): pixels from the scale's start
    std::string label; // the number written at the mark
};

Mark whole_mark(std::int64_t cm, std::int32_t diagonal) {
    return {cm_to_px(static_cast<float>(cm), diagonal), format_int(cm)};
}

Mark half_mark(std::int64_t cm, std::int32_t diagonal) {
    const auto value = static_cast<float>(static_cast<double>(cm) + 0.5);
    return {cm_to_px(value, diagonal), format_float(value, 1)};
}

void draw_vertical_marks(std::int32_t length_cm, std::int32_t diagonal) {
    for (std::int64_t i = 0; i <= length_cm; ++i) {
        const Mark whole = whole_mark(i, diagonal);
        const int whole_row = nearest(whole.position + 1.0);
        draw_line(0, whole_row, 10, whole_row, TICK_BLUE);
        draw_text_rotated(25, nearest(whole.position), whole.label, TOP_TO_BOTTOM, WHOLE_LABEL);
        const Mark half = half_mark(i, diagonal);
        const int half_row = nearest(half.position + 1.0);
        draw_line(0, half_row, 7, half_row, TICK_BLUE);
        draw_text_rotated(18, nearest(half.position - 6.0), half.label, TOP_TO_BOTTOM, HALF_LABEL);
    }
}

void draw_horizontal_marks(std::int32_t length_cm, std::int32_t diagonal) {
    for (std::int64_t i = 0; i <= length_cm; ++i) {
        const Mark whole = whole_mark(i, diagonal);
        const int whole_column = nearest(whole.position + 1.0);
        draw_line(whole_column, 15, whole_column, 24, TICK_BLUE);
        draw_text(nearest(whole.position - 1.0), 0, whole.label, WHOLE_LABEL);
        const Mark half = half_mark(i, diagonal);
        const int half_column = nearest(half.position + 1.0);
        draw_line(half_column, 18, half_column, 24, TICK_BLUE);
        draw_text(nearest(half.position - 6.0), 4, half.label, HALF_LABEL);
    }
}

} // namespace

std::int32_t scale_length(std::int32_t length_cm) {
    const std::int32_t length_px = scale_length_px(length_cm, rounded_diagonal(caliper.diagonal_in));
    return std::clamp(length_px, 1, MAX_SCALE_PX);
}

void draw_scale(std::int8_t orientation, std::int32_t length_cm) {
    const std::int32_t diagonal = rounded_diagonal(caliper.diagonal_in);
    if (orientation == ORIENT_VERTICAL) {
        if (!begin_drawing(image_target(IMG_V_SCALE))) return;
        set_text_transparent();
        set_font(label_font);
        fill_box(0, 0, BAND_THICKNESS, scale_length(length_cm), BAND_GREY);
        draw_vertical_marks(length_cm, diagonal);
        end_drawing();
    } else if (orientation == ORIENT_HORIZONTAL) {
        if (!begin_drawing(image_target(IMG_H_SCALE))) return;
        set_text_transparent();
        set_font(label_font);
        // The band follows the surface, not the image; the image clips it.
        fill_box(0, 0, canvas_width(CANVAS), BAND_THICKNESS, BAND_GREY);
        draw_horizontal_marks(length_cm, diagonal);
        end_drawing();
    }
}
