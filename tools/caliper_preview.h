// Whole calipers composed from the skins the way the program places them, for the icon and the docs.
#pragma once

#include "tools/colour_image.h"
#include "tools/skin_art.h"

#include <array>

// The horizontal window, length_px wide, with the sliding jaw's face at column jaw_pos; the cut-out gap
// between the jaws is left transparent. The scale carries band and ticks but no labels.
ColourImage horizontal_caliper(const std::array<Skin, 6>& skins, int jaw_pos, int length_px);
// The same for the vertical window, length_px high, with the sliding jaw's face at row jaw_pos.
ColourImage vertical_caliper(const std::array<Skin, 6>& skins, int jaw_pos, int length_px);
