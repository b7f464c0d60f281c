// The window's shape (the outline with the gap between the jaws cut out) and its size.
#include "app/objects.h"
#include "core/caliper_state.h"
#include "render/render.h"

namespace {

struct Rect {
    int left, top, right, bottom;
};

Region region_of(Rect rect) {
    return create_rect_region(rect.left, rect.top, rect.right, rect.bottom);
}

// Exclusive or rather than subtraction: where the gap runs past the outline (below the window, or
// beyond a window still wider than the scale) it adds to the shape instead of vanishing.
void cut_gap(Rect outline, Rect gap) {
    const Region shape = region_of(outline);
    const Region whole = region_of(outline);
    const Region hole = region_of(gap);
    combine_region_xor(shape, whole, hole);
    set_window_region(window_handle(MAIN_WINDOW), shape); // the window system owns it from here
    delete_region(whole);
    delete_region(hole);
}

} // namespace

void apply_window_shape(std::int8_t orientation, std::int32_t length_px) {
    const int jaw = caliper.jaw_pos;
    if (orientation == ORIENT_HORIZONTAL) cut_gap({0, 0, length_px, 150}, {27, 67, jaw, 275});
    if (orientation == ORIENT_VERTICAL) cut_gap({0, 0, 144, length_px}, {0, 27, 77, jaw});
}

// The horizontal band takes its width from the surface, so the surface is resized before the
// rebuild there; the vertical band does not, and the rebuild comes first.
void set_orientation(std::int8_t orientation, std::int32_t length_cm) {
    caliper.orientation = orientation;
    const std::int32_t length_px = scale_length(length_cm);
    if (orientation == ORIENT_HORIZONTAL) {
        resize_window(MAIN_WINDOW, KEEP, KEEP, length_px, 144);
        resize_canvas(CANVAS, KEEP, KEEP, length_px, 200);
        rebuild_images(ORIENT_HORIZONTAL, length_cm);
    } else if (orientation == ORIENT_VERTICAL) {
        rebuild_images(ORIENT_VERTICAL, length_cm);
        resize_window(MAIN_WINDOW, KEEP, KEEP, 144, length_px);
        resize_canvas(CANVAS, KEEP, KEEP, 200, length_px);
    }
}

void set_length(std::int32_t length_cm) {
    const std::int32_t length_px = scale_length(length_cm);
    if (caliper.orientation == ORIENT_HORIZONTAL) {
        resize_window(MAIN_WINDOW, KEEP, KEEP, length_px, KEEP);
        resize_canvas(CANVAS, KEEP, KEEP, length_px, KEEP);
        apply_window_shape(ORIENT_HORIZONTAL, length_px);
        rebuild_images(caliper.orientation, caliper.length_cm);
    } else if (caliper.orientation == ORIENT_VERTICAL) {
        apply_window_shape(ORIENT_VERTICAL, length_px);
        resize_window(MAIN_WINDOW, KEEP, KEEP, KEEP, length_px);
        resize_canvas(CANVAS, KEEP, KEEP, KEEP, length_px);
        rebuild_images(caliper.orientation, caliper.length_cm);
    }
}
