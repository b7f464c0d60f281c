// Boxes, lines, round boxes, image copies and blank images: exact pixels, clipped to the target.
#include "conformance.h"

#include <cstdlib>
#include <set>
#include <utility>

namespace {

constexpr int target = 31;
constexpr int source = 32;
constexpr Colour paint = 0x3C7AB4;

bool inside_box(int x, int y, int bx, int by, int bw, int bh) {
    return x >= bx && x < bx + bw && y >= by && y < by + bh;
}

struct BoxCase {
    const char* name;
    int x, y, width, height;
};

class FillBox : public ::testing::TestWithParam<BoxCase> {};

TEST_P(FillBox, SetsExactlyTheClippedBox) {
    const BoxCase c = GetParam();
    ASSERT_NE(create_image(target, 10, 8), 0);
    ASSERT_TRUE(begin_drawing(image_target(target)));
    fill_box(c.x, c.y, c.width, c.height, paint);
    end_drawing();
    EXPECT_TRUE(image_is(target, 10, 8, [&](int x, int y) {
        return inside_box(x, y, c.x, c.y, c.width, c.height) ? paint : 0u;
    }));
}

INSTANTIATE_TEST_SUITE_P(Boxes, FillBox,
                         ::testing::Values(BoxCase{"inside", 2, 3, 4, 2}, BoxCase{"whole", 0, 0, 10, 8},
                                           BoxCase{"single", 9, 7, 1, 1},
                                           BoxCase{"past_top_left", -3, -2, 5, 4},
                                           BoxCase{"past_bottom_right", 8, 6, 5, 5},
                                           BoxCase{"outside", 10, 0, 3, 3}, BoxCase{"above", -5, -5, 3, 3},
                                           BoxCase{"zero_width", 2, 2, 0, 3},
                                           BoxCase{"negative", 5, 5, -2, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

struct LineCase {
    const char* name;
    int x1, y1, x2, y2;
};

// Lines along an axis or a diagonal: every step moves one pixel on each axis that changes.
std::set<std::pair<int, int>> exact_line(const LineCase& c) {
    std::set<std::pair<int, int>> points;
    const int steps = std::max(std::abs(c.x2 - c.x1), std::abs(c.y2 - c.y1));
    const int sx = c.x2 > c.x1 ? 1 : (c.x2 < c.x1 ? -1 : 0);
    const int sy = c.y2 > c.y1 ? 1 : (c.y2 < c.y1 ? -1 : 0);
    for (int i = 0; i <= steps; ++i)
        points.insert({c.x1 + i * sx, c.y1 + i * sy});
    return points;
}

class DrawLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(DrawLine, SetsBothEndPointsAndNothingElse) {
    const LineCase c = GetParam();
    ASSERT_NE(create_image(target, 12, 10), 0);
    ASSERT_TRUE(begin_drawing(image_target(target)));
    draw_line(c.x1, c.y1, c.x2, c.y2, paint);
    end_drawing();
    const auto points = exact_line(c);
    EXPECT_TRUE(image_is(target, 12, 10, [&](int x, int y) { return points.contains({x, y}) ? paint : 0u; }));
}

INSTANTIATE_TEST_SUITE_P(Lines, DrawLine,
                         ::testing::Values(LineCase{"rightwards", 1, 2, 8, 2},
                                           LineCase{"leftwards", 8, 2, 1, 2},
                                           LineCase{"downwards", 3, 0, 3, 9}, LineCase{"upwards", 3, 9, 3, 0},
                                           LineCase{"point", 4, 4, 4, 4}, LineCase{"clipped", -5, 5, 20, 5},
                                           LineCase{"diagonal", 0, 0, 5, 5},
                                           LineCase{"antidiagonal", 9, 1, 4, 6}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DrawLine, SteepLineHasOnePixelPerRowFromEndToEnd) {
    ASSERT_NE(create_image(target, 12, 12), 0);
    ASSERT_TRUE(begin_drawing(image_target(target)));
    draw_line(2, 1, 5, 10, paint);
    end_drawing();
    EXPECT_EQ(probe_image_pixel(target, 2, 1), paint);
    EXPECT_EQ(probe_image_pixel(target, 5, 10), paint);
    for (int y = 0; y < 12; ++y) {
        int in_row = 0;
        for (int x = 0; x < 12; ++x)
            in_row += probe_image_pixel(target, x, y) == paint;
        EXPECT_EQ(in_row, (y >= 1 && y <= 10) ? 1 : 0) << "row " << y;
    }
}

PixelBox round_box(int x, int y, int width, int height, int rx, int ry) {
    EXPECT_NE(create_image(target, 24, 20), 0);
    EXPECT_TRUE(begin_drawing(image_target(target)));
    fill_round_box(x, y, width, height, rx, ry, paint);
    end_drawing();
    return pixels_where(target, [](int, int, Colour c) { return c == paint; });
}

TEST(FillRoundBox, CutsTheCornersAndFillsTheRest) {
    const PixelBox filled = round_box(3, 2, 14, 10, 4, 3);
    EXPECT_EQ(filled.left, 3);
    EXPECT_EQ(filled.top, 2);
    EXPECT_EQ(filled.right, 16);
    EXPECT_EQ(filled.bottom, 11);
    for (auto [x, y] : {std::pair{3, 2}, {16, 2}, {3, 11}, {16, 11}})
        EXPECT_EQ(probe_image_pixel(target, x, y), 0u) << "corner " << x << ", " << y;
    for (auto [x, y] : {std::pair{10, 7}, {10, 2}, {10, 11}, {3, 7}, {16, 7}, {7, 3}, {13, 10}})
        EXPECT_EQ(probe_image_pixel(target, x, y), paint) << "inner " << x << ", " << y;
    int cut = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 24; ++x) {
            const bool set = probe_image_pixel(target, x, y) == paint;
            EXPECT_EQ(set, probe_image_pixel(target, 19 - x, y) == paint) << "mirror of " << x << ", " << y;
            EXPECT_EQ(set, probe_image_pixel(target, x, 13 - y) == paint) << "flip of " << x << ", " << y;
            if (!set && inside_box(x, y, 3, 2, 14, 10)) ++cut;
        }
    EXPECT_GT(cut, 4);
    EXPECT_LT(cut, 4 * 4 * 3);
}

TEST(FillRoundBox, RadiiAreCappedAtHalfTheSides) {
    const int capped = round_box(3, 2, 14, 10, 100, 100).count;
    const int halves = round_box(3, 2, 14, 10, 7, 5).count;
    EXPECT_EQ(capped, halves);
    EXPECT_EQ(round_box(3, 2, 14, 10, 0, 0).count, 14 * 10);
}

struct CopyCase {
    const char* name;
    int x, y;
};

class DrawImage : public ::testing::TestWithParam<CopyCase> {};

Colour source_colour(int x, int y) {
    return 0x102030u + static_cast<Colour>(x) * 0x40 + static_cast<Colour>(y) * 0x400000;
}

TEST_P(DrawImage, CopiesEveryPixelClipped) {
    const CopyCase c = GetParam();
    ASSERT_NE(create_image(source, 3, 2), 0);
    ASSERT_TRUE(begin_drawing(image_target(source)));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            fill_box(x, y, 1, 1, source_colour(x, y));
    end_drawing();
    ASSERT_NE(create_image(target, 6, 5), 0);
    ASSERT_TRUE(begin_drawing(image_target(target)));
    draw_image(source, c.x, c.y);
    end_drawing();
    EXPECT_TRUE(image_is(target, 6, 5, [&](int x, int y) {
        return inside_box(x, y, c.x, c.y, 3, 2) ? source_colour(x - c.x, y - c.y) : 0u;
    }));
}

INSTANTIATE_TEST_SUITE_P(Places, DrawImage,
                         ::testing::Values(CopyCase{"inside", 1, 1}, CopyCase{"past_top_left", -1, -1},
                                           CopyCase{"past_bottom_right", 4, 4}, CopyCase{"outside", 6, 0},
                                           CopyCase{"far_outside", -3, -2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DrawImage, EmptySlotDrawsNothing) {
    free_image(source);
    ASSERT_NE(create_image(target, 4, 4), 0);
    ASSERT_TRUE(begin_drawing(image_target(target)));
    draw_image(source, 0, 0);
    end_drawing();
    EXPECT_TRUE(image_is(target, 4, 4, [](int, int) { return 0u; }));
}

TEST(Images, CreatedImagesAreBlackAndReplaceTheSlot) {
    make_filled_image(target, 5, 5, paint);
    ASSERT_NE(create_image(target, 7, 3), 0);
    EXPECT_TRUE(image_is(target, 7, 3, [](int, int) { return 0u; }));
}

TEST(Images, NonPositiveSizesLeaveTheSlotEmpty) {
    for (auto [width, height] : {std::pair{0, 5}, {5, 0}, {-1, 5}, {5, -3}}) {
        ASSERT_NE(create_image(target, 2, 2), 0);
        EXPECT_EQ(create_image(target, width, height), 0);
        EXPECT_FALSE(image_exists(target));
    }
}

TEST(Images, FreedSlotCannotBeDrawnOn) {
    ASSERT_NE(create_image(target, 2, 2), 0);
    free_image(target);
    EXPECT_FALSE(image_exists(target));
    EXPECT_EQ(probe_image_width(target), 0);
    EXPECT_FALSE(begin_drawing(image_target(target)));
    EXPECT_FALSE(begin_drawing(canvas_target(77)));
}

} // namespace
