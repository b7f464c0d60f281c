// Start-up with the calibration, and shutdown.
#include "app/caliper.h"
#include "app/objects.h"
#include "app/settings.h"
#include "app/texts.h"
#include "core/caliper_state.h"
#include "platform/platform.h"
#include "render/render.h"

namespace {

// Without a usable answer nothing is stored, so the question comes again next time.
void ask_first_diagonal() {
    const std::optional<float> diagonal = ask_diagonal(FIRST_DIAGONAL_TITLE);
    if (!diagonal) return;
    caliper.diagonal_in = *diagonal;
    settings_create(SETTINGS_FILE);
    settings_write_float(DIAGONAL_KEY, *diagonal);
}

// The settings file is the only sign of an earlier run; a file without the key is read as 0, and
// the conversions then fall back to a nominal screen.
void calibrate() {
    if (settings_open(SETTINGS_FILE))
        caliper.diagonal_in = settings_read_float(DIAGONAL_KEY, 0.0f);
    else
        ask_first_diagonal();
    settings_close();
}

} // namespace

bool start_up() {
    caliper = CaliperState{};
    readout_font = load_font(FONT_READOUT, "Arial", 15, FONT_QUALITY_DEFAULT);
    label_font = load_font(FONT_LABEL, "Arial", 8, FONT_QUALITY_PROOF);
    caliper.orientation = ORIENT_HORIZONTAL;
    caliper.length_cm = 8;
    caliper.jaw_pos = 27;
    caliper.jaw_top = 30;
    if (!open_window(MAIN_WINDOW, 0, 0, 389, 144, WINDOW_TITLE, WINDOW_BORDERLESS | WINDOW_CENTRED))
        return false;
    // Larger than the window both ways, so that it covers the whole inner area until the first resize.
    create_canvas(CANVAS, 0, 0, 400, 200);
    add_timer(MAIN_WINDOW, TIMER_SHAPE, 15);
    set_topmost(MAIN_WINDOW, 1);
    build_popup_menu();
    calibrate();
    rebuild_images(ORIENT_HORIZONTAL, caliper.length_cm);
    return true;
}

void shut_down() {
    settings_close();
    close_window(MAIN_WINDOW);
    free_font(FONT_READOUT);
    free_font(FONT_LABEL);
    free_images();
    platform_shutdown();
}

int run_caliper() {
    if (!platform_init()) return 0; // the binding has said why
    if (start_up())
        while (main_loop_pass()) {
        }
    shut_down();
    return 0;
}
