// Window shapes from rectangle regions combined by exclusive or.
#include "platform/win32/binding.h"

// CreateRectRgn would swap reversed edges into a non-empty rectangle; a reversed rectangle is empty here.
Region create_rect_region(int left, int top, int right, int bottom) {
    HRGN region = right <= left || bottom <= top ? CreateRectRgn(0, 0, 0, 0) : CreateRectRgn(left, top, right, bottom);
    return reinterpret_cast<Region>(region);
}

void combine_region_xor(Region destination, Region first, Region second) {
    CombineRgn(reinterpret_cast<HRGN>(destination), reinterpret_cast<HRGN>(first), reinterpret_cast<HRGN>(second),
               RGN_XOR);
}

void set_window_region(WindowHandle window, Region region) {
    SetWindowRgn(reinterpret_cast<HWND>(window), reinterpret_cast<HRGN>(region), TRUE);
}

void delete_region(Region region) { DeleteObject(reinterpret_cast<HRGN>(region)); }
