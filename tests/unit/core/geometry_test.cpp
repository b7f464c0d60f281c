#include "core/geometry.h"
#include "float_bits.h"
#include "platform/fake/fake.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr std::int32_t INT_MAX32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t INT_MIN32 = std::numeric_limits<std::int32_t>::min();
constexpr double INF = std::numeric_limits<double>::infinity();
constexpr double NAN64 = std::numeric_limits<double>::quiet_NaN();

// Every test states the desktop it measures on; this puts the fake's default back afterwards.
class Geometry : public testing::Test {
  protected:
    void TearDown() override { fake_set_desktop_size(1920, 1080); }
};

TEST(Nearest, RoundsHalvesToEvenAndSaturates) {
    struct Case {
        double value;
        std::int32_t expected;
    };
    const Case cases[] = {
        {2.5, 2},
        {3.5, 4},
        {0.5, 0},
        {1.5, 2},
        {-0.5, 0},
        {-1.5, -2},
        {-2.5, -2},
        {-3.5, -4},
        {2.4999999999999996, 2},
        {2.5000000000000004, 3},
        {-0.49999999999999994, 0},
        {-0.50000000000000011, -1},
        {308.6614074707031, 309},
        {-7.0, -7},
        {2147483646.5, 2147483646},
        {2147483647.0, INT_MAX32},
        {2147483647.5, INT_MAX32},
        {-2147483648.0, INT_MIN32},
        {-2147483648.5, INT_MIN32},
        {-2147483647.5, INT_MIN32},
        {1e30, INT_MAX32},
        {-1e30, INT_MIN32},
        {INF, INT_MAX32},
        {-INF, INT_MIN32},
        {NAN64, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nearest(c.value), c.expected) << "value " << c.value;
}

TEST(RoundedDiagonal, RoundsTheTypedDiagonalHalvesToEven) {
    struct Case {
        float diagonal_in;
        std::int32_t expected;
    };
    const Case cases[] = {
        {14.5f, 14},
        {15.5f, 16},
        {16.5f, 16},
        {15.6f, 16},
        {16.4f, 16},
        {0.4f, 0},
        {0.5f, 0},
        {0.6f, 1},
        {-5.0f, -5},
        {std::numeric_limits<float>::quiet_NaN(), 0},
        {std::numeric_limits<float>::infinity(), INT_MAX32},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rounded_diagonal(c.diagonal_in), c.expected) << c.diagonal_in;
}

// K, the pixels per centimetre, is read as cm_to_px(1, D): multiplying by one is exact, and K
// determines the pixels per inch and the desktop diagonal behind it.
TEST_F(Geometry, WorkedValuesAreBitExact) {
    struct Case {
        int width, height;
        float diagonal_in;
        std::int32_t diagonal;
        float per_cm, cm8_px;
        std::int32_t length8_px;
        float px100_cm;
    };
    const Case cases[] = {
        {1366, 768, 15.6f, 16, 38.58267593383789f, 308.6614074707031f, 309, 2.591836929321289f},
        {1920, 1080, 24.0f, 24, 36.22047424316406f, 289.7637939453125f, 290, 2.7608695030212402f},
        {1280, 1024, 19.0f, 19, 33.85826873779297f, 270.86614990234375f, 271, 2.953488349914551f},
        {1920, 1080, 15.6f, 16, 54.330711364746094f, 434.64569091796875f, 435, 1.840579628944397f},
        {2560, 1440, 27.0f, 27, 42.913387298583984f, 343.3070983886719f, 343, 2.330275058746338f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << ", " << c.diagonal_in << " in");
        fake_set_desktop_size(c.width, c.height);
        const std::int32_t d = rounded_diagonal(c.diagonal_in);
        EXPECT_EQ(d, c.diagonal);
        EXPECT_TRUE(diagonal_usable(c.diagonal_in));
        EXPECT_TRUE(same_bits(cm_to_px(1.0f, d), c.per_cm));
        EXPECT_TRUE(same_bits(cm_to_px(8.0f, d), c.cm8_px));
        EXPECT_EQ(scale_length_px(8, d), c.length8_px);
        EXPECT_TRUE(same_bits(px_to_cm(100.0f, d), c.px100_cm));
        EXPECT_TRUE(same_bits(px_to_cm(0.0f, d), 0.0f));
    }
}

TEST_F(Geometry, LargestReadingOfTheDefaultScale) {
    fake_set_desktop_size(1366, 768);
    EXPECT_TRUE(same_bits(px_to_cm(221.0f, 16), 5.727959156036377f));
}

// Squares of sides above 4096 pixels are rounded to single precision (4097^2 = 16785409 becomes
// 16785408). These desktops sit where that one unit moves the root across a half, so exact squares
// would give one pixel per inch more (4098 and 1139).
TEST_F(Geometry, SquaresOfLongSidesAreRoundedToFloat) {
    struct Case {
        int width, height;
        std::int32_t diagonal;
        float per_cm;
    };
    const Case cases[] = {
        {4097, 64, 1, 1612.9921875f},
        {64, 4097, 1, 1612.9921875f},
        {4097, 5466, 6, 448.031494140625f},
    };
    for (const Case& c : cases) {
        fake_set_desktop_size(c.width, c.height);
        EXPECT_TRUE(same_bits(cm_to_px(1.0f, c.diagonal), c.per_cm)) << c.width << " x " << c.height;
    }
}

TEST_F(Geometry, ResolutionIsReadAtEveryCall) {
    fake_set_desktop_size(1366, 768);
    EXPECT_TRUE(same_bits(cm_to_px(8.0f, 16), 308.6614074707031f));
    fake_set_desktop_size(1920, 1080);
    EXPECT_TRUE(same_bits(cm_to_px(8.0f, 16), 434.64569091796875f));
    EXPECT_TRUE(same_bits(px_to_cm(100.0f, 16), 1.840579628944397f));
    EXPECT_EQ(scale_length_px(8, 16), 435);
    fake_set_desktop_size(1366, 768);
    EXPECT_TRUE(same_bits(px_to_cm(100.0f, 16), 2.591836929321289f));
    EXPECT_EQ(scale_length_px(8, 16), 309);
}

// An unusable diagonal measures as if the screen had 96 pixels per inch.
constexpr float NOMINAL_PER_CM = 37.7952766418457f;
constexpr float NOMINAL_CM8_PX = 302.3622131347656f;
constexpr float NOMINAL_PX100_CM = 2.6458332538604736f;

void expect_nominal_scale(std::int32_t diagonal) {
    EXPECT_TRUE(same_bits(cm_to_px(1.0f, diagonal), NOMINAL_PER_CM));
    EXPECT_TRUE(same_bits(cm_to_px(8.0f, diagonal), NOMINAL_CM8_PX));
    EXPECT_EQ(scale_length_px(8, diagonal), 302);
    EXPECT_TRUE(same_bits(px_to_cm(100.0f, diagonal), NOMINAL_PX100_CM));
}

TEST_F(Geometry, UnusableDiagonalFallsBackToNominalScale) {
    // 4406 inches on 1920 x 1080 give 0.49998 pixels per inch, which rounds to none.
    const float diagonals[] = {0.0f,
                               0.4f,
                               0.5f,
                               -5.0f,
                               1e30f,
                               4406.0f,
                               std::numeric_limits<float>::quiet_NaN(),
                               std::numeric_limits<float>::infinity(),
                               -std::numeric_limits<float>::infinity()};
    fake_set_desktop_size(1920, 1080);
    for (float diagonal_in : diagonals) {
        SCOPED_TRACE(testing::Message() << "diagonal " << diagonal_in);
        EXPECT_FALSE(diagonal_usable(diagonal_in));
        expect_nominal_scale(rounded_diagonal(diagonal_in));
    }
    expect_nominal_scale(INT_MIN32);
}

TEST_F(Geometry, SmallestUsableDiagonalsGiveOnePixelPerInch) {
    const float one_pixel_per_inch_cm = 0.3937007784843445f;
    fake_set_desktop_size(1920, 1080);
    EXPECT_TRUE(diagonal_usable(4405.0f)); // 0.50009 pixels per inch round to 1
    EXPECT_TRUE(same_bits(cm_to_px(1.0f, 4405), one_pixel_per_inch_cm));
    fake_set_desktop_size(1, 1);
    EXPECT_TRUE(diagonal_usable(0.6f)); // 1.41 pixels per inch
    EXPECT_TRUE(same_bits(cm_to_px(1.0f, 1), one_pixel_per_inch_cm));
    EXPECT_TRUE(same_bits(px_to_cm(1.0f, 1), 2.54f));
}

TEST_F(Geometry, DesktopWithoutAreaFallsBackToNominalScale) {
    const DesktopSize desktops[] = {{0, 0}, {0, 1080}, {1920, 0}, {-1920, 1080}, {1920, -1}};
    for (const DesktopSize& desktop : desktops) {
        SCOPED_TRACE(testing::Message() << desktop.width << " x " << desktop.height);
        fake_set_desktop_size(desktop.width, desktop.height);
        EXPECT_FALSE(diagonal_usable(16.0f));
        expect_nominal_scale(16);
    }
}

TEST_F(Geometry, ExtremeInputsStayFiniteAndPositive) {
    const DesktopSize desktops[] = {{1, 1}, {INT_MAX32, INT_MAX32}};
    const std::int32_t diagonals[] = {1, 2, INT_MAX32};
    for (const DesktopSize& desktop : desktops) {
        fake_set_desktop_size(desktop.width, desktop.height);
        for (std::int32_t diagonal : diagonals) {
            SCOPED_TRACE(testing::Message() << desktop.width << " px, " << diagonal << " in");
            const float px = cm_to_px(static_cast<float>(INT_MAX32), diagonal);
            const float cm = px_to_cm(static_cast<float>(INT_MAX32), diagonal);
            EXPECT_TRUE(std::isfinite(px) && px > 0.0f) << px;
            EXPECT_TRUE(std::isfinite(cm) && cm > 0.0f) << cm;
            EXPECT_GT(scale_length_px(INT_MAX32, diagonal), 0);
        }
    }
}

} // namespace
