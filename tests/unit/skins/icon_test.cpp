// The embedded program icon is a 144 x 144 PNG with 8-bit RGBA pixels.
#include "assets/assets.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

std::uint32_t be32(std::span<const std::uint8_t> b, std::size_t at) {
    return std::uint32_t(b[at]) << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3];
}

TEST(Icon, IsA144By144RgbaPng) {
    std::span<const std::uint8_t> png = icon_png();
    constexpr std::array<std::uint8_t, 8> SIGNATURE = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GT(png.size(), 33u);
    EXPECT_TRUE(std::equal(SIGNATURE.begin(), SIGNATURE.end(), png.begin()));
    EXPECT_EQ(be32(png, 8), 13u); // IHDR comes first
    EXPECT_TRUE(std::equal(png.begin() + 12, png.begin() + 16, "IHDR"));
    EXPECT_EQ(be32(png, 16), 144u);
    EXPECT_EQ(be32(png, 20), 144u);
    EXPECT_EQ(png[24], 8); // bits per channel
    EXPECT_EQ(png[25], 6); // RGBA
    EXPECT_EQ(png[28], 0); // not interlaced
    EXPECT_TRUE(std::equal(png.end() - 8, png.end() - 4, "IEND"));
}

} // namespace
