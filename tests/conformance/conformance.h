// Pixel helpers shared by the conformance tests.
#pragma once

#include "platform/platform.h"
#include "platform/probe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>

struct PixelBox {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN; // inclusive; empty if left > right
    int count = 0;
    bool empty() const { return count == 0; }
    int width() const { return empty() ? 0 : right - left + 1; }
    int height() const { return empty() ? 0 : bottom - top + 1; }
};

// A fresh image in the slot, filled with one colour.
inline void make_filled_image(int slot, int width, int height, Colour colour) {
    ASSERT_NE(create_image(slot, width, height), 0);
    ASSERT_TRUE(begin_drawing(image_target(slot)));
    fill_box(0, 0, width, height, colour);
    end_drawing();
}

// Bounding box and number of the slot's pixels for which `selected` holds.
inline PixelBox pixels_where(int slot, const std::function<bool(int, int, Colour)>& selected) {
    PixelBox box;
    for (int y = 0; y < probe_image_height(slot); ++y)
        for (int x = 0; x < probe_image_width(slot); ++x)
            if (selected(x, y, probe_image_pixel(slot, x, y))) {
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y);
                ++box.count;
            }
    return box;
}

inline PixelBox pixels_changed(int slot, Colour background) {
    return pixels_where(slot, [background](int, int, Colour c) { return c != background; });
}

// Every pixel of the slot's image against the expected colour at (x, y); names the first mismatch.
inline ::testing::AssertionResult image_is(int slot, int width, int height,
                                           const std::function<Colour(int, int)>& expected) {
    if (probe_image_width(slot) != width || probe_image_height(slot) != height)
        return ::testing::AssertionFailure()
               << "size " << probe_image_width(slot) << " x " << probe_image_height(slot) << ", expected "
               << width << " x " << height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (probe_image_pixel(slot, x, y) != expected(x, y))
                return ::testing::AssertionFailure()
                       << std::hex << "pixel (" << std::dec << x << ", " << y << ") is 0x" << std::hex
                       << probe_image_pixel(slot, x, y) << ", expected 0x" << expected(x, y);
    return ::testing::AssertionSuccess();
}

inline int channel(Colour c, int index) {
    return static_cast<int>((c >> (8 * index)) & 0xFF);
}
