# The Linux desktop edition (the default, game and sanitize presets): the
# game's Qt window, and beside it everything the tests, benchmarks and the
# Debian package need; with BRASSMOOR_GAME_ONLY (`make run`) the game alone.
set(CMAKE_AUTOMOC ON)
include(GNUInstallDirs)
# Debian's place for a game's program, under the prefix beside
# GNUInstallDirs' others.
set(BRASSMOOR_INSTALL_GAMESDIR games CACHE STRING "Where the game's program installs, under the prefix")

# Hardened as Debian builds its packages: every relocation resolved at
# start-up and then made read-only.
add_link_options(-Wl,-z,relro,-z,now)

option(BRASSMOOR_GAME_ONLY "Build only the desktop game" OFF)
if(BRASSMOOR_GAME_ONLY)
  find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)
  add_subdirectory(src)
  return()
endif()

find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Test)
find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)

add_subdirectory(src)
add_subdirectory(desktop)
add_subdirectory(tools)
add_subdirectory(bench)
include(cmake/packaging.cmake)

enable_testing()
add_subdirectory(tests)
