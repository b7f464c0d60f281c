// Test-only reads of the binding's state and synthetic input, for the conformance suite.
#include "platform/probe.h"
#include "platform/win32/binding.h"

#include <map>

namespace {

std::map<UINT_PTR, std::string> pending_keys;

Colour pixel_or_none(const Picture* picture, int x, int y) {
    if (!picture || x < 0 || y < 0 || x >= picture->width || y >= picture->height) return PROBE_NO_PIXEL;
    GdiFlush();
    return picture_pixel(*picture, x, y);
}

bool inside_inner_area(HWND window, int x, int y) {
    RECT inner;
    GetClientRect(window, &inner);
    return x >= 0 && y >= 0 && x < inner.right && y < inner.bottom;
}

// Window regions are kept relative to the outer window; the probe speaks of the inner area.
POINT inner_origin_in_window(HWND window) {
    RECT outer;
    GetWindowRect(window, &outer);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return {origin.x - outer.left, origin.y - outer.top};
}

INPUT key_input(WORD virtual_key, WORD character, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtual_key;
    input.ki.wScan = character;
    input.ki.dwFlags = flags;
    return input;
}

WORD virtual_key_of(char key) {
    switch (key) {
    case PROBE_KEY_ENTER:
        return VK_RETURN;
    case PROBE_KEY_ESCAPE:
        return VK_ESCAPE;
    case PROBE_KEY_UP:
        return VK_UP;
    case PROBE_KEY_DOWN:
        return VK_DOWN;
    case PROBE_KEY_RIGHT:
        return VK_RIGHT;
    default:
        return 0;
    }
}

void press_and_release(char key) {
    WORD virtual_key = virtual_key_of(key);
    DWORD extended =
        virtual_key == VK_UP || virtual_key == VK_DOWN || virtual_key == VK_RIGHT ? KEYEVENTF_EXTENDEDKEY : 0;
    WORD character = virtual_key ? 0 : to_wide(std::string_view(&key, 1)).front();
    DWORD kind = virtual_key ? extended : KEYEVENTF_UNICODE;
    INPUT inputs[2] = {key_input(virtual_key, character, kind),
                       key_input(virtual_key, character, kind | KEYEVENTF_KEYUP)};
    SendInput(2, inputs, sizeof(INPUT));
}

void CALLBACK type_pending(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    std::string keys = std::move(pending_keys[timer]);
    pending_keys.erase(timer);
    for (char key : keys)
        press_and_release(key);
}

} // namespace

Colour probe_image_pixel(int slot, int x, int y) {
    return pixel_or_none(image_picture(slot), x, y);
}

int probe_image_width(int slot) {
    Picture* picture = image_picture(slot);
    return picture ? picture->width : 0;
}

int probe_image_height(int slot) {
    Picture* picture = image_picture(slot);
    return picture ? picture->height : 0;
}

Colour probe_canvas_pixel(int canvas, int x, int y) {
    return pixel_or_none(canvas_picture(canvas), x, y);
}

bool probe_window_shape_contains(int window, int x, int y) {
    HWND handle = window_hwnd(window);
    if (!handle || !inside_inner_area(handle, x, y)) return false;
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    bool contained = true;
    if (GetWindowRgn(handle, shape) != ERROR) {
        POINT origin = inner_origin_in_window(handle);
        contained = PtInRegion(shape, x + origin.x, y + origin.y) != 0;
    }
    DeleteObject(shape);
    return contained;
}

ProbeRect probe_window_rect(int window) {
    HWND handle = window_hwnd(window);
    if (!handle) return {0, 0, 0, 0};
    RECT inner;
    GetClientRect(handle, &inner);
    POINT origin{0, 0};
    ClientToScreen(handle, &origin);
    return {origin.x, origin.y, inner.right, inner.bottom};
}

bool probe_window_topmost(int window) {
    HWND handle = window_hwnd(window);
    return handle && (GetWindowLongPtrW(handle, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

int probe_menu_check(int menu, int item) {
    HMENU handle = menu_handle(menu);
    if (!handle) return -1;
    UINT state = GetMenuState(handle, menu_command_id(item), MF_BYCOMMAND);
    if (state == static_cast<UINT>(-1)) return -1;
    return (state & MF_CHECKED) ? 1 : 0;
}

void probe_set_pointer(int x, int y) {
    SetCursorPos(x, y);
}

// A thread timer is dispatched by every message loop of the thread, the modal ones included.
void probe_type_later(int delay_ms, std::string_view keys) {
    UINT_PTR timer = SetTimer(nullptr, 0, static_cast<UINT>(delay_ms), type_pending);
    if (timer) pending_keys[timer] = std::string(keys);
}

void probe_cancel_typing() {
    for (auto& [timer, keys] : pending_keys)
        KillTimer(nullptr, timer);
    pending_keys.clear();
}
