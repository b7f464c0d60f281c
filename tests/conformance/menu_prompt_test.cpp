// The popup menu and the text prompt, driven by keys typed while they are open.
#include "conformance.h"

#include <string>

namespace {

constexpr int win = 5;
constexpr int menu = 1;
constexpr char up = PROBE_KEY_UP, down = PROBE_KEY_DOWN, right = PROBE_KEY_RIGHT;
constexpr char enter = PROBE_KEY_ENTER, escape = PROBE_KEY_ESCAPE;

// Closes whatever a failing case left open, so the suite cannot hang; cancelled when the case ends.
class HangGuard {
  public:
    HangGuard() { probe_type_later(3000, std::string(4, escape)); }
    ~HangGuard() { probe_cancel_typing(); }
};

// The caliper's menu, item numbers out of display order.
void build_menu() {
    ASSERT_NE(create_popup_menu(menu), 0);
    open_submenu("Ansicht");
    add_menu_item(0, "Bildschirmdiagonale \xE4ndern");
    add_menu_item(3, "L\xE4nge anpassen");
    add_menu_separator();
    add_menu_item(2, "Horizontal");
    add_menu_item(1, "Vertikal");
    close_submenu();
    add_menu_separator();
    add_menu_item(4, "Beenden");
}

// The item whose EVENT_MENU arrives within a few passes after the menu closed; -1 for none.
int chosen_item() {
    for (int i = 0; i < 100; ++i)
        if (wait_event(5) == EVENT_MENU) return event_menu_item();
    return -1;
}

class Menu : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(open_window(win, 100, 100, 200, 100, "Tastolin", WINDOW_BORDERLESS), 0);
        build_menu();
        set_menu_check(menu, 2, 1);
        probe_set_pointer(150, 130);
    }
    void TearDown() override { close_window(win); }
};

TEST_F(Menu, CheckMarksAreFoundInSubmenusAndSetOrRemoved) {
    EXPECT_EQ(probe_menu_check(menu, 2), 1);
    for (int item : {0, 1, 3, 4})
        EXPECT_EQ(probe_menu_check(menu, item), 0) << item;
    set_menu_check(menu, 1, 1);
    set_menu_check(menu, 2, 0);
    EXPECT_EQ(probe_menu_check(menu, 1), 1);
    EXPECT_EQ(probe_menu_check(menu, 2), 0);
    set_menu_check(menu, 4, 1);
    EXPECT_EQ(probe_menu_check(menu, 4), 1) << "top-level items take marks too";
    EXPECT_EQ(probe_menu_check(menu, 9), -1);
    set_menu_check(menu + 7, 2, 1); // no such menu: nothing happens
    EXPECT_EQ(probe_menu_check(menu + 7, 2), -1);
}

struct ChoiceCase {
    const char* name;
    std::string keys;
    int item; // -1: nothing chosen
    friend void PrintTo(const ChoiceCase& c, std::ostream* out) { *out << c.name; }
};

class MenuChoice : public Menu, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(MenuChoice, ArrivesLaterAsAnEvent) {
    const ChoiceCase c = GetParam();
    const HangGuard guard;
    probe_type_later(300, c.keys);
    show_popup_menu(menu, window_handle(win));
    EXPECT_EQ(chosen_item(), c.item);
    EXPECT_EQ(probe_menu_check(menu, 2), 1) << "choosing an item leaves its mark alone";
    EXPECT_EQ(probe_menu_check(menu, 1), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MenuChoice,
    ::testing::Values(ChoiceCase{"last_item", {up, enter}, 4},
                      ChoiceCase{"first_in_submenu", {down, right, enter}, 0},
                      ChoiceCase{"past_the_separator", {down, right, down, down, enter}, 2},
                      ChoiceCase{"last_in_submenu", {down, right, down, down, down, enter}, 1},
                      ChoiceCase{"escape", {escape}, -1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MenuWithoutMenu, ShowingAMissingMenuReturnsAtOnce) {
    show_popup_menu(menu + 9, 0);
    EXPECT_EQ(chosen_item(), -1);
}

struct PromptCase {
    const char* name;
    std::string default_text, keys, answer;
    friend void PrintTo(const PromptCase& c, std::ostream* out) { *out << c.name; }
};

class Prompt : public ::testing::TestWithParam<PromptCase> {};

TEST_P(Prompt, ReturnsTheFieldOnEnterAndNothingOnEscape) {
    const PromptCase c = GetParam();
    const HangGuard guard;
    probe_type_later(300, c.keys);
    EXPECT_EQ(prompt_text("Neue L\xE4nge der Tastolin definieren",
                          "Geben Sie eine neue L\xE4nge in Zentimeter ein.", c.default_text),
              c.answer);
}

INSTANTIATE_TEST_SUITE_P(Answers, Prompt,
                         ::testing::Values(PromptCase{"typed", "", "15.6\r", "15.6"},
                                           PromptCase{"empty_ok", "", "\r", ""},
                                           PromptCase{"escape", "", "12\x1b", ""},
                                           PromptCase{"caret_at_end", "ab", "c\r", "abc"},
                                           PromptCase{"escape_keeps_nothing", "12", "\x1b", ""},
                                           PromptCase{"windows_1252", "", "\xE4\xDF\x80\r", "\xE4\xDF\x80"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
