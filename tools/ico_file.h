// Windows icon files with one classic DIB image.
#pragma once

#include "tools/colour_image.h"

#include <cstdint>
#include <vector>

// An .ico file holding the image as one 32-bit BGRA DIB entry (BITMAPINFOHEADER with doubled height,
// bottom-up rows, then the 1-bit AND mask that marks the fully transparent pixels). Sizes up to 256.
std::vector<std::uint8_t> ico_file(const ColourImage& image);
