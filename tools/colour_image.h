// A colour image with alpha for the icon and the preview sheets.
#pragma once

#include "tools/grey_image.h"

#include <cstdint>
#include <vector>

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;
    bool operator==(const Rgba&) const = default;
};

constexpr Rgba opaque_grey(std::uint8_t grey) {
    return {grey, grey, grey, 255};
}

struct ColourImage {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels; // row-major, top row first

    ColourImage(int w, int h, Rgba fill = {}) : width(w), height(h), pixels(std::size_t(w) * h, fill) {}
    Rgba& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    const Rgba& at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// Copies a grey image opaque with its top-left pixel at (x, y), clipped to target.
void paste_grey(ColourImage& target, const GreyImage& source, int x, int y);
// Sets the box of columns x0 ... x1 and rows y0 ... y1 (all included), clipped to target.
void fill_rect(ColourImage& image, int x0, int y0, int x1, int y1, Rgba colour);
// Every pixel becomes a factor x factor block.
ColourImage enlarged(const ColourImage& image, int factor);
