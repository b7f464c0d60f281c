// Drawing surfaces: child windows that show an off-screen 24-bit image and report pointer activity.
#include "platform/win32/binding.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <vector>

namespace {

constexpr wchar_t CANVAS_CLASS[] = L"TastolinCanvas";
constexpr std::uint8_t WHITE = 0xFF;

struct Canvas {
    HWND window = nullptr;
    Picture picture;
    std::vector<std::uint8_t> shown; // the pixels of the frame shown last
    bool leave_tracked = false;
};

std::map<int, Canvas> canvases;

std::size_t picture_bytes(const Picture& picture) {
    return static_cast<std::size_t>(picture_stride(picture.width)) * picture.height;
}

Canvas* canvas_of(HWND window) {
    auto found = canvases.find(static_cast<int>(GetWindowLongPtrW(window, GWLP_USERDATA)));
    return found != canvases.end() && found->second.window == window ? &found->second : nullptr;
}

Canvas* find_canvas(int number) {
    auto found = canvases.find(number);
    return found == canvases.end() ? nullptr : &found->second;
}

LRESULT paint(HWND window) {
    PAINTSTRUCT paint_state;
    HDC dc = BeginPaint(window, &paint_state);
    if (Canvas* canvas = canvas_of(window)) {
        const Picture& picture = canvas->picture;
        BITMAPINFO info{};
        info.bmiHeader = {
            sizeof(BITMAPINFOHEADER), picture.width, -picture.height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
        SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(picture.width), static_cast<DWORD>(picture.height), 0,
                          0, 0, static_cast<UINT>(picture.height), picture.bits, &info, DIB_RGB_COLORS);
    }
    EndPaint(window, &paint_state);
    return 0;
}

LRESULT report_pointer(HWND window) {
    queue_event(EVENT_CANVAS, static_cast<int>(GetWindowLongPtrW(window, GWLP_USERDATA)));
    return 0;
}

// Leaving is reported only to a window that asked for it since the pointer last entered.
LRESULT on_move(HWND window) {
    Canvas* canvas = canvas_of(window);
    if (canvas && !canvas->leave_tracked) {
        TRACKMOUSEEVENT request{sizeof request, TME_LEAVE, window, 0};
        canvas->leave_tracked = TrackMouseEvent(&request) != 0;
    }
    return report_pointer(window);
}

LRESULT on_leave(HWND window) {
    if (Canvas* canvas = canvas_of(window)) canvas->leave_tracked = false;
    return report_pointer(window);
}

LRESULT on_destroyed(HWND window) {
    if (Canvas* canvas = canvas_of(window)) {
        free_picture(canvas->picture);
        canvases.erase(static_cast<int>(GetWindowLongPtrW(window, GWLP_USERDATA)));
    }
    return 0;
}

// clang-format off
LRESULT CALLBACK canvas_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_PAINT: return paint(window);
    case WM_ERASEBKGND: return 1; // the image covers every pixel
    case WM_MOUSEMOVE: return on_move(window);
    case WM_MOUSELEAVE: return on_leave(window);
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_RBUTTONDOWN: case WM_RBUTTONUP:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MOUSEWHEEL: case WM_MOUSEHWHEEL: return report_pointer(window);
    case WM_NCDESTROY: return on_destroyed(window);
    default: return DefWindowProcW(window, message, wparam, lparam);
    }
}
// clang-format on

// The surface's top-left corner in its window's inner coordinates.
POINT position_in_parent(HWND window) {
    RECT frame;
    GetWindowRect(window, &frame);
    POINT corner{frame.left, frame.top};
    ScreenToClient(GetParent(window), &corner);
    return corner;
}

void copy_top_left(const Picture& from, Picture& to) {
    int rows = std::min(from.height, to.height);
    auto bytes = static_cast<std::size_t>(3 * std::min(from.width, to.width));
    for (int y = 0; y < rows; ++y)
        std::memcpy(to.bits + static_cast<std::size_t>(y) * picture_stride(to.width),
                    from.bits + static_cast<std::size_t>(y) * picture_stride(from.width), bytes);
}

void repaint(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
}

} // namespace

bool register_canvas_class() {
    WNDCLASSEXW canvas_class{};
    canvas_class.cbSize = sizeof canvas_class;
    canvas_class.lpfnWndProc = canvas_procedure;
    canvas_class.hInstance = module_instance();
    canvas_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    canvas_class.lpszClassName = CANVAS_CLASS;
    return RegisterClassExW(&canvas_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

Picture* canvas_picture(int number) {
    Canvas* canvas = find_canvas(number);
    return canvas ? &canvas->picture : nullptr;
}

void present_canvas(int number) {
    Canvas* canvas = find_canvas(number);
    if (!canvas) return;
    const Picture& picture = canvas->picture;
    std::size_t bytes = picture_bytes(picture);
    if (canvas->shown.size() == bytes && std::memcmp(canvas->shown.data(), picture.bits, bytes) == 0) return;
    canvas->shown.assign(picture.bits, picture.bits + bytes);
    repaint(canvas->window);
}

void forward_wheel_to_canvas(HWND window) {
    POINT pointer;
    if (!GetCursorPos(&pointer)) return;
    HWND below = WindowFromPoint(pointer);
    if (GetParent(below) == window && canvas_of(below)) report_pointer(below);
}

void create_canvas(int number, int x, int y, int width, int height) {
    HWND parent = last_opened_window();
    if (!parent) return;
    if (Canvas* old = find_canvas(number)) DestroyWindow(old->window);
    Canvas canvas;
    if (!create_picture(canvas.picture, width, height, WHITE)) return;
    canvas.window = CreateWindowExW(0, CANVAS_CLASS, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y,
                                    width, height, parent, nullptr, module_instance(), nullptr);
    if (!canvas.window) {
        free_picture(canvas.picture);
        return;
    }
    SetWindowLongPtrW(canvas.window, GWLP_USERDATA, number);
    canvases[number] = std::move(canvas);
    repaint(canvases[number].window);
}

// When no image of the new size can be made, the surface stays as it is.
void resize_canvas(int number, int x, int y, int width, int height) {
    Canvas* canvas = find_canvas(number);
    if (!canvas) return;
    POINT corner = position_in_parent(canvas->window);
    Picture resized;
    if (!create_picture(resized, width == KEEP ? canvas->picture.width : width,
                        height == KEEP ? canvas->picture.height : height, WHITE))
        return;
    copy_top_left(canvas->picture, resized);
    free_picture(canvas->picture);
    canvas->picture = resized;
    canvas->shown.clear();
    SetWindowPos(canvas->window, nullptr, x == KEEP ? corner.x : x, y == KEEP ? corner.y : y, resized.width,
                 resized.height, SWP_NOZORDER | SWP_NOACTIVATE);
    repaint(canvas->window);
}

int canvas_width(int number) {
    Canvas* canvas = find_canvas(number);
    return canvas ? canvas->picture.width : 0;
}

int canvas_height(int number) {
    Canvas* canvas = find_canvas(number);
    return canvas ? canvas->picture.height : 0;
}
