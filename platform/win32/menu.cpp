// Popup menus with submenus, separators and check marks, shown at the pointer.
#include "platform/win32/binding.h"

#include <map>
#include <vector>

namespace {

// Item numbers start at 0, but a command identifier of 0 cannot be told from "nothing chosen".
constexpr UINT COMMAND_BASE = 1000;

std::map<int, HMENU> menus;
std::vector<HMENU> targets; // the menu being filled, then each open submenu

HMENU current_target() {
    return targets.empty() ? nullptr : targets.back();
}

} // namespace

HMENU menu_handle(int number) {
    auto found = menus.find(number);
    return found == menus.end() ? nullptr : found->second;
}

UINT menu_command_id(int item) {
    return COMMAND_BASE + static_cast<UINT>(item);
}

int menu_item_of_command(UINT command) {
    return static_cast<int>(command - COMMAND_BASE);
}

void destroy_all_menus() {
    for (auto& [number, menu] : menus)
        DestroyMenu(menu); // takes the submenus with it
    menus.clear();
    targets.clear();
}

int create_popup_menu(int number) {
    if (HMENU old = menu_handle(number)) DestroyMenu(old);
    menus.erase(number);
    targets.clear();
    HMENU menu = CreatePopupMenu();
    if (!menu) return 0;
    menus[number] = menu;
    targets.push_back(menu);
    return 1;
}

void open_submenu(std::string_view title) {
    HMENU parent = current_target();
    if (!parent) return;
    HMENU submenu = CreatePopupMenu();
    if (!submenu) return;
    AppendMenuW(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu), to_wide(title).c_str());
    targets.push_back(submenu);
}

void add_menu_item(int item, std::string_view text) {
    if (HMENU target = current_target())
        AppendMenuW(target, MF_STRING, menu_command_id(item), to_wide(text).c_str());
}

void add_menu_separator() {
    if (HMENU target = current_target()) AppendMenuW(target, MF_SEPARATOR, 0, nullptr);
}

void close_submenu() {
    if (targets.size() > 1) targets.pop_back();
}

// MF_BYCOMMAND searches the submenus too.
void set_menu_check(int menu, int item, int state) {
    if (HMENU handle = menu_handle(menu))
        CheckMenuItem(handle, menu_command_id(item), MF_BYCOMMAND | (state ? MF_CHECKED : MF_UNCHECKED));
}

// The window must be in the foreground, or the menu would not close when clicked beside; the null
// message afterwards lets a second menu open at once (a documented TrackPopupMenu requirement).
void show_popup_menu(int menu, WindowHandle window) {
    HMENU handle = menu_handle(menu);
    POINT pointer;
    if (!handle || !GetCursorPos(&pointer)) return;
    auto owner = reinterpret_cast<HWND>(window);
    SetForegroundWindow(owner);
    TrackPopupMenu(handle, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, pointer.x - 1, pointer.y - 1, 0,
                   owner, nullptr);
    PostMessageW(owner, WM_NULL, 0, 0);
}
