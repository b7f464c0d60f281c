// A grey-level image for drawing the skins: one byte per pixel, rows top-down.
#pragma once

#include <cstdint>
#include <vector>

struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels; // row-major, top row first

    GreyImage(int w, int h, std::uint8_t grey = 0) : width(w), height(h), pixels(std::size_t(w) * h, grey) {}
    std::uint8_t& at(int x, int y) { return pixels[std::size_t(y) * width + x]; }
    std::uint8_t at(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

// Sets columns x0 ... x1 (both included) of row y.
void fill_span(GreyImage& image, int y, int x0, int x1, std::uint8_t grey);
// Sets the box of columns x0 ... x1 and rows y0 ... y1 (all included).
void fill_rect(GreyImage& image, int x0, int y0, int x1, int y1, std::uint8_t grey);
// The w x h part whose top-left pixel is (x, y).
GreyImage cropped(const GreyImage& image, int x, int y, int w, int h);
// Mirrored left to right.
GreyImage mirrored(const GreyImage& image);
// A quarter turn clockwise: (x, y) of an image H rows high goes to (H - 1 - y, x).
GreyImage turned_clockwise(const GreyImage& image);
// Copies every pixel of source with its top-left pixel at (x, y), clipped to target.
void paste(GreyImage& target, const GreyImage& source, int x, int y);
