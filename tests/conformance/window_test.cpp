// Windows, the drawing surface, the pointer, timers and the window shape.
#include "conformance.h"

#include <sstream>
#include <string>

namespace {

constexpr int win = 3;
constexpr int canvas = 4;

bool same(ProbeRect a, ProbeRect b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

// Through a stream: GCC 12 at -O3 warns falsely (-Wrestrict) on the chain of string additions.
std::string text(ProbeRect r) {
    std::ostringstream out;
    out << "(" << r.x << ", " << r.y << ", " << r.width << " x " << r.height << ")";
    return out.str();
}

// Passes of the event wait until an event of the kind carrying the number arrives; false after `passes`.
bool wait_for(int kind, int number, int passes = 400) {
    for (int i = 0; i < passes; ++i) {
        const int event = wait_event(5);
        if (event == kind && event_gadget() == number) return true;
    }
    return false;
}

void drain_events() {
    for (int i = 0; i < 50; ++i)
        wait_event(5);
}

// A window system with a window manager places a new window a little after it was opened, later
// still on a busy machine: wait until it stands where it was asked to (at most two seconds).
void let_the_window_settle(int window, ProbeRect wanted) {
    for (int i = 0; i < 400 && !same(probe_window_rect(window), wanted); ++i)
        wait_event(5);
    for (int i = 0; i < 10; ++i)
        wait_event(5);
}

class Window : public ::testing::Test {
  protected:
    void TearDown() override { close_window(win); }
    void open_at(int x, int y, int width, int height) {
        ASSERT_NE(open_window(win, x, y, width, height, "Tastolin", WINDOW_BORDERLESS), 0);
    }
};

struct CentreCase {
    const char* name;
    int width, height;
    int extra_width, extra_height; // added to the desktop size
};

class Centring : public Window, public ::testing::WithParamInterface<CentreCase> {};

TEST_P(Centring, CapsAtTheScreenThenCentres) {
    const CentreCase c = GetParam();
    const DesktopSize desktop = desktop_size();
    const int width = c.width + (c.extra_width ? desktop.width + c.extra_width : 0);
    const int height = c.height + (c.extra_height ? desktop.height + c.extra_height : 0);
    ASSERT_NE(open_window(win, 7, 9, width, height, "Tastolin", WINDOW_BORDERLESS | WINDOW_CENTRED), 0);
    const int w = std::min(width, desktop.width), h = std::min(height, desktop.height);
    const ProbeRect expected{(desktop.width - w) / 2, (desktop.height - h) / 2, w, h};
    EXPECT_TRUE(same(probe_window_rect(win), expected))
        << text(probe_window_rect(win)) << " vs " << text(expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, Centring,
                         ::testing::Values(CentreCase{"caliper", 389, 144, 0, 0},
                                           CentreCase{"odd", 101, 57, 0, 0},
                                           CentreCase{"too_wide", 0, 144, 100, 0},
                                           CentreCase{"too_tall", 144, 0, 0, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Window, OpensWhereToldWithAHandle) {
    open_at(30, 40, 200, 100);
    EXPECT_TRUE(same(probe_window_rect(win), {30, 40, 200, 100})) << text(probe_window_rect(win));
    EXPECT_NE(window_handle(win), 0u);
    EXPECT_EQ(open_window(win, 0, 0, 10, 10, "again", WINDOW_BORDERLESS), 0) << "the number is taken";
}

TEST_F(Window, ClosedOrMissingWindowsHaveNoHandleAndNoPointer) {
    open_at(30, 40, 200, 100);
    create_canvas(canvas, 0, 0, 10, 10);
    ASSERT_EQ(canvas_width(canvas), 10);
    close_window(win);
    EXPECT_EQ(window_handle(win), 0u);
    EXPECT_EQ(window_mouse_x(win), -1);
    EXPECT_EQ(window_mouse_y(win), -1);
    EXPECT_EQ(canvas_width(canvas), 0) << "the surface went with its window";
    close_window(win); // closing twice is harmless
}

struct ResizeCase {
    const char* name;
    int x, y, width, height;
    ProbeRect expected;
};

class Resize : public Window, public ::testing::WithParamInterface<ResizeCase> {};

TEST_P(Resize, KeepLeavesAValueUnchanged) {
    const ResizeCase c = GetParam();
    open_at(100, 80, 300, 120);
    resize_window(win, c.x, c.y, c.width, c.height);
    EXPECT_TRUE(same(probe_window_rect(win), c.expected)) << text(probe_window_rect(win));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Resize,
    ::testing::Values(ResizeCase{"keep_all", KEEP, KEEP, KEEP, KEEP, {100, 80, 300, 120}},
                      ResizeCase{"width_only", KEEP, KEEP, 271, KEEP, {100, 80, 271, 120}},
                      ResizeCase{"height_only", KEEP, KEEP, KEEP, 309, {100, 80, 300, 309}},
                      ResizeCase{"turn", KEEP, KEEP, 144, 290, {100, 80, 144, 290}},
                      ResizeCase{"move_only", 10, 20, KEEP, KEEP, {10, 20, 300, 120}},
                      ResizeCase{"all", 5, 6, 70, 80, {5, 6, 70, 80}}),
    [](const auto& info) { return std::string(info.param.name); });

struct PointerCase {
    const char* name;
    int dx, dy; // from the window's top-left corner; width and height added where flagged
    bool right_edge, bottom_edge;
    bool inside;
};

class Pointer : public Window, public ::testing::WithParamInterface<PointerCase> {};

TEST_P(Pointer, IsRelativeToTheInnerRectangleOrMinusOne) {
    const PointerCase c = GetParam();
    open_at(120, 90, 200, 100);
    let_the_window_settle(win, {120, 90, 200, 100});
    const int dx = c.dx + (c.right_edge ? 200 : 0), dy = c.dy + (c.bottom_edge ? 100 : 0);
    probe_set_pointer(120 + dx, 90 + dy);
    EXPECT_EQ(window_mouse_x(win), c.inside ? dx : -1);
    EXPECT_EQ(window_mouse_y(win), c.inside ? dy : -1);
}

INSTANTIATE_TEST_SUITE_P(Places, Pointer,
                         ::testing::Values(PointerCase{"top_left", 0, 0, false, false, true},
                                           PointerCase{"inner", 57, 33, false, false, true},
                                           PointerCase{"bottom_right", -1, -1, true, true, true},
                                           PointerCase{"left_of", -1, 30, false, false, false},
                                           PointerCase{"above", 30, -1, false, false, false},
                                           PointerCase{"right_of", 0, 30, true, false, false},
                                           PointerCase{"below", 30, 0, false, true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Window, TopmostLayerNeitherMovesNorResizes) {
    open_at(50, 60, 120, 80);
    set_topmost(win, 1);
    EXPECT_TRUE(probe_window_topmost(win));
    EXPECT_TRUE(same(probe_window_rect(win), {50, 60, 120, 80})) << text(probe_window_rect(win));
    set_topmost(win, 0);
    EXPECT_FALSE(probe_window_topmost(win));
    EXPECT_TRUE(same(probe_window_rect(win), {50, 60, 120, 80})) << text(probe_window_rect(win));
}

TEST_F(Window, TimerEventsCarryTheTimerNumberUntilTheWindowCloses) {
    open_at(50, 60, 120, 80);
    add_timer(win, 280, 15);
    bool seen = false;
    for (int i = 0; i < 400 && !seen; ++i)
        seen = wait_event(5) == EVENT_TIMER && event_timer() == 280;
    EXPECT_TRUE(seen);
    close_window(win);
    drain_events();
    for (int i = 0; i < 20; ++i)
        EXPECT_NE(wait_event(5), EVENT_TIMER);
}

// ---- the drawing surface

class Canvas : public Window {
  protected:
    void SetUp() override {
        open_at(200, 150, 60, 40);
        create_canvas(canvas, 0, 0, 80, 50);
    }
    static ::testing::AssertionResult canvas_is(int width, int height,
                                                const std::function<Colour(int, int)>& expected) {
        if (canvas_width(canvas) != width || canvas_height(canvas) != height)
            return ::testing::AssertionFailure()
                   << "size " << canvas_width(canvas) << " x " << canvas_height(canvas);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if (probe_canvas_pixel(canvas, x, y) != expected(x, y))
                    return ::testing::AssertionFailure()
                           << "pixel (" << x << ", " << y << ") is 0x" << std::hex
                           << probe_canvas_pixel(canvas, x, y) << ", expected 0x" << expected(x, y);
        return ::testing::AssertionSuccess();
    }
};

constexpr Colour white = 0xFFFFFF;
constexpr Colour pattern_a = 0x112233, pattern_b = 0x445566;

Colour pattern(int x, int y) {
    return (x >= 10 && x < 15 && y >= 10 && y < 15) ? pattern_b : pattern_a;
}

void draw_pattern() {
    ASSERT_TRUE(begin_drawing(canvas_target(canvas)));
    fill_box(0, 0, 80, 50, pattern_a);
    fill_box(10, 10, 5, 5, pattern_b);
    end_drawing();
}

TEST_F(Canvas, StartsWhiteAtItsOwnSize) {
    EXPECT_TRUE(canvas_is(80, 50, [](int, int) { return white; }));
    EXPECT_EQ(canvas_width(canvas + 1), 0);
    EXPECT_EQ(canvas_height(canvas + 1), 0);
}

struct CanvasResizeCase {
    const char* name;
    int width, height;
};

class CanvasResize : public Canvas, public ::testing::WithParamInterface<CanvasResizeCase> {};

TEST_P(CanvasResize, KeepsTheOldImageTopLeftAndWhiteElsewhere) {
    const CanvasResizeCase c = GetParam();
    draw_pattern();
    resize_canvas(canvas, KEEP, KEEP, c.width, c.height);
    const int width = c.width == KEEP ? 80 : c.width, height = c.height == KEEP ? 50 : c.height;
    EXPECT_TRUE(
        canvas_is(width, height, [](int x, int y) { return x < 80 && y < 50 ? pattern(x, y) : white; }));
}

INSTANTIATE_TEST_SUITE_P(Sizes, CanvasResize,
                         ::testing::Values(CanvasResizeCase{"larger", 120, 70},
                                           CanvasResizeCase{"smaller", 12, 11},
                                           CanvasResizeCase{"wider_keep_height", 100, KEEP},
                                           CanvasResizeCase{"keep_width_taller", KEEP, 60},
                                           CanvasResizeCase{"same", KEEP, KEEP}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Canvas, ShrinkingLosesTheCutOffPart) {
    draw_pattern();
    resize_canvas(canvas, KEEP, KEEP, 12, 12);
    resize_canvas(canvas, KEEP, KEEP, 20, 20);
    EXPECT_TRUE(canvas_is(20, 20, [](int x, int y) { return x < 12 && y < 12 ? pattern(x, y) : white; }));
}

TEST_F(Canvas, PointerMovesOverItRaiseCanvasEvents) {
    probe_set_pointer(10, 10);
    drain_events();
    probe_set_pointer(200 + 20, 150 + 15);
    EXPECT_TRUE(wait_for(EVENT_CANVAS, canvas));
    EXPECT_EQ(window_mouse_x(win), 20);
    EXPECT_EQ(window_mouse_y(win), 15);
}

// ---- the window shape

struct Rect {
    int left, top, right, bottom;
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct ShapeCase {
    const char* name;
    Rect outline, gap;
};

class Shape : public Window, public ::testing::WithParamInterface<ShapeCase> {};

TEST_P(Shape, IsTheOutlineExclusiveOrTheGap) {
    const ShapeCase c = GetParam();
    open_at(100, 100, 120, 90);
    const Region shape = create_rect_region(c.outline.left, c.outline.top, c.outline.right, c.outline.bottom);
    const Region outline =
        create_rect_region(c.outline.left, c.outline.top, c.outline.right, c.outline.bottom);
    const Region gap = create_rect_region(c.gap.left, c.gap.top, c.gap.right, c.gap.bottom);
    ASSERT_NE(shape, 0u);
    ASSERT_NE(gap, 0u);
    combine_region_xor(shape, outline, gap);
    set_window_region(window_handle(win), shape);
    delete_region(outline);
    delete_region(gap);
    int wrong = 0;
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 120; ++x) {
            const bool expected = c.outline.contains(x, y) != c.gap.contains(x, y);
            if (probe_window_shape_contains(win, x, y) != expected && ++wrong <= 5)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") should " << (expected ? "" : "not ")
                              << "belong to the shape";
        }
    EXPECT_EQ(wrong, 0);
}

// The caliper's cases scaled down: a gap below and past the outline, an empty gap, a gap reaching
// beyond a shorter outline (where exclusive or and subtraction differ), and no overlap at all.
INSTANTIATE_TEST_SUITE_P(Cases, Shape,
                         ::testing::Values(ShapeCase{"gap", {0, 0, 120, 95}, {27, 40, 60, 200}},
                                           ShapeCase{"empty_gap", {0, 0, 120, 95}, {27, 40, 27, 200}},
                                           ShapeCase{"gap_past_outline", {0, 0, 90, 95}, {27, 40, 100, 200}},
                                           ShapeCase{"vertical", {0, 0, 50, 80}, {0, 27, 20, 60}},
                                           ShapeCase{"apart", {0, 0, 30, 30}, {60, 60, 80, 80}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Window, WithoutARegionTheShapeIsTheInnerRectangle) {
    open_at(100, 100, 40, 30);
    for (auto [x, y, inside] :
         {std::tuple{0, 0, true}, {39, 29, true}, {40, 5, false}, {5, 30, false}, {-1, 0, false}})
        EXPECT_EQ(probe_window_shape_contains(win, x, y), inside) << x << ", " << y;
}

TEST_F(Window, ALaterRegionReplacesTheShape) {
    open_at(100, 100, 40, 30);
    set_window_region(window_handle(win), create_rect_region(0, 0, 10, 10));
    set_window_region(window_handle(win), create_rect_region(20, 0, 40, 30));
    EXPECT_FALSE(probe_window_shape_contains(win, 5, 5));
    EXPECT_TRUE(probe_window_shape_contains(win, 25, 5));
}

} // namespace
