// The skin bitmaps and the program icon, compiled into the program.
#pragma once

#include <cstdint>
#include <span>

// The complete BMP file of the skin bitmap for image slot 0, 1, 2, 5, 6 or 7; empty for other slots.
std::span<const std::uint8_t> skin_bitmap(int slot);
// The program icon, 144 x 144, 32 bits per pixel, as a PNG file.
std::span<const std::uint8_t> icon_png();
