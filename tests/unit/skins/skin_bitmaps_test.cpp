// The embedded skin bitmaps: file format, palette, the binding faces, notches, beam band and readout
// window, and the turns and mirrors that tie the six together.
#include "assets/assets.h"
#include "tests/unit/skins/bmp_view.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

namespace {

constexpr int BLACK = 0, HOUSING = 70, BEAM = 120, STEEL = 180, EDGE = 220;
constexpr int JAW = -2; // steel or its highlight edge: any pixel of the jaw itself

BmpView skin(int slot) {
    return {skin_bitmap(slot)};
}

struct FormatCase {
    int slot, width, height;
    std::size_t file_size;
};
constexpr FormatCase FORMATS[] = {{0, 27, 144, 12150},   {1, 73, 114, 25134}, {2, 11, 27, 1026},
                                  {5, 144, 389, 168102}, {6, 114, 73, 25166}, {7, 27, 11, 978}};

TEST(SkinBitmaps, HeadersDescribeUncompressedBottomUp24BitFiles) {
    for (const FormatCase& c : FORMATS) {
        SCOPED_TRACE("slot " + std::to_string(c.slot));
        std::span<const std::uint8_t> b = skin_bitmap(c.slot);
        ASSERT_EQ(b.size(), c.file_size);
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(le32(b, 2), c.file_size);
        EXPECT_EQ(le32(b, 6), 0u);   // reserved
        EXPECT_EQ(le32(b, 10), 54u); // pixel data offset: no colour table
        EXPECT_EQ(le32(b, 14), 40u); // BITMAPINFOHEADER
        EXPECT_EQ(le32(b, 18), std::uint32_t(c.width));
        EXPECT_EQ(le32(b, 22), std::uint32_t(c.height)); // positive: bottom-up
        EXPECT_EQ(le16(b, 26), 1u);
        EXPECT_EQ(le16(b, 28), 24u);
        EXPECT_EQ(le32(b, 30), 0u); // BI_RGB
        EXPECT_EQ(le32(b, 34), c.file_size - 54);
        EXPECT_EQ((c.file_size - 54) % 4, 0u);
        EXPECT_EQ(le32(b, 38), 0u);
        EXPECT_EQ(le32(b, 42), 0u);
        EXPECT_EQ(le32(b, 46), 0u);
        EXPECT_EQ(le32(b, 50), 0u);
    }
}

TEST(SkinBitmaps, SlotsWithoutBitmapGiveNothing) {
    for (int slot : {-1, 3, 4, 8, 9, 10})
        EXPECT_TRUE(skin_bitmap(slot).empty()) << "slot " << slot;
}

TEST(SkinBitmaps, OnlyTheFiveGreysOccur) {
    const std::set<int> palette = {BLACK, HOUSING, BEAM, STEEL, EDGE};
    for (const FormatCase& c : FORMATS) {
        BmpView bmp = skin(c.slot);
        int strays = 0;
        for (int y = 0; y < bmp.height(); ++y)
            for (int x = 0; x < bmp.width(); ++x)
                strays += palette.count(bmp.grey(x, y)) == 0;
        EXPECT_EQ(strays, 0) << "slot " << c.slot;
    }
}

// Every pixel of columns x0 ... x1, rows y0 ... y1 (all included) has the grey.
struct Region {
    int slot, x0, y0, x1, y1, grey;
    const char* what;
};
constexpr Region BINDING_REGIONS[] = {
    {0, 15, 0, 15, 17, EDGE, "fixed tip's measuring face"},
    {0, 15, 18, 15, 19, BLACK, "notch under the fixed tip's face"},
    {0, 0, 0, 14, 26, BLACK, "room left of the fixed tip for the sliding tip"},
    {0, 26, 0, 26, 41, BLACK, "right of the fixed tip and jaw body"},
    {0, 15, 25, 25, 26, STEEL, "foot of the fixed tip"},
    {0, 0, 28, 25, 41, STEEL, "fixed jaw body above the beam"},
    {0, 0, 42, 26, 66, BEAM, "beam band across the fixed jaw"},
    {0, 26, 67, 26, 87, BLACK, "relief notch beside the fixed jaw's face"},
    {0, 26, 88, 26, 143, JAW, "fixed jaw's measuring face"},
    {1, 4, 3, 69, 3, BLACK, "readout frame, top"},
    {1, 4, 32, 69, 32, BLACK, "readout frame, bottom"},
    {1, 4, 3, 4, 32, BLACK, "readout frame, left"},
    {1, 69, 3, 69, 32, BLACK, "readout frame, right"},
    {1, 5, 4, 68, 31, BEAM, "readout window interior"},
    {1, 0, 0, 0, 11, STEEL, "column 0 continuing the tip base"},
    {1, 0, 12, 0, 36, BEAM, "column 0 continuing the beam band"},
    {1, 0, 37, 0, 57, BLACK, "relief notch beside the sliding jaw's face"},
    {1, 1, 43, 1, 57, JAW, "sliding jaw's left side above its face"},
    {1, 0, 58, 0, 113, JAW, "sliding jaw's measuring face"},
    {2, 10, 0, 10, 17, EDGE, "sliding tip's measuring face"},
    {2, 10, 18, 10, 19, BLACK, "notch under the sliding tip's face"},
    {2, 0, 25, 10, 26, STEEL, "foot of the sliding tip"},
    {5, 0, 26, 55, 26, JAW, "fixed jaw's face, vertical"},
    {5, 126, 15, 143, 15, EDGE, "fixed tip's face, vertical"},
    {5, 77, 0, 101, 388, BEAM, "beam band, vertical"},
    {6, 0, 0, 55, 0, JAW, "sliding jaw's face, vertical"},
    {6, 81, 4, 110, 4, BLACK, "readout frame, vertical, top"},
    {6, 81, 69, 110, 69, BLACK, "readout frame, vertical, bottom"},
    {6, 81, 4, 81, 69, BLACK, "readout frame, vertical, left"},
    {6, 110, 4, 110, 69, BLACK, "readout frame, vertical, right"},
    {6, 82, 5, 109, 68, BEAM, "readout window interior, vertical"},
    {7, 9, 10, 26, 10, EDGE, "sliding tip's face, vertical"},
};

bool matches(int grey, int wanted) {
    return wanted == JAW ? grey == STEEL || grey == EDGE : grey == wanted;
}

TEST(SkinBitmaps, FacesNotchesBeamAndReadoutWindowLieWhereTheCompositionNeedsThem) {
    for (const Region& r : BINDING_REGIONS) {
        BmpView bmp = skin(r.slot);
        int wrong = 0;
        for (int y = r.y0; y <= r.y1; ++y)
            for (int x = r.x0; x <= r.x1; ++x)
                wrong += !matches(bmp.grey(x, y), r.grey);
        EXPECT_EQ(wrong, 0) << "slot " << r.slot << ": " << r.what;
    }
}

// Each pixel (x, y) of the target slot's box must equal the source pixel that `from` names.
struct Relation {
    int target, x0, y0, x1, y1, source;
    std::function<std::pair<int, int>(int, int)> from;
    const char* what;
};

// A quarter turn clockwise sends source (x, y) of a source H rows high to (H - 1 - y, x).
auto turned_from(int source_height) {
    return [source_height](int x, int y) { return std::pair{y, source_height - 1 - x}; };
}

const Relation RELATIONS[] = {
    {6, 0, 0, 113, 72, 1, turned_from(114), "vertical slider is the horizontal one turned"},
    {7, 0, 0, 26, 10, 2, turned_from(27), "vertical tip is the horizontal one turned"},
    {5, 0, 0, 143, 26, 0, turned_from(144), "vertical body's top is the fixed jaw turned"},
    {2, 0, 0, 10, 26, 0,
     [](int x, int y) {
         return std::pair{25 - x, y};
     },
     "sliding tip mirrors the fixed tip"},
    {1, 0, 43, 26, 113, 0,
     [](int x, int y) {
         return std::pair{26 - x, y + 30};
     },
     "sliding lower jaw mirrors the fixed one"},
};

TEST(SkinBitmaps, DerivedBitmapsAreTurnsAndMirrorsPixelForPixel) {
    for (const Relation& r : RELATIONS) {
        BmpView target = skin(r.target);
        BmpView source = skin(r.source);
        int differing = 0;
        for (int y = r.y0; y <= r.y1; ++y)
            for (int x = r.x0; x <= r.x1; ++x) {
                auto [sx, sy] = r.from(x, y);
                differing += target.grey(x, y) != source.grey(sx, sy);
            }
        EXPECT_EQ(differing, 0) << r.what;
    }
}

TEST(SkinBitmaps, VerticalBodyBelowTheJawIsOnlyTheBeamBand) {
    BmpView body = skin(5);
    int wrong = 0;
    for (int y = 27; y < 389; ++y)
        for (int x = 0; x < 144; ++x)
            wrong += body.grey(x, y) != (x >= 77 && x <= 101 ? BEAM : BLACK);
    EXPECT_EQ(wrong, 0);
}

} // namespace
