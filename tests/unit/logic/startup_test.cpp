// Start-up, calibration and shutdown.
#include "tests/unit/logic/caliper_test.h"

#include "render/render.h"

namespace {

using StartUpTest = CaliperTest;

TEST_F(StartUpTest, BringsUpThePlatformObjectsInOrder) {
    start();
    const std::vector<std::string> expected = {
        "platform_init() = true",
        "load_font(1, Arial, 15, 0) = 4097",
        "load_font(2, Arial, 8, 1) = 4098",
        "open_window(0, 0, 0, 389, 144, Tastolin, 3) = 1",
        "create_canvas(0, 0, 0, 400, 200)",
        "add_timer(0, 280, 15)",
        "set_topmost(0, 1)",
        "create_popup_menu(1) = 1",
        "set_menu_check(1, 2, 1)",
        "image_exists(0) = false",
    };
    EXPECT_EQ(
        calls_of({"platform_init", "load_font", "open_window", "create_canvas", "add_timer", "set_topmost",
                  "create_popup_menu", "set_menu_check", "prompt_text", "image_exists(0)"}),
        expected);
    EXPECT_EQ(readout_font, 4097u);
    EXPECT_EQ(label_font, 4098u);
    const FakeWindow* window = fake_window(MAIN_WINDOW);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->x, (1920 - 389) / 2);
    EXPECT_EQ(window->y, (1080 - 144) / 2);
    EXPECT_TRUE(window->topmost);
    EXPECT_EQ(fake_menu_outline(POPUP_MENU),
              "Ansicht[Bildschirmdiagonale \xE4ndern(0), L\xE4nge anpassen(3), -, "
              "Horizontal(2)*, Vertikal(1)], -, Beenden(4)");
    EXPECT_EQ(caliper.orientation, ORIENT_HORIZONTAL);
    EXPECT_EQ(caliper.length_cm, 8);
    EXPECT_EQ(caliper.jaw_pos, 27);
    EXPECT_EQ(caliper.jaw_top, 30);
    EXPECT_EQ(caliper.quit_requested, 0);
}

TEST_F(StartUpTest, ClearsTheStateOfAnEarlierRun) {
    caliper.quit_requested = 1;
    caliper.jaw_pos = 200;
    caliper.length_answer = "12";
    start();
    EXPECT_EQ(caliper.quit_requested, 0);
    EXPECT_EQ(caliper.jaw_pos, 27);
    EXPECT_EQ(caliper.length_answer, "");
}

TEST_F(StartUpTest, MenuFailureLeavesItUnfilledButStillChecks) {
    fake_fail("create_popup_menu");
    start();
    EXPECT_EQ(calls_of({"open_submenu", "add_menu_item", "add_menu_separator", "set_menu_check"}),
              std::vector<std::string>{"set_menu_check(1, 2, 1)"});
}

struct FirstStartCase {
    const char* name;
    std::optional<std::string> file_before;
    std::optional<std::string> answer; // nothing: no prompt expected
    std::optional<std::string> file_after;
    float diagonal_in;
    int scale_px; // width of the horizontal scale image, 8 cm on 1920 x 1080
};

class FirstStartTest : public CaliperTest, public ::testing::WithParamInterface<FirstStartCase> {};

TEST_P(FirstStartTest, Calibrates) {
    const FirstStartCase& c = GetParam();
    if (c.file_before) {
        write_settings_file(*c.file_before);
        age_settings_file();
    }
    const auto time_before = c.file_before ? settings_file_time() : std::filesystem::file_time_type{};
    if (c.answer) fake_script_prompt_answer(*c.answer);
    ASSERT_TRUE(platform_init());
    ASSERT_TRUE(start_up());

    if (c.answer) {
        ASSERT_EQ(fake_prompts().size(), 1u);
        EXPECT_EQ(fake_prompts()[0].title, "Bildschirmdiagonale einstellen");
        EXPECT_EQ(fake_prompts()[0].message, "Geben Sie ihre Bildschirmdiagonale in Zoll(``) ein");
        EXPECT_EQ(fake_prompts()[0].default_text, "");
    } else {
        EXPECT_TRUE(fake_prompts().empty());
    }
    EXPECT_EQ(settings_file(), c.file_after);
    if (c.file_before && c.file_after == c.file_before) {
        EXPECT_EQ(settings_file_time(), time_before);
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory), {}), c.file_after ? 1 : 0);
    EXPECT_EQ(caliper.diagonal_in, c.diagonal_in);
    ASSERT_NE(fake_image(IMG_H_SCALE), nullptr);
    EXPECT_EQ(fake_image(IMG_H_SCALE)->width, c.scale_px);
}

