// The five commands of the popup menu. An empty answer to a prompt means no answer; an answer that
// would leave the caliper without a usable scale is refused the same way.
#include "app/caliper.h"
#include "app/objects.h"
#include "app/settings.h"
#include "app/texts.h"
#include "core/caliper_state.h"
#include "core/geometry.h"
#include "core/number_text.h"
#include "platform/platform.h"
#include "render/render.h"

namespace {

void store_diagonal(float diagonal) {
    if (!settings_open(SETTINGS_FILE)) settings_create(SETTINGS_FILE);
    settings_write_float(DIAGONAL_KEY, diagonal);
    settings_close();
}

void change_diagonal() {
    const std::optional<float> diagonal = ask_diagonal(CHANGE_DIAGONAL_TITLE);
    if (!diagonal) return;
    caliper.diagonal_in = *diagonal;
    store_diagonal(*diagonal);
    rebuild_images(caliper.orientation, caliper.length_cm);
}

// At least a centimetre, and no longer than the images and the window can be made.
bool length_usable(std::int32_t length_cm) {
    return length_cm >= 1 &&
           scale_length_px(length_cm, rounded_diagonal(caliper.diagonal_in)) <= MAX_SCALE_PX;
}

void change_length() {
    caliper.length_answer = prompt_text(CHANGE_LENGTH_TITLE, LENGTH_MESSAGE, "");
    if (caliper.length_answer.empty()) return;
    const auto length_cm = static_cast<std::int32_t>(parse_int(caliper.length_answer)); // the low 32 bits
    if (!length_usable(length_cm)) return;
    caliper.length_cm = length_cm;
    set_length(length_cm);
}

} // namespace

std::optional<float> ask_diagonal(std::string_view title) {
    caliper.diagonal_answer = prompt_text(title, DIAGONAL_MESSAGE, "");
    if (caliper.diagonal_answer.empty()) return std::nullopt;
    const float diagonal = parse_float(caliper.diagonal_answer);
    if (!diagonal_usable(diagonal)) return std::nullopt;
    return diagonal;
}

void run_command(int item) {
    switch (item) {
    case MENU_CHANGE_DIAGONAL:
        change_diagonal();
        break;
    case MENU_VERTICAL:
        set_menu_check(POPUP_MENU, MENU_VERTICAL, 1);
        set_menu_check(POPUP_MENU, MENU_HORIZONTAL, 0);
        set_orientation(ORIENT_VERTICAL, caliper.length_cm);
        break;
    case MENU_HORIZONTAL:
        set_menu_check(POPUP_MENU, MENU_VERTICAL, 0);
        set_menu_check(POPUP_MENU, MENU_HORIZONTAL, 1);
        set_orientation(ORIENT_HORIZONTAL, caliper.length_cm);
        break;
    case MENU_CHANGE_LENGTH:
        change_length();
        break;
    case MENU_QUIT:
        caliper.quit_requested = 1;
        break;
    default:
        break;
    }
}
