# The Windows edition, cross-built with mingw-w64 (the windows preset): the
# game and its Win32 front-end, the simulator without pictures, and the game's
# own tests, which run under Wine.
#
# Every program is linked statically, so that it runs alone: otherwise it
# needs libstdc++-6, libgcc_s_seh-1 and libwinpthread-1 beside it, and under
# Wine a missing DLL ends it with status 53 and no message.
add_link_options(-static)

add_subdirectory(src)
add_subdirectory(tools)
add_subdirectory(bench)
include(${CMAKE_CURRENT_LIST_DIR}/package.cmake)

# GoogleTest from Debian's sources, built for Windows with the rest.
find_path(BRASSMOOR_GOOGLETEST_DIR googletest/CMakeLists.txt REQUIRED NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
  PATHS /usr/src/googletest)
set(INSTALL_GTEST OFF CACHE BOOL "GoogleTest is built for the tests only")
add_subdirectory(${BRASSMOOR_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

enable_testing()
add_subdirectory(tests)
