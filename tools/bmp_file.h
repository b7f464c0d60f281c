// 24-bit BMP files of grey images.
#pragma once

#include "tools/grey_image.h"

#include <cstdint>
#include <vector>

// A complete BMP file: 14-byte file header, 40-byte BITMAPINFOHEADER, 24 bits per pixel, bottom-up rows
// padded to 4 bytes, no colour table, resolution fields 0.
std::vector<std::uint8_t> bmp_file(const GreyImage& image);
