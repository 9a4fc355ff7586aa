# The floor this edition's cost is measured against (in bench/, by
# scripts/measure_play.sh): a window of the battlefield's size whose timer
# ticks and does nothing.
add_executable(floor_window WIN32 ${PROJECT_SOURCE_DIR}/bench/floor_window_win32.cpp)
target_link_libraries(floor_window PRIVATE brassmoor_windows)
