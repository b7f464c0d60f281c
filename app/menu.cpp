// The popup menu: "Ansicht" with the diagonal, length and orientation items, then "Beenden".
#include "app/caliper.h"
#include "app/objects.h"
#include "app/texts.h"
#include "platform/platform.h"

namespace {

void add_items() {
    open_submenu(MENU_VIEW_TEXT);
    add_menu_item(MENU_CHANGE_DIAGONAL, MENU_CHANGE_DIAGONAL_TEXT);
    add_menu_item(MENU_CHANGE_LENGTH, MENU_CHANGE_LENGTH_TEXT);
    add_menu_separator();
    add_menu_item(MENU_HORIZONTAL, MENU_HORIZONTAL_TEXT);
    add_menu_item(MENU_VERTICAL, MENU_VERTICAL_TEXT);
    close_submenu();
    add_menu_separator();
    add_menu_item(MENU_QUIT, MENU_QUIT_TEXT);
}

} // namespace

void build_popup_menu() {
    if (create_popup_menu(POPUP_MENU)) add_items();
    set_menu_check(POPUP_MENU, MENU_HORIZONTAL, 1);
}
