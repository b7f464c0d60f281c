// Little-endian fields appended to a byte buffer, as the Windows file formats store them.
#pragma once

#include <cstdint>
#include <vector>

inline void put_u16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(std::uint8_t(value));
    out.push_back(std::uint8_t(value >> 8));
}

inline void put_u32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put_u16(out, value & 0xFFFF);
    put_u16(out, value >> 16);
}

// The 40-byte BITMAPINFOHEADER of an uncompressed image without colour table.
inline void put_info_header(std::vector<std::uint8_t>& out, int width, int height, int bits,
                            std::uint32_t image_size) {
    put_u32(out, 40);
    put_u32(out, std::uint32_t(width));
    put_u32(out, std::uint32_t(height));
    put_u16(out, 1);
    put_u16(out, std::uint32_t(bits));
    put_u32(out, 0); // no compression
    put_u32(out, image_size);
    put_u32(out, 0); // horizontal resolution
    put_u32(out, 0); // vertical resolution
    put_u32(out, 0); // colours used
    put_u32(out, 0); // important colours
}
