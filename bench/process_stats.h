// What the long run watches of its own process.
#pragma once

#include <cstdint>

// Resident memory in bytes (Linux: RSS; Windows: the working set).
std::int64_t resident_bytes();
// Live window-system objects of the process (Windows: GDI objects); -1 where there is no such count.
int window_system_objects();
