# The simulator on Windows (in tools/), writing no pictures, for comparing this
# edition's game with the desktop's tick for tick. Its arguments come from the
# UTF-16 command line, as the game's do.
add_executable(brassmoor-sim ${PROJECT_SOURCE_DIR}/tools/sim/main_windows.cpp)
target_link_libraries(brassmoor-sim PRIVATE brassmoor_sim brassmoor_windows)
