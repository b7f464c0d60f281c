// The fake binding's own behaviour, where the logic tests rely on it.
#include "platform/fake/fake.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr Colour BLACK = 0x000000, WHITE = 0xFFFFFF, RED = 0x0000FF, GREEN = 0x00FF00;

class FakeTest : public ::testing::Test {
  protected:
    void SetUp() override { fake_reset(); }
};

struct Probe {
    int x, y;
    Colour colour;
};

struct FakeDrawCase {
    const char* name;
    std::function<void()> draw; // onto a black 10 x 8 image
    std::vector<Probe> probes;
};

class FakeDrawTest : public FakeTest, public ::testing::WithParamInterface<FakeDrawCase> {};

TEST_P(FakeDrawTest, SetsRealPixelsClippedToTheTarget) {
    const FakeDrawCase& c = GetParam();
    create_image(0, 10, 8);
    create_image(1, 2, 2);
    ASSERT_TRUE(begin_drawing(image_target(1)));
    fill_box(0, 0, 2, 2, RED);
    fill_box(1, 0, 1, 1, GREEN);
    end_drawing();
    ASSERT_TRUE(begin_drawing(image_target(0)));
    c.draw();
    end_drawing();
    const FakePixmap* image = fake_image(0);
    for (const Probe& p : c.probes)
        EXPECT_EQ(image->at(p.x, p.y), p.colour) << "pixel (" << p.x << ", " << p.y << ")";
    EXPECT_TRUE(fake_violations().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Operations, FakeDrawTest,
    ::testing::Values(FakeDrawCase{"BoxOverTheTopLeft",
                                   [] { fill_box(-2, -2, 5, 4, RED); },
                                   {{0, 0, RED}, {2, 1, RED}, {3, 0, BLACK}, {0, 2, BLACK}}},
                      FakeDrawCase{"BoxOverTheBottomRight",
                                   [] { fill_box(8, 6, 5, 5, RED); },
                                   {{9, 7, RED}, {8, 6, RED}, {7, 7, BLACK}}},
                      FakeDrawCase{"EmptyBox", [] { fill_box(3, 3, 0, 2, RED); }, {{3, 3, BLACK}}},
                      FakeDrawCase{"HorizontalLineBothEnds",
                                   [] { draw_line(2, 1, 5, 1, RED); },
                                   {{1, 1, BLACK}, {2, 1, RED}, {5, 1, RED}, {6, 1, BLACK}}},
                      FakeDrawCase{"VerticalLineDrawnUpwards",
                                   [] { draw_line(4, 7, 4, 2, RED); },
                                   {{4, 1, BLACK}, {4, 2, RED}, {4, 7, RED}, {3, 5, BLACK}}},
                      FakeDrawCase{"LineFromOutside",
                                   [] { draw_line(-5, 0, 2, 0, RED); },
                                   {{0, 0, RED}, {2, 0, RED}, {3, 0, BLACK}}},
                      FakeDrawCase{"RoundBoxCorners",
                                   [] { fill_round_box(0, 0, 10, 8, 3, 3, RED); },
                                   {{0, 0, BLACK},
                                    {9, 0, BLACK},
                                    {0, 7, BLACK},
                                    {9, 7, BLACK},
                                    {1, 1, RED},
                                    {8, 6, RED},
                                    {3, 0, RED},
                                    {0, 3, RED},
                                    {5, 4, RED}}},
                      FakeDrawCase{"RoundBoxRadiiCappedAtHalfTheSide",
                                   [] { fill_round_box(2, 2, 4, 4, 10, 10, RED); },
                                   {{2, 2, BLACK}, {5, 5, BLACK}, {3, 3, RED}, {4, 4, RED}, {3, 2, RED}}},
                      FakeDrawCase{"ImageCopiedAndClipped",
                                   [] { draw_image(1, -1, 7); },
                                   {{0, 7, GREEN}, {1, 7, BLACK}, {0, 6, BLACK}}},
                      FakeDrawCase{"EmptySlotDrawsNothing", [] { draw_image(5, 0, 0); }, {{0, 0, BLACK}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FakeTest, DrawingNeedsAnExistingTargetAndStartsAfresh) {
    EXPECT_FALSE(begin_drawing(image_target(3)));
    create_image(3, 4, 4);
    ASSERT_TRUE(begin_drawing(image_target(3)));
    draw_text(1, 2, "opaque", RED);
    set_font(77);
    set_text_transparent();
    draw_text_rotated(3, 4, "turned", 270.0f, GREEN);
    end_drawing();
    ASSERT_TRUE(begin_drawing(image_target(3)));
    draw_text(0, 0, "fresh");
    end_drawing();
    ASSERT_EQ(fake_texts().size(), 3u);
    EXPECT_FALSE(fake_texts()[0].transparent);
    EXPECT_EQ(fake_texts()[0].font, 0u);
    EXPECT_EQ(fake_texts()[1].font, 77u);
    EXPECT_TRUE(fake_texts()[1].transparent);
    EXPECT_TRUE(fake_texts()[1].rotated);
    EXPECT_EQ(fake_texts()[1].angle, 270.0f);
    EXPECT_EQ(fake_texts()[2].font, 0u);
    EXPECT_FALSE(fake_texts()[2].transparent);
    EXPECT_EQ(fake_texts()[2].colour, WHITE);
    EXPECT_TRUE(fake_violations().empty());
}

TEST_F(FakeTest, MisuseIsReported) {
    fill_box(0, 0, 1, 1, RED);
    create_image(0, 0, 5);
    create_image(1, 4, 4);
    begin_drawing(image_target(1));
    begin_drawing(image_target(1));
    delete_region(42);
    EXPECT_EQ(fake_violations().size(), 4u);
    EXPECT_EQ(fake_image(0), nullptr);
}

TEST_F(FakeTest, SurfaceStartsWhiteAndKeepsItsTopLeftOnResize) {
    open_window(0, 0, 0, 50, 50, "w", 0);
    create_canvas(0, 0, 0, 4, 3);
    EXPECT_EQ(fake_canvas(0)->image.at(3, 2), WHITE);
    begin_drawing(canvas_target(0));
    fill_box(0, 0, 4, 3, RED);
    end_drawing();
    resize_canvas(0, KEEP, KEEP, 6, 2);
    const FakePixmap& grown = fake_canvas(0)->image;
    ASSERT_EQ(grown.width, 6);
    ASSERT_EQ(grown.height, 2);
    EXPECT_EQ(grown.at(3, 1), RED);
    EXPECT_EQ(grown.at(4, 0), WHITE);
    resize_canvas(0, KEEP, KEEP, KEEP, 5);
    EXPECT_EQ(fake_canvas(0)->image.width, 6);
    EXPECT_EQ(fake_canvas(0)->image.at(0, 1), RED);
    EXPECT_EQ(fake_canvas(0)->image.at(0, 2), WHITE);
    EXPECT_EQ(canvas_width(0), 6);
    EXPECT_EQ(canvas_height(1), 0);
}

TEST_F(FakeTest, RegionsCombineByExclusiveOrAndBelongToTheWindowOnceSet) {
    open_window(0, 0, 0, 12, 12, "w", 0);
    const Region a = create_rect_region(0, 0, 10, 10);
    const Region b = create_rect_region(5, 5, 15, 15);
    const Region result = create_rect_region(0, 0, 0, 0);
    combine_region_xor(result, a, b);
    set_window_region(window_handle(0), result);
    EXPECT_EQ(fake_live_regions(), 2);
    EXPECT_TRUE(fake_window_shape_contains(0, 2, 2));
    EXPECT_FALSE(fake_window_shape_contains(0, 7, 7));
    EXPECT_TRUE(fake_window_shape_contains(0, 11, 11));
    EXPECT_FALSE(fake_window_shape_contains(0, 12, 12)); // the gap's outer part lies beyond the window
    EXPECT_FALSE(fake_window_shape_contains(0, 10, 2));
    combine_region_xor(a, a, b); // the destination may be one of the sources
    delete_region(a);
    delete_region(b);
    EXPECT_EQ(fake_live_regions(), 0);
    EXPECT_TRUE(fake_violations().empty());
    delete_region(result);
    EXPECT_EQ(fake_violations().size(), 1u); // handed over: no longer the caller's
}

TEST_F(FakeTest, MenuTreeCheckMarksAndPostedChoice) {
    open_window(0, 0, 0, 12, 12, "w", 0);
    create_popup_menu(1);
    open_submenu("Sub");
    add_menu_item(7, "Seven");
    add_menu_separator();
    close_submenu();
    close_submenu();
    add_menu_item(8, "Eight");
    set_menu_check(1, 7, 1);
    set_menu_check(2, 7, 1);
    EXPECT_EQ(fake_menu_outline(1), "Sub[Seven(7)*, -], Eight(8)");
    set_menu_check(1, 7, 0);
    EXPECT_EQ(fake_menu_outline(1), "Sub[Seven(7), -], Eight(8)");

    fake_script_menu_choice(7);
    fake_script_menu_choice(-1);
    fake_script_menu_choice(9);
    fake_step_idle();
    show_popup_menu(1, window_handle(0));
    EXPECT_EQ(wait_event(5), EVENT_MENU);
    EXPECT_EQ(event_menu_item(), 7);
    show_popup_menu(1, window_handle(0));
    EXPECT_EQ(wait_event(5), EVENT_NONE); // dismissed: nothing posted, the script goes on
    show_popup_menu(1, window_handle(0));
    EXPECT_EQ(fake_violations().size(), 1u); // 9 is no item of the menu
    EXPECT_EQ(fake_script_overruns(), 0);
}

struct FakeButtonCase {
    const char* name;
    std::vector<bool> downs; // states set one after the other before the first query
    std::vector<bool> answers;
};

class FakeButtonTest : public FakeTest, public ::testing::WithParamInterface<FakeButtonCase> {};

TEST_P(FakeButtonTest, PressedMeansDownNowOrPressedSinceTheLastQuery) {
    for (bool down : GetParam().downs)
        fake_set_button(MouseButton::LEFT, down);
    std::vector<bool> answers;
    for (std::size_t i = 0; i < GetParam().answers.size(); ++i)
        answers.push_back(button_pressed(MouseButton::LEFT));
    EXPECT_EQ(answers, GetParam().answers);
    EXPECT_FALSE(button_pressed(MouseButton::RIGHT));
}

INSTANTIATE_TEST_SUITE_P(
    States, FakeButtonTest,
    ::testing::Values(FakeButtonCase{"Never", {}, {false}}, FakeButtonCase{"Held", {true}, {true, true}},
                      FakeButtonCase{"ClickedBetweenQueries", {true, false}, {true, false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FakeTest, WindowCentredCappedAndPointerRelativeToIt) {
    fake_set_desktop_size(1000, 800);
    ASSERT_EQ(open_window(0, 5, 5, 1200, 100, "Wide", WINDOW_BORDERLESS | WINDOW_CENTRED), 1);
    const FakeWindow* window = fake_window(0);
    EXPECT_EQ(window->width, 1000);
    EXPECT_EQ(window->x, 0);
    EXPECT_EQ(window->y, 350);
    fake_set_pointer(0, 999, 99);
    EXPECT_EQ(window_mouse_x(0), 999);
    EXPECT_EQ(window_mouse_y(0), 99);
    fake_set_pointer(0, 999, 100);
    EXPECT_EQ(window_mouse_x(0), -1);
    resize_window(0, 10, KEEP, 20, KEEP);
    EXPECT_EQ(fake_window(0)->x, 10);
    EXPECT_EQ(fake_window(0)->width, 20);
    EXPECT_EQ(fake_window(0)->height, 100);
    close_window(0);
    EXPECT_EQ(window_handle(0), 0u);
    EXPECT_EQ(window_mouse_x(0), -1);
}

TEST_F(FakeTest, PointerActivityRaisesSurfaceEventsOnlyWhereTheShapeShowsIt) {
    open_window(0, 0, 0, 100, 100, "w", 0);
    create_canvas(0, 0, 0, 100, 100);
    add_timer(0, 280, 15);
    const Region outline = create_rect_region(0, 0, 100, 100);
    const Region copy = create_rect_region(0, 0, 100, 100);
    const Region hole = create_rect_region(40, 40, 60, 60);
    combine_region_xor(outline, copy, hole);
    set_window_region(window_handle(0), outline);
    fake_set_pointer(0, -10, 50);
    fake_step_pointer(0, 50, 50); // from outside into the hole
    fake_step_pointer(0, 20, 50); // into the visible part
    fake_step_press(MouseButton::RIGHT);
    fake_step_pointer(0, 200, 50); // leaving it
    fake_step_timer(0, 280);
    fake_step_timer(0, 281);
    fake_on_script_end(EVENT_CLOSE, 3);
    const std::vector<int> expected = {EVENT_NONE,  EVENT_CANVAS, EVENT_CANVAS, EVENT_CANVAS,
                                       EVENT_TIMER, EVENT_NONE,   EVENT_CLOSE};
    std::vector<int> events;
    for (std::size_t i = 0; i < expected.size(); ++i)
        events.push_back(wait_event(5));
    EXPECT_EQ(events, expected);
    EXPECT_EQ(event_gadget(), 3);
    EXPECT_EQ(fake_script_overruns(), 1);
    EXPECT_TRUE(button_pressed(MouseButton::RIGHT));
    EXPECT_EQ(prompt_text("t", "m", ""), "");
    EXPECT_EQ(fake_script_overruns(), 2);
}

// A 2 x 2 BMP of 24 bits, rows bottom-up and padded to 8 bytes.
std::vector<std::uint8_t> small_bmp() {
    std::vector<std::uint8_t> bmp(54 + 16, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            bmp[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, 70);
    put32(10, 54);
    put32(14, 40);
    put32(18, 2);
    put32(22, 2);
    bmp[26] = 1;
    bmp[28] = 24;
    const std::uint8_t rows[16] = {0,   0, 255, 0,   255, 0,   0, 0,  // bottom row: red, green
                                   255, 0, 0,   255, 255, 255, 0, 0}; // top row: blue, white
    std::copy(rows, rows + 16, bmp.begin() + 54);
    return bmp;
}

TEST_F(FakeTest, DecodesBmpFilesAndEmptiesTheSlotOnBadOnes) {
    const std::vector<std::uint8_t> bmp = small_bmp();
    ASSERT_EQ(image_from_bmp(2, bmp.data(), bmp.size()), 1);
    const FakePixmap* image = fake_image(2);
    EXPECT_EQ(image->at(0, 0), 0xFF0000u); // blue
    EXPECT_EQ(image->at(1, 0), WHITE);
    EXPECT_EQ(image->at(0, 1), RED);
    EXPECT_EQ(image->at(1, 1), GREEN);
    EXPECT_EQ(image_from_bmp(2, bmp.data(), bmp.size() - 1), 0);
    EXPECT_FALSE(image_exists(2));
    EXPECT_EQ(image_from_bmp(2, nullptr, 0), 0);
}

} // namespace