const std::string STORED_15_6 = "Diagonale = 15.600000\r\n";

INSTANTIATE_TEST_SUITE_P(
    Flows, FirstStartTest,
    ::testing::Values(
        FirstStartCase{"Answered", std::nullopt, "15.6", STORED_15_6, 15.6f, 435},
        FirstStartCase{"EmptyAnswer", std::nullopt, "", std::nullopt, 0.0f, 302},
        FirstStartCase{"BelowAnInch", std::nullopt, "0.4", std::nullopt, 0.0f, 302},
        FirstStartCase{"NotANumber", std::nullopt, "abc", std::nullopt, 0.0f, 302},
        FirstStartCase{"Infinite", std::nullopt, "+Infinity", std::nullopt, 0.0f, 302},
        FirstStartCase{"FilePresent", "diagonale=17.3\n", std::nullopt, "diagonale=17.3\n", 17.3f, 409},
        FirstStartCase{"FileWithoutKey", "Farbe = rot\r\n", std::nullopt, "Farbe = rot\r\n", 0.0f, 302}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartUpTest, ByteExactFileForTheFirstAnswer) {
    fake_script_prompt_answer("15.6");
    ASSERT_TRUE(platform_init());
    ASSERT_TRUE(start_up());
    const std::string expected(
        "\x44\x69\x61\x67\x6F\x6E\x61\x6C\x65\x20\x3D\x20\x31\x35\x2E\x36\x30\x30\x30\x30\x30\x0D\x0A");
    EXPECT_EQ(expected.size(), 23u);
    EXPECT_EQ(settings_file(), expected);
}

TEST_F(StartUpTest, WindowThatCannotOpenEndsSilently) {
    fake_fail("open_window");
    EXPECT_EQ(run_caliper(), 0);
    EXPECT_TRUE(fake_prompts().empty());
    EXPECT_EQ(settings_file(), std::nullopt);
    const std::vector<std::string> expected = {
        "open_window(0, 0, 0, 389, 144, Tastolin, 3) = 0",
        "close_window(0)",
        "free_font(1)",
        "free_font(2)",
        "platform_shutdown()",
    };
    EXPECT_EQ(calls_of({"open_window", "create_canvas", "close_window", "free_font", "free_image",
                        "platform_shutdown"}),
              expected);
}

TEST_F(StartUpTest, UnreachableWindowSystemEndsAtOnce) {
    fake_fail("platform_init");
    EXPECT_EQ(run_caliper(), 0);
    EXPECT_EQ(fake_calls(), std::vector<std::string>{"platform_init() = false"});
}

TEST_F(StartUpTest, QuitFinishesThePassThenShutsDownInOrder) {
    write_settings_file("Diagonale = 24\r\n");
    fake_step_event(EVENT_MENU, MENU_QUIT);
    EXPECT_EQ(run_caliper(), 0);
    const std::vector<std::string> after_quit = calls_from("event_menu_item");
    const std::vector<std::string> expected = {
        "event_menu_item() = 4",  "close_window(0)", "free_font(1)",           "free_font(2)",
        "image_exists(0) = true", "free_image(0)",   "image_exists(1) = true", "free_image(1)",
        "image_exists(2) = true", "free_image(2)",   "image_exists(3) = true", "free_image(3)",
        "image_exists(4) = true", "free_image(4)",   "image_exists(5) = true", "free_image(5)",
        "image_exists(6) = true", "free_image(6)",   "image_exists(7) = true", "free_image(7)",
        "image_exists(8) = true", "free_image(8)",   "image_exists(9) = true", "free_image(9)",
        "platform_shutdown()",
    };
    EXPECT_EQ(after_quit, expected);
    EXPECT_EQ(calls_of({"wait_event"}).size(), 1u);
    EXPECT_TRUE(fake_window(MAIN_WINDOW)->closed);
}

} // namespace
