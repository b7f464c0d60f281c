#include "bench/process_stats.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <psapi.h>

#include <cstdint>

std::int64_t resident_bytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return -1;
    return static_cast<std::int64_t>(counters.WorkingSetSize);
}

namespace {

// wine answers GetGuiResources with 0, but its GDI accepts a handle's table index alone as the
// handle, so the live objects can be counted by index. (Windows itself checks the whole handle.)
int gdi_objects_by_index() {
    int live = 0;
    for (std::uintptr_t index = 1; index <= 0xFFFF; ++index)
        if (GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0) ++live;
    return live;
}

} // namespace

int window_system_objects() {
    const auto counted = static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    return counted > 0 ? counted : gdi_objects_by_index();
}
