#include "tools/icon_art.h"

#include "tools/caliper_preview.h"

namespace {

// The sliding jaw's face at column 71 makes the caliper exactly 144 wide: 71 + the slider's 73 columns.
constexpr int ICON_JAW_POS = 71;

bool in_readout_window(int x, int y) {
    return x >= ICON_JAW_POS + 4 && x <= ICON_JAW_POS + 69 && y >= 30 + 3 && y <= 30 + 32;
}

} // namespace

// The skins' black background becomes transparent; only the readout window keeps its black frame.
ColourImage draw_icon(const std::array<Skin, 6>& skins) {
    ColourImage icon = horizontal_caliper(skins, ICON_JAW_POS, 144);
    for (int y = 0; y < icon.height; ++y)
        for (int x = 0; x < icon.width; ++x)
            if (icon.at(x, y) == opaque_grey(BLACK) && !in_readout_window(x, y)) icon.at(x, y) = Rgba{};
    return icon;
}
