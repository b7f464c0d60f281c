#include "bench/process_stats.h"

#include <fstream>
#include <unistd.h>

// The second field of statm is the resident set in pages.
std::int64_t resident_bytes() {
    std::ifstream statm("/proc/self/statm");
    std::int64_t size = 0;
    std::int64_t resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// X keeps the objects of its clients in the server; the long run's own memory is the measure here.
int window_system_objects() {
    return -1;
}
