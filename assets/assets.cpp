#include "assets/assets.h"

// Defined by the sources that the build generates from the asset files.
extern const std::span<const std::uint8_t> asset_h_fixed_jaw_bmp;
extern const std::span<const std::uint8_t> asset_h_slider_bmp;
extern const std::span<const std::uint8_t> asset_h_tip_bmp;
extern const std::span<const std::uint8_t> asset_v_body_bmp;
extern const std::span<const std::uint8_t> asset_v_slider_bmp;
extern const std::span<const std::uint8_t> asset_v_tip_bmp;
extern const std::span<const std::uint8_t> asset_tastolin_png;

std::span<const std::uint8_t> skin_bitmap(int slot) {
    switch (slot) {
    case 0:
        return asset_h_fixed_jaw_bmp;
    case 1:
        return asset_h_slider_bmp;
    case 2:
        return asset_h_tip_bmp;
    case 5:
        return asset_v_body_bmp;
    case 6:
        return asset_v_slider_bmp;
    case 7:
        return asset_v_tip_bmp;
    default:
        return {};
    }
}

std::span<const std::uint8_t> icon_png() {
    return asset_tastolin_png;
}
