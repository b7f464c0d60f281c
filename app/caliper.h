// The caliper program: start-up, the main loop and shutdown, the popup menu and its commands.
#pragma once

#include <optional>
#include <string_view>

// The whole run; the exit status, always 0.
int run_caliper();

// Steps of the run, for tests and benchmarks that drive the caliper pass by pass. platform_init()
// must have succeeded before start_up(); shut_down() follows in every case, also when start_up()
// returned false because the window could not be opened.
bool start_up();
// One pass of the main loop; false once the quit command has run.
bool main_loop_pass();
void shut_down();

// The popup menu with "Horizontal" checked.
void build_popup_menu();
// Asks for the screen diagonal under `title` and keeps the answer in diagonal_answer. Nothing when
// the answer is empty or gives no usable scale: such an answer counts as no answer.
std::optional<float> ask_diagonal(std::string_view title);
// The command of a popup-menu item; other numbers do nothing.
void run_command(int item);
