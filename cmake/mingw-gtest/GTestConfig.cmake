# GoogleTest for the mingw-w64 cross build. Debian packages GoogleTest's libraries for the build
# machine only, so find_package(GTest) is pointed here (GTest_DIR, set by the toolchain file) and
# compiles Debian's GoogleTest sources for the target instead.
if(NOT TARGET gtest)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
if(NOT TARGET GTest::gtest)
  add_library(GTest::gtest ALIAS gtest)
  add_library(GTest::gtest_main ALIAS gtest_main)
endif()
set(GTest_FOUND TRUE)
