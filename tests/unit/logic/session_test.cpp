// One whole run, scripted as a user would go through it.
#include "tests/unit/logic/caliper_test.h"

#include <algorithm>

namespace {

TEST_F(CaliperTest, FirstStartMeasureTurnLengthenQuit) {
    fake_script_prompt_answer("15.6"); // first start: 16 inches on 1920 x 1080, 54.33 pixels per cm
    fake_step_timer(MAIN_WINDOW, TIMER_SHAPE);
    fake_step_pointer(MAIN_WINDOW, 200, 100); // jaw to 140
    fake_step_idle();                         // the frame that shows it
    fake_step_timer(MAIN_WINDOW, TIMER_SHAPE);
    fake_step_pointer(MAIN_WINDOW, 10, 10); // drag it by the fixed jaw
    fake_step_press(MouseButton::LEFT);
    fake_step_pointer(MAIN_WINDOW, 200, 100);
    fake_step_press(MouseButton::RIGHT);
    fake_script_menu_choice(MENU_VERTICAL);
    fake_step_idle();                       // the vertical window is 144 wide: the pointer is off it
    fake_step_pointer(MAIN_WINDOW, 30, 30); // onto the fixed jaw, above the jaw's travel
    fake_step_press(MouseButton::RIGHT);
    fake_script_menu_choice(MENU_CHANGE_LENGTH);
    fake_script_prompt_answer("12");
    fake_step_idle();
    fake_step_press(MouseButton::RIGHT);
    fake_script_menu_choice(MENU_QUIT);

    EXPECT_EQ(run_caliper(), 0);

    EXPECT_EQ(settings_file(), "Diagonale = 15.600000\r\n");
    EXPECT_EQ(caliper.diagonal_in, 15.6f);
    EXPECT_EQ(caliper.orientation, ORIENT_VERTICAL);
    EXPECT_EQ(caliper.length_cm, 12);
    EXPECT_EQ(caliper.jaw_pos, 140);
    EXPECT_EQ(fake_prompts().size(), 2u);
    const FakeWindow* window = fake_window(MAIN_WINDOW);
    EXPECT_EQ(window->width, 144);
    EXPECT_EQ(window->height, 652);
    EXPECT_TRUE(window->closed);
    EXPECT_EQ(calls_of({"begin_window_move"}).size(), 1u);
    EXPECT_EQ(calls_of({"set_menu_check(1, 1, 1)"}).size(), 1u);
    EXPECT_NE(fake_menu_outline(POPUP_MENU).find("Vertikal(1)*"), std::string::npos);
    const auto readings =
        std::ranges::count_if(fake_texts(), [](const FakeText& t) { return t.text == "2.080"; });
    EXPECT_GT(readings, 0); // 113 pixels at 54.33 per cm
    EXPECT_EQ(calls_of({"platform_shutdown"}).size(), 1u);
    for (int slot = 0; slot < IMAGE_SLOTS; ++slot)
        EXPECT_EQ(fake_image(slot), nullptr);
}

} // namespace
