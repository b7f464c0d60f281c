// Top-level windows: creation, placement, timers, the always-on-top layer and the pointer position.
#include "platform/win32/binding.h"

#include <algorithm>
#include <map>

namespace {

constexpr wchar_t WINDOW_CLASS[] = L"TastolinWindow";
constexpr int ICON_RESOURCE = 1;

std::map<int, HWND> windows;
HWND last_opened = nullptr;

int number_of(HWND window) {
    return static_cast<int>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT on_close(HWND window) {
    queue_event(EVENT_CLOSE, number_of(window));
    return 0; // the window stays; the program decides
}

LRESULT on_timer(WPARAM timer) {
    queue_event(EVENT_TIMER, static_cast<int>(timer));
    return 0;
}

// Menu choices arrive as commands without a control and with notification code 0.
LRESULT on_command(WPARAM wparam, LPARAM lparam) {
    if (lparam == 0 && HIWORD(wparam) == 0) queue_event(EVENT_MENU, menu_item_of_command(LOWORD(wparam)));
    return 0;
}

LRESULT on_wheel(HWND window) {
    forward_wheel_to_canvas(window);
    return 0;
}

// clang-format off
LRESULT CALLBACK window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_CLOSE: return on_close(window);
    case WM_TIMER: return on_timer(wparam);
    case WM_COMMAND: return on_command(wparam, lparam);
    case WM_MOUSEWHEEL: case WM_MOUSEHWHEEL: return on_wheel(window);
    case WM_ERASEBKGND: return 1; // the drawing surface covers the whole inner area
    default: return DefWindowProcW(window, message, wparam, lparam);
    }
}
// clang-format on

DWORD style_of(int flags) {
    return (flags & WINDOW_BORDERLESS) ? WS_POPUP : WS_OVERLAPPEDWINDOW;
}

// The outer size of a window whose inner area is width x height.
SIZE outer_size(HWND window, int width, int height) {
    RECT frame{0, 0, width, height};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
    return {frame.right - frame.left, frame.bottom - frame.top};
}

// Capped at the primary screen, then centred on it.
void centre(HWND window) {
    RECT outer;
    GetWindowRect(window, &outer);
    int screen_width = GetSystemMetrics(SM_CXSCREEN);
    int screen_height = GetSystemMetrics(SM_CYSCREEN);
    int width = std::min<int>(outer.right - outer.left, screen_width);
    int height = std::min<int>(outer.bottom - outer.top, screen_height);
    SetWindowPos(window, nullptr, (screen_width - width) / 2, (screen_height - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

bool pointer_inside(int number, POINT& pointer) {
    HWND window = window_hwnd(number);
    RECT inner;
    if (!window || !GetCursorPos(&pointer) || !ScreenToClient(window, &pointer)) return false;
    GetClientRect(window, &inner);
    return pointer.x >= 0 && pointer.y >= 0 && pointer.x < inner.right && pointer.y < inner.bottom;
}

} // namespace

HINSTANCE module_instance() {
    return GetModuleHandleW(nullptr);
}

HWND window_hwnd(int number) {
    auto found = windows.find(number);
    return found == windows.end() ? nullptr : found->second;
}

HWND last_opened_window() {
    return last_opened;
}

bool register_window_class() {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = window_procedure;
    window_class.hInstance = module_instance();
    window_class.hIcon = LoadIconW(module_instance(), MAKEINTRESOURCEW(ICON_RESOURCE));
    window_class.hIconSm =
        static_cast<HICON>(LoadImageW(module_instance(), MAKEINTRESOURCEW(ICON_RESOURCE), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.lpszClassName = WINDOW_CLASS;
    return RegisterClassExW(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

int open_window(int number, int x, int y, int width, int height, std::string_view title, int flags) {
    if (window_hwnd(number)) return 0;
    // WS_EX_APPWINDOW gives even the borderless popup its taskbar entry.
    HWND window = CreateWindowExW(WS_EX_APPWINDOW, WINDOW_CLASS, to_wide(title).c_str(), style_of(flags), x,
                                  y, width, height, nullptr, nullptr, module_instance(), nullptr);
    if (!window) return 0;
    SetWindowLongPtrW(window, GWLP_USERDATA, number);
    SIZE outer = outer_size(window, width, height);
    SetWindowPos(window, nullptr, x, y, outer.cx, outer.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    if (flags & WINDOW_CENTRED) centre(window);
    windows[number] = window;
    last_opened = window;
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    UpdateWindow(window);
    return 1;
}

void close_window(int number) {
    HWND window = window_hwnd(number);
    if (!window) return;
    windows.erase(number);
    if (last_opened == window) last_opened = nullptr;
    DestroyWindow(window); // takes the drawing surfaces and timers with it
}

void resize_window(int number, int x, int y, int width, int height) {
    HWND window = window_hwnd(number);
    if (!window) return;
    RECT outer, inner;
    GetWindowRect(window, &outer);
    GetClientRect(window, &inner);
    SIZE size =
        outer_size(window, width == KEEP ? inner.right : width, height == KEEP ? inner.bottom : height);
    SetWindowPos(window, nullptr, x == KEEP ? outer.left : x, y == KEEP ? outer.top : y, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void add_timer(int window, int timer, int period_ms) {
    HWND owner = window_hwnd(window);
    if (owner) SetTimer(owner, static_cast<UINT_PTR>(timer), static_cast<UINT>(period_ms), nullptr);
}

void set_topmost(int window, int state) {
    SetWindowPos(window_hwnd(window), state ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int window_mouse_x(int window) {
    POINT pointer;
    return pointer_inside(window, pointer) ? pointer.x : -1;
}

int window_mouse_y(int window) {
    POINT pointer;
    return pointer_inside(window, pointer) ? pointer.y : -1;
}

WindowHandle window_handle(int window) {
    return reinterpret_cast<WindowHandle>(window_hwnd(window));
}
