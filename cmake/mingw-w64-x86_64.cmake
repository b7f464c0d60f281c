# Cross-build for 64-bit Windows with Debian's mingw-w64 (posix thread variant).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every executable, tests included, carries its C++ runtime, so wine needs no mingw DLLs to run it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
# Test executables run under wine, at build time (test discovery) and in ctest.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/wine/run-under-wine.sh)
# GoogleTest compiled from Debian's sources for the target.
set(GTest_DIR ${CMAKE_CURRENT_LIST_DIR}/mingw-gtest)
