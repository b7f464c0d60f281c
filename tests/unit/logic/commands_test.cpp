// The commands of the popup menu.
#include "tests/unit/logic/caliper_test.h"

namespace {

// Runs the command of a menu item the way the loop does: the choice arrives as an event.
void choose(int item) {
    fake_step_event(EVENT_MENU, item);
    main_loop_pass();
}

struct RefusedCase {
    const char* name;
    int item;
    const char* answer;
};

class RefusedAnswerTest : public CaliperTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedAnswerTest, ChangesNothingAndTouchesNoFile) {
    const RefusedCase& c = GetParam();
    start();
    age_settings_file();
    const auto time_before = settings_file_time();
    const std::optional<std::string> file_before = settings_file();
    fake_script_prompt_answer(c.answer);
    fake_clear_records();
    choose(c.item);
    ASSERT_EQ(fake_prompts().size(), 1u);
    EXPECT_EQ(caliper.diagonal_in, 24.0f);
    EXPECT_EQ(caliper.length_cm, 8);
    EXPECT_EQ(settings_file(), file_before);
    EXPECT_EQ(settings_file_time(), time_before);
    EXPECT_EQ(calls_of({"free_image", "resize_window", "resize_canvas", "set_window_region"}),
              std::vector<std::string>{});
    EXPECT_EQ(fake_window(MAIN_WINDOW)->width, 389);
}

