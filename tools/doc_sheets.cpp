#include "tools/doc_sheets.h"

#include "tools/caliper_preview.h"

#include <algorithm>

namespace {

constexpr Rgba PAPER = {46, 84, 122, 255}; // between the pictures, a colour none of them uses
constexpr int SPACING = 4;

void paste_over_checkerboard(ColourImage& sheet, const ColourImage& picture, int x0, int y0) {
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) {
            bool light = ((x / 4) + (y / 4)) % 2 == 0;
            Rgba below = light ? Rgba{236, 232, 220, 255} : Rgba{206, 200, 186, 255};
            const Rgba& p = picture.at(x, y);
            sheet.at(x0 + x, y0 + y) = p.a == 0 ? below : p;
        }
}

} // namespace

ColourImage skins_sheet(const std::array<Skin, 6>& skins) {
    int width = SPACING;
    int height = 0;
    for (const Skin& skin : skins) {
        width += skin.image.width + SPACING;
        height = std::max(height, skin.image.height);
    }
    ColourImage sheet(width, height + 2 * SPACING, PAPER);
    int x = SPACING;
    for (const Skin& skin : skins) {
        paste_grey(sheet, skin.image, x, SPACING);
        x += skin.image.width + SPACING;
    }
    return enlarged(sheet, 4);
}

ColourImage calipers_sheet(const std::array<Skin, 6>& skins) {
    constexpr int JAW_POS = 127;
    constexpr int LENGTH_PX = 290; // 8 cm at the previews' calibration
    ColourImage horizontal = horizontal_caliper(skins, JAW_POS, LENGTH_PX);
    ColourImage vertical = vertical_caliper(skins, JAW_POS, LENGTH_PX);
    ColourImage sheet(3 * SPACING + horizontal.width + vertical.width, 2 * SPACING + LENGTH_PX, PAPER);
    paste_over_checkerboard(sheet, horizontal, SPACING, SPACING);
    paste_over_checkerboard(sheet, vertical, 2 * SPACING + horizontal.width, SPACING);
    return enlarged(sheet, 2);
}
