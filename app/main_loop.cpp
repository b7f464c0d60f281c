// One pass of the main loop: redraw, hand drags and the menu to the window system, follow the timer,
// the menu and the pointer.
#include "app/caliper.h"
#include "app/objects.h"
#include "core/caliper_state.h"
#include "platform/platform.h"
#include "render/render.h"

namespace {

constexpr int WAIT_MS = 5;
// The jaw follows a pointer between these bounds (both exclusive), holding it 60 pixels into the
// sliding jaw, so that the jaw's measuring face travels from 27 to the scale's end.
constexpr int JAW_TRACK_START = 86;
constexpr int JAW_GRIP = 60;

// The window's first column and first row do not count.
bool pointer_in_window() {
    return window_mouse_x(MAIN_WINDOW) > 0 && window_mouse_y(MAIN_WINDOW) > 0;
}

void track_jaw() {
    int along;
    if (caliper.orientation == ORIENT_HORIZONTAL)
        along = window_mouse_x(MAIN_WINDOW);
    else if (caliper.orientation == ORIENT_VERTICAL)
        along = window_mouse_y(MAIN_WINDOW);
    else
        return;
    if (along > JAW_TRACK_START && along < scale_length(caliper.length_cm) + JAW_TRACK_START)
        caliper.jaw_pos = along - JAW_GRIP;
}

} // namespace

bool main_loop_pass() {
    caliper.last_event = wait_event(WAIT_MS);
    render_frame(caliper.orientation);
    if (button_pressed(MouseButton::LEFT) && pointer_in_window())
        begin_window_move(window_handle(MAIN_WINDOW));
    if (button_pressed(MouseButton::RIGHT) && pointer_in_window())
        show_popup_menu(POPUP_MENU, window_handle(MAIN_WINDOW));
    if (caliper.last_event == EVENT_TIMER && event_timer() == TIMER_SHAPE)
        apply_window_shape(caliper.orientation, scale_length(caliper.length_cm));
    if (caliper.last_event == EVENT_MENU) run_command(event_menu_item());
    if (caliper.last_event == EVENT_CANVAS && event_gadget() == CANVAS) track_jaw();
    return caliper.quit_requested != 1;
}
