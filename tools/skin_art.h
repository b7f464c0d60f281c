// The six skin bitmaps: two drawn by hand, four derived from them by turning and mirroring.
#pragma once

#include "tools/grey_image.h"

#include <array>
#include <cstdint>

// The five greys of the skins and what each one draws.
constexpr std::uint8_t BLACK = 0;    // background, readout-window frame, relief notches
constexpr std::uint8_t HOUSING = 70; // readout housing
constexpr std::uint8_t BEAM = 120;   // beam band, readout-window interior
constexpr std::uint8_t STEEL = 180;  // the jaws
constexpr std::uint8_t EDGE = 220;   // highlight outlines of knife edges and bevel facets

struct Skin {
    const char* file_name;
    GreyImage image;
};

// Where each skin stands in the array of make_skins.
enum SkinIndex { H_FIXED_JAW, H_SLIDER, H_TIP, V_BODY, V_SLIDER, V_TIP };
// All six, in slot order 0, 1, 2, 5, 6, 7.
std::array<Skin, 6> make_skins();
