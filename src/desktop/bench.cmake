# In bench/: the floor the desktop's cost is measured against
# (scripts/measure_play.sh), a window of the battlefield's size whose timer
# ticks and does nothing.
add_executable(floor_window ${PROJECT_SOURCE_DIR}/bench/floor_window.cpp)
target_link_libraries(floor_window PRIVATE brassmoor_desktop)

# Google Benchmark: the tick with every tank moving and every shell in flight,
# and one tank figure. `make bench` runs it.
add_executable(brassmoor-bench ${PROJECT_SOURCE_DIR}/bench/tick_benchmark.cpp)
target_link_libraries(brassmoor-bench PRIVATE brassmoor_game benchmark::benchmark_main)
