// Image slots, scale, frame, window shape and size, on 1920 x 1080 at 24 inches unless said.
#include "tests/unit/logic/caliper_test.h"

#include "render/render.h"

#include <algorithm>
#include <functional>

namespace {

constexpr Colour BLACK = 0x000000, STEEL = 0xB4B4B4, BAND = 0x787878, TICK = 0xE4191B;

// The calls that size the window and the surface, apply the shape or start a rebuild.
std::vector<std::string> sizing_calls() {
    std::vector<std::string> coarse;
    for (const std::string& call :
         calls_of({"resize_window", "resize_canvas", "set_window_region", "image_exists(0)"}))
        coarse.push_back(call.starts_with("image_exists")        ? "rebuild"
                         : call.starts_with("set_window_region") ? "shape"
                                                                 : call);
    return coarse;
}

struct SizingCase {
    const char* name;
    std::int8_t orientation_before;
    std::function<void()> action;
    std::vector<std::string> expected;
};

class SizingTest : public CaliperTest, public ::testing::WithParamInterface<SizingCase> {};

TEST_P(SizingTest, CallsInTheOrderOfTheOrientation) {
    const SizingCase& c = GetParam();
    start();
    caliper.orientation = c.orientation_before;
    fake_clear_records();
    c.action();
    EXPECT_EQ(sizing_calls(), c.expected);
}

void set_length_12() {
    caliper.length_cm = 12;
    set_length(12);
}

INSTANTIATE_TEST_SUITE_P(
    Orders, SizingTest,
    ::testing::Values(SizingCase{"OrientationHorizontal",
                                 ORIENT_VERTICAL,
                                 [] { set_orientation(ORIENT_HORIZONTAL, 8); },
                                 {"resize_window(0, KEEP, KEEP, 290, 144)",
                                  "resize_canvas(0, KEEP, KEEP, 290, 200)", "rebuild"}},
                      SizingCase{"OrientationVertical",
                                 ORIENT_HORIZONTAL,
                                 [] { set_orientation(ORIENT_VERTICAL, 8); },
                                 {"rebuild", "resize_window(0, KEEP, KEEP, 144, 290)",
                                  "resize_canvas(0, KEEP, KEEP, 200, 290)"}},
                      SizingCase{"OrientationOther", ORIENT_HORIZONTAL, [] { set_orientation(0, 8); }, {}},
                      SizingCase{"LengthHorizontal",
                                 ORIENT_HORIZONTAL,
                                 set_length_12,
                                 {"resize_window(0, KEEP, KEEP, 435, KEEP)",
                                  "resize_canvas(0, KEEP, KEEP, 435, KEEP)", "shape", "rebuild"}},
                      SizingCase{"LengthVertical",
                                 ORIENT_VERTICAL,
                                 set_length_12,
                                 {"shape", "resize_window(0, KEEP, KEEP, KEEP, 435)",
                                  "resize_canvas(0, KEEP, KEEP, KEEP, 435)", "rebuild"}},
                      SizingCase{"LengthOther", 0, set_length_12, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaliperTest, SetOrientationStoresAnyValueFirst) {
    start();
    set_orientation(0, 8);
    EXPECT_EQ(caliper.orientation, 0);
    set_orientation(ORIENT_VERTICAL, 8);
    EXPECT_EQ(caliper.orientation, ORIENT_VERTICAL);
    EXPECT_NE(fake_image(IMG_V_SCALE)->at(0, 100), BLACK); // rebuilt for the new orientation
}

TEST_F(CaliperTest, RebuildFreesAllSlotsThenBuildsThemInOrder) {
    start();
    fake_clear_records();
    rebuild_images(ORIENT_HORIZONTAL, 8);
    std::vector<std::string> expected;
    for (int slot = 0; slot < IMAGE_SLOTS; ++slot) {
        expected.push_back("image_exists(" + std::to_string(slot) + ") = true");
        expected.push_back("free_image(" + std::to_string(slot) + ")");
    }
    const std::vector<std::string> building = {
        "image_from_bmp(0, 12150) = 1",     "image_from_bmp(1, 25134) = 1",
        "image_from_bmp(2, 1026) = 1",      "create_image(3, 24, 15) = 1",
        "create_image(4, 290, 42) = 1",     "begin_drawing(image 3) = true",
        "fill_box(0, 0, 24, 15, 0xB4B4B4)", "end_drawing()",
        "image_from_bmp(5, 168102) = 1",    "image_from_bmp(6, 25166) = 1",
        "image_from_bmp(7, 978) = 1",       "create_image(8, 15, 24) = 1",
        "create_image(9, 42, 290) = 1",     "begin_drawing(image 8) = true",
        "fill_box(0, 0, 15, 24, 0xB4B4B4)", "end_drawing()",
        "begin_drawing(image 4) = true"};
    expected.insert(expected.end(), building.begin(), building.end());
    std::vector<std::string> actual = calls_of({"image_exists", "free_image", "image_from_bmp",
                                                "create_image", "begin_drawing", "end_drawing", "fill_box"});
    actual.resize(std::min(actual.size(), expected.size()));
    EXPECT_EQ(actual, expected);
}

struct SlotCase {
    const char* name;
    std::int8_t orientation;
    int black_scale; // the other orientation's scale image
};

class SlotTest : public CaliperTest, public ::testing::WithParamInterface<SlotCase> {};

bool all_pixels(const FakePixmap* image, Colour colour) {
    return image && std::ranges::all_of(image->pixels, [colour](Colour c) { return c == colour; });
}

TEST_P(SlotTest, GreyBlocksAndTheUnusedScaleIsBlack) {
    const SlotCase& c = GetParam();
    start();
    set_orientation(c.orientation, 8);
    for (int slot = 0; slot < IMAGE_SLOTS; ++slot)
        EXPECT_NE(fake_image(slot), nullptr) << slot;
    EXPECT_TRUE(all_pixels(fake_image(IMG_H_TIP_BASE), STEEL));
    EXPECT_TRUE(all_pixels(fake_image(IMG_V_TIP_BASE), STEEL));
    EXPECT_EQ(fake_image(IMG_H_TIP_BASE)->width, 24);
    EXPECT_EQ(fake_image(IMG_V_TIP_BASE)->height, 24);
    EXPECT_TRUE(all_pixels(fake_image(c.black_scale), BLACK));
    EXPECT_EQ(fake_image(IMG_H_SCALE)->width, 290);
    EXPECT_EQ(fake_image(IMG_V_SCALE)->height, 290);
}

INSTANTIATE_TEST_SUITE_P(Orientations, SlotTest,
                         ::testing::Values(SlotCase{"Horizontal", ORIENT_HORIZONTAL, IMG_V_SCALE},
                                           SlotCase{"Vertical", ORIENT_VERTICAL, IMG_H_SCALE}),
                         [](const auto& info) { return std::string(info.param.name); });

struct Probe {
    int x, y;
    Colour colour;
};

struct Label {
    int x, y;
    const char* text;
    Colour colour;
};

struct ScaleCase {
    const char* name;
    std::int8_t orientation;
    int slot;
    std::vector<Probe> pixels;
    std::vector<Label> labels; // a selection, in drawing order
};

class ScaleTest : public CaliperTest, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(ScaleTest, TicksAndLabelsAtTheirMarks) {
    const ScaleCase& c = GetParam();
    start();
    fake_clear_records();
    set_orientation(c.orientation, 8);
    const FakePixmap* image = fake_image(c.slot);
    ASSERT_NE(image, nullptr);
    for (const Probe& p : c.pixels)
        EXPECT_EQ(image->at(p.x, p.y), p.colour) << "pixel (" << p.x << ", " << p.y << ")";
    std::vector<FakeText> texts;
    std::ranges::copy_if(fake_texts(), std::back_inserter(texts), [&](const FakeText& t) {
        return t.target.kind == DrawTarget::IMAGE && t.target.number == c.slot;
    });
    ASSERT_EQ(texts.size(), 18u); // two per half centimetre, 0 to 8.5
    for (const Label& label : c.labels) {
        auto found = std::ranges::find_if(texts, [&](const FakeText& t) { return t.text == label.text; });
        ASSERT_NE(found, texts.end()) << label.text;
        EXPECT_EQ(found->x, label.x) << label.text;
        EXPECT_EQ(found->y, label.y) << label.text;
        EXPECT_EQ(found->colour, label.colour) << label.text;
        EXPECT_EQ(found->rotated, c.orientation == ORIENT_VERTICAL);
        EXPECT_EQ(found->angle, c.orientation == ORIENT_VERTICAL ? 270.0f : 0.0f);
        EXPECT_EQ(found->font, label_font);
        EXPECT_TRUE(found->transparent);
    }
}

INSTANTIATE_TEST_SUITE_P(Orientations, ScaleTest,
                         ::testing::Values(ScaleCase{"Horizontal",
                                                     ORIENT_HORIZONTAL,
                                                     IMG_H_SCALE,
                                                     {{37, 15, TICK},
                                                      {37, 24, TICK},
                                                      {37, 14, BAND},
                                                      {37, 25, BLACK},
                                                      {36, 20, BAND},
                                                      {38, 20, BAND},
                                                      {55, 18, TICK},
                                                      {55, 24, TICK},
                                                      {55, 17, BAND},
                                                      {19, 18, TICK},
                                                      {1, 15, TICK},
                                                      {289, 0, BAND},
                                                      {289, 41, BLACK},
                                                      {0, 25, BLACK}},
                                                     {{-1, 0, "0", 0x000000},
                                                      {12, 4, "0.5", 0x2D2D2D},
                                                      {35, 0, "1", 0x000000},
                                                      {48, 4, "1.5", 0x2D2D2D}}},
                                           ScaleCase{"Vertical",
                                                     ORIENT_VERTICAL,
                                                     IMG_V_SCALE,
                                                     {{0, 37, TICK},
                                                      {10, 37, TICK},
                                                      {11, 37, BAND},
                                                      {25, 37, BLACK},
                                                      {5, 36, BAND},
                                                      {5, 38, BAND},
                                                      {0, 55, TICK},
                                                      {7, 55, TICK},
                                                      {8, 55, BAND},
                                                      {7, 19, TICK},
                                                      {0, 1, TICK},
                                                      {24, 289, BAND},
                                                      {41, 289, BLACK}},
                                                     {{25, 0, "0", 0x000000},
                                                      {18, 12, "0.5", 0x2D2D2D},
                                                      {25, 36, "1", 0x000000},
                                                      {18, 48, "1.5", 0x2D2D2D}}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaliperTest, HorizontalBandFollowsTheSurfaceWidth) {
    start();
    rebuild_images(ORIENT_HORIZONTAL, 12); // 435 pixels long, the surface still 400 wide
    const FakePixmap* scale = fake_image(IMG_H_SCALE);
    ASSERT_EQ(scale->width, 435);
    EXPECT_EQ(scale->at(399, 0), BAND);
    EXPECT_EQ(scale->at(400, 0), BLACK);
}

struct FrameCase {
    const char* name;
    std::int8_t orientation;
    std::vector<std::string> composition;
    std::vector<Probe> pixels; // on the surface
};

class FrameTest : public CaliperTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(FrameTest, ComposesTheFiveImagesAtTheirPlaces) {
    const FrameCase& c = GetParam();
    start();
    set_orientation(c.orientation, 8);
    caliper.jaw_pos = 127;
    fake_clear_records();
    render_frame(c.orientation);
    EXPECT_EQ(calls_from("begin_drawing(canvas"), c.composition);
    const FakePixmap& surface = fake_canvas(CANVAS)->image;
    for (const Probe& p : c.pixels)
        EXPECT_EQ(surface.at(p.x, p.y), p.colour) << "pixel (" << p.x << ", " << p.y << ")";
}

INSTANTIATE_TEST_SUITE_P(
    Orientations, FrameTest,
    ::testing::Values(
        FrameCase{"Horizontal",
                  ORIENT_HORIZONTAL,
                  {"begin_drawing(canvas 0) = true", "canvas_width(0) = 290", "canvas_height(0) = 200",
                   "fill_box(0, 0, 290, 200, 0x000000)", "draw_image(0, 0, 0)", "draw_image(4, 27, 42)",
                   "draw_image(1, 127, 30)", "draw_image(2, 104, 0)", "draw_image(3, 103, 27)",
                   "end_drawing()"},
                  {{103, 27, STEEL}, {126, 41, STEEL}, {64, 57, TICK}, {100, 150, BLACK}, {289, 199, BLACK}}},
        FrameCase{
            "Vertical",
            ORIENT_VERTICAL,
            {"begin_drawing(canvas 0) = true", "canvas_width(0) = 200", "canvas_height(0) = 290",
             "fill_box(0, 0, 200, 290, 0x000000)", "draw_image(5, 0, 0)", "draw_image(9, 77, 27)",
             "draw_image(6, 0, 127)", "draw_image(7, 117, 104)", "draw_image(8, 102, 104)", "end_drawing()"},
            {{102, 104, STEEL}, {116, 127, STEEL}, {77, 64, TICK}, {150, 10, BLACK}, {199, 289, BLACK}}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReadoutCase {
    const char* name;
    std::int8_t orientation;
    int jaw_pos;
    const char* text;
};

class ReadoutTest : public CaliperTest, public ::testing::WithParamInterface<ReadoutCase> {};

TEST_P(ReadoutTest, WritesTheJawDistanceIntoTheSlider) {
    const ReadoutCase& c = GetParam();
    start();
    caliper.jaw_pos = c.jaw_pos;
    const bool vertical = c.orientation == ORIENT_VERTICAL;
    const int slider = vertical ? IMG_V_SLIDER : IMG_H_SLIDER;
    fake_clear_records();
    render_frame(c.orientation);
    EXPECT_EQ(calls_of({"fill_round_box"}),
              std::vector<std::string>{vertical ? "fill_round_box(80, 4, 32, 66, 5, 5, 0x000000)"
                                                : "fill_round_box(4, 2, 66, 32, 5, 5, 0x000000)"});
    EXPECT_EQ(fake_image(slider)->at(vertical ? 96 : 37, vertical ? 37 : 17),
              BLACK); // the box, over the grey window
    ASSERT_EQ(fake_texts().size(), 1u);
    const FakeText& text = fake_texts()[0];
    EXPECT_EQ(text.target.kind, DrawTarget::IMAGE);
    EXPECT_EQ(text.target.number, slider);
    EXPECT_EQ(text.text, c.text);
    EXPECT_EQ(text.x, vertical ? 105 : 6);
    EXPECT_EQ(text.y, 7);
    EXPECT_EQ(text.rotated, vertical);
    EXPECT_EQ(text.angle, vertical ? 270.0f : 0.0f);
    EXPECT_EQ(text.colour, 0xFFFFFFu);
    EXPECT_EQ(text.font, readout_font);
    EXPECT_TRUE(text.transparent);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, ReadoutTest,
    ::testing::Values(ReadoutCase{"HorizontalZero", ORIENT_HORIZONTAL, 27, "0.000"},
                      ReadoutCase{"HorizontalHundredPixels", ORIENT_HORIZONTAL, 127, "2.761"},
                      ReadoutCase{"HorizontalOnePixel", ORIENT_HORIZONTAL, 28, "0.028"},
                      ReadoutCase{"VerticalZero", ORIENT_VERTICAL, 27, "0.000"},
                      ReadoutCase{"VerticalHundredPixels", ORIENT_VERTICAL, 127, "2.761"},
                      ReadoutCase{"VerticalOnePixel", ORIENT_VERTICAL, 28, "0.028"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaliperTest, OtherOrientationDrawsNothing) {
    start();
    fake_clear_records();
    render_frame(0);
    apply_window_shape(0, 290);
    EXPECT_EQ(calls_of({"begin_drawing", "create_rect_region"}), std::vector<std::string>{});
}

struct ShapeCase {
    const char* name;
    std::int8_t orientation;
    int jaw_pos;
    bool (*inside)(int x, int y); // the expected shape
};

class ShapeTest : public CaliperTest, public ::testing::WithParamInterface<ShapeCase> {};

// Every pixel of the window against the expected shape.
TEST_P(ShapeTest, CutsTheGapOutOfTheOutline) {
    const ShapeCase& c = GetParam();
    start();
    if (c.orientation == ORIENT_VERTICAL) set_orientation(ORIENT_VERTICAL, 8);
    caliper.jaw_pos = c.jaw_pos;
    fake_clear_records();
    apply_window_shape(c.orientation, 290);
    const FakeWindow* window = fake_window(MAIN_WINDOW);
    int wrong = 0;
    for (int y = 0; y < window->height; ++y)
        for (int x = 0; x < window->width; ++x)
            if (fake_window_shape_contains(MAIN_WINDOW, x, y) != c.inside(x, y) && ++wrong <= 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ")";
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(fake_live_regions(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ShapeTest,
    ::testing::Values(
        // At start-up the window is 389 wide while L = 290: beyond the outline the gap adds pixels.
        ShapeCase{"StartUpWindowWiderThanTheScale", ORIENT_HORIZONTAL, 300,
                  [](int x, int y) { return y < 67 ? x < 290 : x < 27 || (x >= 290 && x < 300); }},
        ShapeCase{"HorizontalGap", ORIENT_HORIZONTAL, 127,
                  [](int x, int y) { return x < 290 && !(y >= 67 && x >= 27 && x < 127); }},
        ShapeCase{"HorizontalClosed", ORIENT_HORIZONTAL, 27, [](int x, int) { return x < 290; }},
        ShapeCase{"VerticalGap", ORIENT_VERTICAL, 127,
                  [](int x, int y) { return !(x < 77 && y >= 27 && y < 127); }},
        ShapeCase{"VerticalClosed", ORIENT_VERTICAL, 27, [](int, int) { return true; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaliperTest, ShapeRegionsAreCombinedHandedOverAndReleased) {
    start();
    caliper.jaw_pos = 127;
    fake_clear_records();
    apply_window_shape(ORIENT_HORIZONTAL, 290);
    const std::vector<std::string> calls =
        calls_of({"create_rect_region", "combine_region_xor", "set_window_region", "delete_region"});
    ASSERT_EQ(calls.size(), 7u);
    auto handle = [&](int i) { return calls[i].substr(calls[i].rfind(' ') + 1); };
    const std::vector<std::string> expected = {
        "create_rect_region(0, 0, 290, 150) = " + handle(0),
        "create_rect_region(0, 0, 290, 150) = " + handle(1),
        "create_rect_region(27, 67, 127, 275) = " + handle(2),
        "combine_region_xor(" + handle(0) + ", " + handle(1) + ", " + handle(2) + ")",
        "set_window_region(256, " + handle(0) + ")",
        "delete_region(" + handle(1) + ")",
        "delete_region(" + handle(2) + ")",
    };
    EXPECT_EQ(calls, expected);
}

struct RangeCase {
    const char* name;
    std::int32_t length_cm;
    const char* diagonal;
    DesktopSize desktop_afterwards;
    int window_height; // after turning vertical
};

class ScaleRangeTest : public CaliperTest, public ::testing::WithParamInterface<RangeCase> {};

// L is kept within 1 .. 32767 whatever the desktop or the diagonal make of the length.
TEST_P(ScaleRangeTest, NoEmptyOrOversizedImageOrWindow) {
    const RangeCase& c = GetParam();
    start(c.diagonal);
    caliper.length_cm = c.length_cm;
    fake_set_desktop_size(c.desktop_afterwards.width, c.desktop_afterwards.height);
    set_orientation(ORIENT_VERTICAL, c.length_cm);
    EXPECT_EQ(fake_window(MAIN_WINDOW)->height, c.window_height);
    EXPECT_EQ(fake_image(IMG_V_SCALE)->height, c.window_height);
}

INSTANTIATE_TEST_SUITE_P(Extremes, ScaleRangeTest,
                         ::testing::Values(RangeCase{"DesktopGrew", 904, "24", {3840, 2160}, 32767},
                                           RangeCase{"UnderAPixel", 1, "2202", {1920, 1080}, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
