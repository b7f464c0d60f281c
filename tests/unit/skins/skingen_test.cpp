// The committed assets and pictures are exactly what the generator draws, and the Windows icon file is
// well formed.
#include "tests/unit/skins/bmp_view.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> read_file(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

struct TempDir {
    fs::path path = fs::temp_directory_path() / ("skingen-test-" + std::to_string(std::random_device{}()));
    TempDir() { fs::create_directories(path); }
    ~TempDir() { fs::remove_all(path); }
};

TEST(Skingen, RegeneratesTheCommittedFilesByteForByte) {
    TempDir out;
    std::string command = std::string("\"") + SKINGEN + "\" --icon --docs \"" + out.path.string() + "\" \"" +
                          out.path.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const fs::path assets = ASSETS_DIR;
    const fs::path docs = DOCS_DIR;
    const fs::path committed[] = {assets / "h_fixed_jaw.bmp", assets / "h_slider.bmp", assets / "h_tip.bmp",
                                  assets / "v_body.bmp",      assets / "v_slider.bmp", assets / "v_tip.bmp",
                                  assets / "tastolin.ico",    assets / "tastolin.png", docs / "skins.png",
                                  docs / "calipers.png"};
    for (const fs::path& file : committed) {
        std::vector<std::uint8_t> expected = read_file(file);
        EXPECT_FALSE(expected.empty()) << file;
        EXPECT_TRUE(read_file(out.path / file.filename()) == expected) << file.filename() << " differs";
    }
}

TEST(Skingen, IconFileHoldsOne32BitDibWithItsMask) {
    std::vector<std::uint8_t> ico = read_file(fs::path(ASSETS_DIR) / "tastolin.ico");
    std::span<const std::uint8_t> b = ico;
    constexpr std::uint32_t COLOUR = 144 * 144 * 4, MASK = 20 * 144; // mask rows: 144 bits padded to 20 bytes
    ASSERT_EQ(b.size(), 22 + 40 + COLOUR + MASK);
    EXPECT_EQ(le16(b, 0), 0u);
    EXPECT_EQ(le16(b, 2), 1u); // icon
    EXPECT_EQ(le16(b, 4), 1u); // one image
    EXPECT_EQ(b[6], 144);
    EXPECT_EQ(b[7], 144);
    EXPECT_EQ(le16(b, 12), 32u);
    EXPECT_EQ(le32(b, 14), 40 + COLOUR + MASK);
    EXPECT_EQ(le32(b, 18), 22u);
    EXPECT_EQ(le32(b, 22), 40u);
    EXPECT_EQ(le32(b, 26), 144u);
    EXPECT_EQ(le32(b, 30), 288u); // colour image and mask stacked
    EXPECT_EQ(le16(b, 36), 32u);
    EXPECT_EQ(le32(b, 38), 0u);

    // The AND mask marks exactly the fully transparent pixels, and the icon has both kinds.
    int transparent = 0, mismatched = 0;
    for (int row = 0; row < 144; ++row)
        for (int x = 0; x < 144; ++x) {
            bool clear = b[62 + (std::size_t(row) * 144 + x) * 4 + 3] == 0;
            bool masked = b[62 + COLOUR + std::size_t(row) * 20 + x / 8] & (0x80 >> (x % 8));
            transparent += clear;
            mismatched += clear != masked;
        }
    EXPECT_EQ(mismatched, 0);
    EXPECT_GT(transparent, 0);
    EXPECT_LT(transparent, 144 * 144);
}

} // namespace
