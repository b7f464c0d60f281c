// Window shapes from rectangle regions combined by exclusive or.
#include "platform/win32/binding.h"

// CreateRectRgn would swap reversed edges into a non-empty rectangle; a reversed rectangle is empty here.
Region create_rect_region(int left, int top, int right, int bottom) {
    HRGN region =
        right <= left || bottom <= top ? CreateRectRgn(0, 0, 0, 0) : CreateRectRgn(left, top, right, bottom);
    return reinterpret_cast<Region>(region);
}

void combine_region_xor(Region destination, Region first, Region second) {
    CombineRgn(reinterpret_cast<HRGN>(destination), reinterpret_cast<HRGN>(first),
               reinterpret_cast<HRGN>(second), RGN_XOR);
}

namespace {

// The shape is handed over many times a second, mostly unchanged; an equal one is not set again, which
// spares a redraw of the whole window (and, under X, a shape request) per call.
bool has_equal_shape(HWND window, HRGN region) {
    HRGN current = CreateRectRgn(0, 0, 0, 0);
    bool equal = GetWindowRgn(window, current) != ERROR && EqualRgn(current, region);
    DeleteObject(current);
    return equal;
}

} // namespace

// Once SetWindowRgn succeeds the region belongs to the system; otherwise it is released here.
void set_window_region(WindowHandle window, Region region) {
    auto handle = reinterpret_cast<HWND>(window);
    auto shape = reinterpret_cast<HRGN>(region);
    if (has_equal_shape(handle, shape) || !SetWindowRgn(handle, shape, TRUE)) DeleteObject(shape);
}

void delete_region(Region region) {
    DeleteObject(reinterpret_cast<HRGN>(region));
}
