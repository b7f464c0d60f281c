// The program icon: a small caliper drawn from the skins, 144 x 144 with alpha.
#pragma once

#include "tools/colour_image.h"
#include "tools/skin_art.h"

#include <array>

ColourImage draw_icon(const std::array<Skin, 6>& skins);
