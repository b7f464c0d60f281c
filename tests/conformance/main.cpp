// The binding is initialised once for the whole suite, as the program does.
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!platform_init()) {
        std::fprintf(stderr, "platform_init failed: no window system to test against\n");
        return 1;
    }
    const int result = RUN_ALL_TESTS();
    platform_shutdown();
    return result;
}
