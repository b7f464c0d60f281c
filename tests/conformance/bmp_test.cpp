// BMP decoding: exact pixels of crafted files and of the built-in skins, and refusal of broken data.
#include "conformance.h"

#include "assets/assets.h"

#include <cstdint>
#include <span>
#include <vector>

namespace {

constexpr int slot = 30;

void put_le(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t get_le(std::span<const std::uint8_t> in, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<std::uint32_t>(in[at + static_cast<std::size_t>(i)]) << (8 * i);
    return value;
}

Colour test_colour(int x, int y) {
    return static_cast<Colour>(0x10 + 40 * x) | static_cast<Colour>(0x20 + 50 * y) << 8 |
           static_cast<Colour>(0xF0 - 30 * x - 20 * y) << 16;
}

// A 24-bit uncompressed BMP of test_colour pixels; rows stored bottom-up unless top_down.
std::vector<std::uint8_t> craft_bmp(int width, int height, bool top_down) {
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    const std::size_t data_size = stride * static_cast<std::size_t>(height);
    std::vector<std::uint8_t> file(54 + data_size, 0);
    file[0] = 'B';
    file[1] = 'M';
    put_le(file, 2, static_cast<std::uint32_t>(file.size()), 4);
    put_le(file, 10, 54, 4);
    put_le(file, 14, 40, 4);
    put_le(file, 18, static_cast<std::uint32_t>(width), 4);
    put_le(file, 22, static_cast<std::uint32_t>(top_down ? -height : height), 4);
    put_le(file, 26, 1, 2);
    put_le(file, 28, 24, 2);
    put_le(file, 34, static_cast<std::uint32_t>(data_size), 4);
    for (int y = 0; y < height; ++y) {
        const int row = top_down ? y : height - 1 - y;
        for (int x = 0; x < width; ++x) {
            const Colour c = test_colour(x, y);
            const std::size_t at =
                54 + stride * static_cast<std::size_t>(row) + static_cast<std::size_t>(x) * 3;
            file[at] = static_cast<std::uint8_t>(c >> 16); // stored blue, green, red
            file[at + 1] = static_cast<std::uint8_t>(c >> 8);
            file[at + 2] = static_cast<std::uint8_t>(c);
        }
    }
    return file;
}

// The pixel of a bottom-up 24-bit BMP, read straight from its bytes.
Colour bmp_pixel(std::span<const std::uint8_t> file, int x, int y) {
    const int width = static_cast<int>(get_le(file, 18, 4));
    const int height = static_cast<int>(get_le(file, 22, 4));
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    const std::size_t at = get_le(file, 10, 4) + stride * static_cast<std::size_t>(height - 1 - y) +
                           static_cast<std::size_t>(x) * 3;
    return static_cast<Colour>(file[at + 2]) | static_cast<Colour>(file[at + 1]) << 8 |
           static_cast<Colour>(file[at]) << 16;
}

struct CraftedCase {
    int width, height;
    bool top_down;
};

class CraftedBmp : public ::testing::TestWithParam<CraftedCase> {};

TEST_P(CraftedBmp, DecodesExactPixels) {
    const CraftedCase c = GetParam();
    const std::vector<std::uint8_t> file = craft_bmp(c.width, c.height, c.top_down);
    ASSERT_NE(image_from_bmp(slot, file.data(), file.size()), 0);
    EXPECT_TRUE(image_exists(slot));
    EXPECT_TRUE(image_is(slot, c.width, c.height, test_colour));
}

// Widths 1, 3 and 5 need row padding, 4 needs none.
INSTANTIATE_TEST_SUITE_P(Sizes, CraftedBmp,
                         ::testing::Values(CraftedCase{1, 1, false}, CraftedCase{3, 2, false},
                                           CraftedCase{4, 3, false}, CraftedCase{5, 4, false},
                                           CraftedCase{3, 2, true}));

TEST(BmpDecoding, ReadsRedFromTheLowByteOfTheColour) {
    std::vector<std::uint8_t> file = craft_bmp(1, 1, false);
    file[54] = 0x33; // blue
    file[55] = 0x22; // green
    file[56] = 0x11; // red
    ASSERT_NE(image_from_bmp(slot, file.data(), file.size()), 0);
    EXPECT_EQ(probe_image_pixel(slot, 0, 0), 0x332211u);
}

class SkinBmp : public ::testing::TestWithParam<int> {};

TEST_P(SkinBmp, DecodesEveryPixelOfTheFile) {
    const std::span<const std::uint8_t> file = skin_bitmap(GetParam());
    ASSERT_GT(file.size(), 54u);
    ASSERT_NE(image_from_bmp(slot, file.data(), file.size()), 0);
    const int width = static_cast<int>(get_le(file, 18, 4));
    const int height = static_cast<int>(get_le(file, 22, 4));
    EXPECT_TRUE(image_is(slot, width, height, [file](int x, int y) { return bmp_pixel(file, x, y); }));
}

INSTANTIATE_TEST_SUITE_P(Slots, SkinBmp, ::testing::Values(0, 1, 2, 5, 6, 7));

TEST(BmpDecoding, BrokenDataLeavesTheSlotEmpty) {
    const std::vector<std::uint8_t> good = craft_bmp(3, 2, false);
    const std::vector<std::uint8_t> garbage(64, 0x5A);
    const std::vector<std::uint8_t> header_only(good.begin(), good.begin() + 20);
    for (const auto* data : {&garbage, &header_only}) {
        ASSERT_NE(image_from_bmp(slot, good.data(), good.size()), 0);
        EXPECT_EQ(image_from_bmp(slot, data->data(), data->size()), 0);
        EXPECT_FALSE(image_exists(slot));
    }
    EXPECT_EQ(image_from_bmp(slot, good.data(), 0), 0);
    EXPECT_FALSE(image_exists(slot));
}

} // namespace
