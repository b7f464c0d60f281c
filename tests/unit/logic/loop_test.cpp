// The decisions of one main-loop pass.
#include "tests/unit/logic/caliper_test.h"

#include <algorithm>

namespace {

struct ButtonCase {
    const char* name;
    int x, y; // pointer in window coordinates
    bool left, right;
    std::vector<std::string> queries; // button and pointer reads, in order
    std::vector<std::string> handed;  // drag and menu calls
};

class ButtonTest : public CaliperTest, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(ButtonTest, DragAndMenuNeedTheButtonAndThePointerPastTheFirstPixel) {
    const ButtonCase& c = GetParam();
    start();
    fake_set_pointer(MAIN_WINDOW, c.x, c.y);
    fake_set_button(MouseButton::LEFT, c.left);
    fake_set_button(MouseButton::RIGHT, c.right);
    if (std::ranges::count(c.handed, "show_popup_menu(1, 256)")) fake_script_menu_choice(-1);
    fake_step_idle();
    fake_clear_records();
    EXPECT_TRUE(main_loop_pass());
    EXPECT_EQ(calls_of({"button_pressed", "window_mouse_x", "window_mouse_y"}), c.queries);
    EXPECT_EQ(calls_of({"begin_window_move", "show_popup_menu"}), c.handed);
}

const std::string L_DOWN = "button_pressed(LEFT) = true", L_UP = "button_pressed(LEFT) = false";
const std::string R_DOWN = "button_pressed(RIGHT) = true", R_UP = "button_pressed(RIGHT) = false";
// 256 is the handle the fake hands out for window 0.
const std::string DRAG = "begin_window_move(256)", MENU = "show_popup_menu(1, 256)";

INSTANTIATE_TEST_SUITE_P(
    Pointer, ButtonTest,
    ::testing::Values(
        ButtonCase{"NoButton", 100, 50, false, false, {L_UP, R_UP}, {}},
        ButtonCase{"LeftOnFirstColumn", 0, 50, true, false, {L_DOWN, "window_mouse_x(0) = 0", R_UP}, {}},
        ButtonCase{"LeftOnFirstRow",
                   50,
                   0,
                   true,
                   false,
                   {L_DOWN, "window_mouse_x(0) = 50", "window_mouse_y(0) = 0", R_UP},
                   {}},
        ButtonCase{"LeftOutsideLeft", -1, 50, true, false, {L_DOWN, "window_mouse_x(0) = -1", R_UP}, {}},
        ButtonCase{"LeftOutsideBelow", 50, 144, true, false, {L_DOWN, "window_mouse_x(0) = -1", R_UP}, {}},
        ButtonCase{"LeftInside",
                   1,
                   1,
                   true,
                   false,
                   {L_DOWN, "window_mouse_x(0) = 1", "window_mouse_y(0) = 1", R_UP},
                   {DRAG}},
        ButtonCase{"RightOnFirstColumn", 0, 50, false, true, {L_UP, R_DOWN, "window_mouse_x(0) = 0"}, {}},
        ButtonCase{"RightOutside", 389, 50, false, true, {L_UP, R_DOWN, "window_mouse_x(0) = -1"}, {}},
        ButtonCase{"RightInside",
                   388,
                   143,
                   false,
                   true,
                   {L_UP, R_DOWN, "window_mouse_x(0) = 388", "window_mouse_y(0) = 143"},
                   {MENU}},
        ButtonCase{"BothDragThenMenu",
                   200,
                   100,
                   true,
                   true,
                   {L_DOWN, "window_mouse_x(0) = 200", "window_mouse_y(0) = 100", R_DOWN,
                    "window_mouse_x(0) = 200", "window_mouse_y(0) = 100"},
                   {DRAG, MENU}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaliperTest, DragOverTheCutOutGapStillDrags) {
    start();
    caliper.jaw_pos = 200;
    fake_step_timer(MAIN_WINDOW, TIMER_SHAPE);
    main_loop_pass();
    ASSERT_FALSE(fake_window_shape_contains(MAIN_WINDOW, 100, 100));
    fake_set_pointer(MAIN_WINDOW, 100, 100);
    fake_set_button(MouseButton::LEFT, true);
    fake_step_idle();
    fake_clear_records();
    main_loop_pass();
    EXPECT_EQ(calls_of({"begin_window_move"}), std::vector<std::string>{DRAG});
}

struct JawCase {
    const char* name;
    std::int8_t orientation;
    int p;      // pointer coordinate along the scale
    int gadget; // the surface number the event carries
    int jaw_pos;
};

class JawTest : public CaliperTest, public ::testing::WithParamInterface<JawCase> {};

// 1280 x 1024 at 19 inches: L = 271, so the jaw follows 86 < p < 357.
TEST_P(JawTest, FollowsThePointerWithinItsTravel) {
    const JawCase& c = GetParam();
    fake_set_desktop_size(1280, 1024);
    start("19");
    if (c.orientation == ORIENT_VERTICAL) {
        caliper.orientation = ORIENT_VERTICAL;
        resize_window(MAIN_WINDOW, KEEP, KEEP, 144, 389); // as tall as the start-up window is wide
        resize_canvas(CANVAS, KEEP, KEEP, 200, 400);
    }
    caliper.jaw_pos = 150;
    if (c.orientation == ORIENT_HORIZONTAL)
        fake_set_pointer(MAIN_WINDOW, c.p, 100);
    else
        fake_set_pointer(MAIN_WINDOW, 100, c.p);
    fake_step_event(EVENT_CANVAS, c.gadget);
    main_loop_pass();
    EXPECT_EQ(caliper.jaw_pos, c.jaw_pos);
}

INSTANTIATE_TEST_SUITE_P(Bounds, JawTest,
                         ::testing::Values(JawCase{"H86", ORIENT_HORIZONTAL, 86, CANVAS, 150},
                                           JawCase{"H87", ORIENT_HORIZONTAL, 87, CANVAS, 27},
                                           JawCase{"H356", ORIENT_HORIZONTAL, 356, CANVAS, 296},
                                           JawCase{"H357", ORIENT_HORIZONTAL, 357, CANVAS, 150},
                                           JawCase{"HOutside", ORIENT_HORIZONTAL, -5, CANVAS, 150},
                                           JawCase{"HOtherGadget", ORIENT_HORIZONTAL, 200, CANVAS + 1, 150},
                                           JawCase{"V86", ORIENT_VERTICAL, 86, CANVAS, 150},
                                           JawCase{"V87", ORIENT_VERTICAL, 87, CANVAS, 27},
                                           JawCase{"V356", ORIENT_VERTICAL, 356, CANVAS, 296},
                                           JawCase{"V357", ORIENT_VERTICAL, 357, CANVAS, 150},
                                           JawCase{"VOutside", ORIENT_VERTICAL, 389, CANVAS, 150}),
                         [](const auto& info) { return std::string(info.param.name); });

struct EventCase {
    const char* name;
    int kind, number;
    bool shape_applied;
};

class EventTest : public CaliperTest, public ::testing::WithParamInterface<EventCase> {};

TEST_P(EventTest, RedrawsOnEveryPassAndActsOnlyOnItsEvents) {
    const EventCase& c = GetParam();
    start();
    fake_set_pointer(MAIN_WINDOW, 200, 100);
    fake_step_event(c.kind, c.number);
    fake_clear_records();
    EXPECT_TRUE(main_loop_pass());
    EXPECT_EQ(calls_of({"begin_drawing(canvas 0)"}),
              std::vector<std::string>{"begin_drawing(canvas 0) = true"});
    EXPECT_EQ(calls_of({"set_window_region"}).size(), c.shape_applied ? 1u : 0u);
    EXPECT_EQ(fake_window(MAIN_WINDOW)->shaped, c.shape_applied);
    EXPECT_EQ(caliper.jaw_pos, 27);
    EXPECT_EQ(caliper.orientation, ORIENT_HORIZONTAL);
    EXPECT_FALSE(fake_window(MAIN_WINDOW)->closed);
}

INSTANTIATE_TEST_SUITE_P(Kinds, EventTest,
                         ::testing::Values(EventCase{"None", EVENT_NONE, 0, false},
                                           EventCase{"ShapeTimer", EVENT_TIMER, TIMER_SHAPE, true},
                                           EventCase{"OtherTimer", EVENT_TIMER, TIMER_SHAPE + 1, false},
                                           EventCase{"CloseRequest", EVENT_CLOSE, 0, false},
                                           EventCase{"UnknownMenuItem", EVENT_MENU, 99, false},
                                           EventCase{"BindingsOwnKind", 12345, CANVAS, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaliperTest, ShapeTimerUsesTheScaleLengthAndTheJaw) {
    start();
    caliper.jaw_pos = 127;
    fake_step_timer(MAIN_WINDOW, TIMER_SHAPE);
    fake_clear_records();
    main_loop_pass();
    EXPECT_EQ(calls_of({"create_rect_region"}).size(), 3u);
    EXPECT_TRUE(calls_of({"create_rect_region"})[0].starts_with("create_rect_region(0, 0, 290, 150)"));
    EXPECT_TRUE(calls_of({"create_rect_region"})[2].starts_with("create_rect_region(27, 67, 127, 275)"));
}

} // namespace
