// Setting up and releasing what the binding needs from the system.
#include "platform/win32/binding.h"

#include <commctrl.h>
#include <cstdio>
#include <timeapi.h>

namespace {
// The default timer resolution of 15.6 ms would stretch the loop's 5 ms wait to a whole tick.
constexpr UINT TIMER_RESOLUTION_MS = 1;
} // namespace

bool platform_init() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    if (!register_window_class() || !register_canvas_class() || !create_drawing_contexts()) {
        std::fprintf(stderr, "tastolin: cannot set up windows and drawing (error %lu)\n", GetLastError());
        return false;
    }
    timeBeginPeriod(TIMER_RESOLUTION_MS);
    return true;
}

void platform_shutdown() {
    end_drawing();
    destroy_all_menus();
    free_all_fonts();
    free_all_images();
    release_drawing_contexts();
    timeEndPeriod(TIMER_RESOLUTION_MS);
}