INSTANTIATE_TEST_SUITE_P(Answers, RefusedAnswerTest,
                         ::testing::Values(RefusedCase{"DiagonalEmpty", MENU_CHANGE_DIAGONAL, ""},
                                           RefusedCase{"DiagonalZero", MENU_CHANGE_DIAGONAL, "0"},
                                           RefusedCase{"DiagonalNaN", MENU_CHANGE_DIAGONAL, "nan"},
                                           RefusedCase{"DiagonalHalfInch", MENU_CHANGE_DIAGONAL, "0.5"},
                                           RefusedCase{"DiagonalBeyondPixels", MENU_CHANGE_DIAGONAL, "5000"},
                                           RefusedCase{"LengthEmpty", MENU_CHANGE_LENGTH, ""},
                                           RefusedCase{"LengthZero", MENU_CHANGE_LENGTH, "0"},
                                           RefusedCase{"LengthNegative", MENU_CHANGE_LENGTH, "-3"},
                                           RefusedCase{"LengthNotANumber", MENU_CHANGE_LENGTH, "abc"},
                                           RefusedCase{"LengthTooLong", MENU_CHANGE_LENGTH, "100000"},
                                           RefusedCase{"LengthJustTooLong", MENU_CHANGE_LENGTH, "905"},
                                           RefusedCase{"LengthWrapsNegative", MENU_CHANGE_LENGTH,
                                                       "4294967295"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaliperTest, PromptTextsOfTheCommands) {
    start();
    fake_script_prompt_answer("");
    fake_script_prompt_answer("");
    choose(MENU_CHANGE_DIAGONAL);
    choose(MENU_CHANGE_LENGTH);
    ASSERT_EQ(fake_prompts().size(), 2u);
    EXPECT_EQ(fake_prompts()[0].title, "Bildschirmdiagonale \xE4ndern");
    EXPECT_EQ(fake_prompts()[0].message, "Geben Sie ihre Bildschirmdiagonale in Zoll(``) ein");
    EXPECT_EQ(fake_prompts()[1].title, "Neue L\xE4nge der Tastolin definieren");
    EXPECT_EQ(fake_prompts()[1].message, "Geben Sie eine neue L\xE4nge in Zentimeter ein.");
    EXPECT_EQ(fake_prompts()[1].default_text, "");
}

struct DiagonalCase {
    const char* name;
    std::optional<std::string> file_before;
    std::string file_after;
};

class DiagonalTest : public CaliperTest, public ::testing::WithParamInterface<DiagonalCase> {};

TEST_P(DiagonalTest, StoresTheAnswerAndRebuilds) {
    const DiagonalCase& c = GetParam();
    start();
    if (c.file_before)
        write_settings_file(*c.file_before);
    else
        std::filesystem::remove(SETTINGS_NAME);
    fake_script_prompt_answer("15.6");
    choose(MENU_CHANGE_DIAGONAL);
    EXPECT_EQ(caliper.diagonal_in, 15.6f);
    EXPECT_EQ(settings_file(), c.file_after);
    EXPECT_EQ(fake_image(IMG_H_SCALE)->width, 435); // 8 cm at 16 inches on 1920 x 1080
    EXPECT_EQ(fake_window(MAIN_WINDOW)->width, 389);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DiagonalTest,
    ::testing::Values(DiagonalCase{"NoFile", std::nullopt, "Diagonale = 15.600000\r\n"},
                      DiagonalCase{"Stored", "Diagonale = 24.000000\r\n", "Diagonale = 15.600000\r\n"},
                      DiagonalCase{"OtherEntriesKept", "; Bildschirm\r\nFarbe=rot\n",
                                   "; Bildschirm\r\nFarbe = rot\r\nDiagonale = 15.600000\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaliperTest, OrientationCommandsMoveTheCheckMarkAndRepeatInFull) {
    start();
    fake_clear_records();
    choose(MENU_VERTICAL);
    const std::vector<std::string> first = calls_from("event_menu_item");
    EXPECT_EQ(caliper.orientation, ORIENT_VERTICAL);
    EXPECT_EQ(calls_of({"set_menu_check"}),
              (std::vector<std::string>{"set_menu_check(1, 1, 1)", "set_menu_check(1, 2, 0)"}));
    EXPECT_NE(fake_menu_outline(POPUP_MENU).find("Horizontal(2), Vertikal(1)*"), std::string::npos);
    fake_clear_records();
    choose(MENU_VERTICAL);
    EXPECT_EQ(calls_from("event_menu_item"), first);
    EXPECT_FALSE(first.empty());

    fake_clear_records();
    choose(MENU_HORIZONTAL);
    EXPECT_EQ(caliper.orientation, ORIENT_HORIZONTAL);
    EXPECT_EQ(calls_of({"set_menu_check"}),
              (std::vector<std::string>{"set_menu_check(1, 1, 0)", "set_menu_check(1, 2, 1)"}));
    EXPECT_NE(fake_menu_outline(POPUP_MENU).find("Horizontal(2)*, Vertikal(1)]"), std::string::npos);
}

struct LengthCase {
    const char* name;
    const char* answer;
    std::int32_t length_cm;
    int length_px; // on 1920 x 1080 at 24 inches
};

class LengthTest : public CaliperTest, public ::testing::WithParamInterface<LengthCase> {};

TEST_P(LengthTest, ResizesWindowSurfaceAndScale) {
    const LengthCase& c = GetParam();
    start();
    const std::optional<std::string> file_before = settings_file();
    fake_script_prompt_answer(c.answer);
    choose(MENU_CHANGE_LENGTH);
    EXPECT_EQ(caliper.length_cm, c.length_cm);
    EXPECT_EQ(fake_window(MAIN_WINDOW)->width, c.length_px);
    EXPECT_EQ(fake_window(MAIN_WINDOW)->height, 144);
    EXPECT_EQ(fake_canvas(CANVAS)->image.width, c.length_px);
    EXPECT_EQ(fake_canvas(CANVAS)->image.height, 200);
    EXPECT_EQ(fake_image(IMG_H_SCALE)->width, c.length_px);
    EXPECT_EQ(settings_file(), file_before);
}

INSTANTIATE_TEST_SUITE_P(Answers, LengthTest,
                         ::testing::Values(LengthCase{"Twelve", "12", 12, 435},
                                           LengthCase{"ReadUpToThePoint", "12.5", 12, 435},
                                           LengthCase{"OneCentimetre", "1", 1, 36},
                                           LengthCase{"Hexadecimal", "$10", 16, 580},
                                           LengthCase{"LongestThatFits", "904", 904, 32743}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CaliperTest, QuitEndsTheLoopAfterThePass) {
    start();
    fake_step_event(EVENT_MENU, MENU_QUIT);
    EXPECT_FALSE(main_loop_pass());
    EXPECT_EQ(caliper.quit_requested, 1);
}

} // namespace
