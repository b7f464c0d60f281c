// The ten image slots: six skin bitmaps, two grey blocks joining tip and slider, two scale images.
#include "app/objects.h"
#include "assets/assets.h"
#include "render/render.h"

#include <span>

namespace {

constexpr Colour STEEL_GREY = 0xB4B4B4; // grey 180, the jaws' steel
constexpr int SCALE_THICKNESS = 42;

void load_skin(int slot) {
    const std::span<const std::uint8_t> bmp = skin_bitmap(slot);
    image_from_bmp(slot, bmp.data(), bmp.size());
}

void paint_steel(int slot, int width, int height) {
    if (!begin_drawing(image_target(slot))) return;
    fill_box(0, 0, width, height, STEEL_GREY);
    end_drawing();
}

} // namespace

void free_images() {
    for (int slot = 0; slot < IMAGE_SLOTS; ++slot)
        if (image_exists(slot)) free_image(slot);
}

void rebuild_images(std::int8_t orientation, std::int32_t length_cm) {
    free_images();
    const std::int32_t length_px = scale_length(length_cm);
    load_skin(IMG_H_FIXED_JAW);
    load_skin(IMG_H_SLIDER);
    load_skin(IMG_H_TIP);
    create_image(IMG_H_TIP_BASE, 24, 15);
    create_image(IMG_H_SCALE, length_px, SCALE_THICKNESS);
    paint_steel(IMG_H_TIP_BASE, 24, 15);
    load_skin(IMG_V_BODY);
    load_skin(IMG_V_SLIDER);
    load_skin(IMG_V_TIP);
    create_image(IMG_V_TIP_BASE, 15, 24);
    create_image(IMG_V_SCALE, SCALE_THICKNESS, length_px);
    paint_steel(IMG_V_TIP_BASE, 15, 24);
    draw_scale(orientation, length_cm);
}
