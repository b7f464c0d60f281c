// Reads the fields and pixels of the embedded skin bitmaps, independently of the generator's code.
#pragma once

#include <cstdint>
#include <span>

inline std::uint32_t le16(std::span<const std::uint8_t> b, std::size_t at) {
    return b[at] | b[at + 1] << 8;
}
inline std::uint32_t le32(std::span<const std::uint8_t> b, std::size_t at) {
    return le16(b, at) | le16(b, at + 2) << 16;
}

struct BmpView {
    std::span<const std::uint8_t> bytes;

    int width() const { return int(le32(bytes, 18)); }
    int height() const { return int(le32(bytes, 22)); }
    std::size_t stride() const { return std::size_t(3 * width() + 3) / 4 * 4; }
    // The pixel's (blue, green, red) bytes; rows are stored bottom-up.
    const std::uint8_t* bgr(int x, int y) const {
        return &bytes[54 + std::size_t(height() - 1 - y) * stride() + 3 * std::size_t(x)];
    }
    // The grey level, or -1 when blue, green and red differ.
    int grey(int x, int y) const {
        const std::uint8_t* p = bgr(x, y);
        return p[0] == p[1] && p[1] == p[2] ? p[0] : -1;
    }
};
