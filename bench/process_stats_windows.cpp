#include "bench/process_stats.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <psapi.h>

std::int64_t resident_bytes() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters)) return -1;
    return static_cast<std::int64_t>(counters.WorkingSetSize);
}

int window_system_objects() {
    return static_cast<int>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
}
