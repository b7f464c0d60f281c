// The pictures of the skins for the documentation.
#pragma once

#include "tools/colour_image.h"
#include "tools/skin_art.h"

#include <array>

// The six skins side by side in slot order, 4 times enlarged.
ColourImage skins_sheet(const std::array<Skin, 6>& skins);
// A horizontal and a vertical caliper with the sliding jaw at 127, twice enlarged; what the window's
// shape cuts out shows a checkerboard.
ColourImage calipers_sheet(const std::array<Skin, 6>& skins);
