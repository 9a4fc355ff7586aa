# The simulator under Node (in tools/), writing no pictures, for comparing the
# browser's game with the desktop's tick for tick. It reads and writes the
# real file system.
add_executable(brassmoor-sim ${PROJECT_SOURCE_DIR}/tools/sim/main_without_pictures.cpp)
target_link_libraries(brassmoor-sim PRIVATE brassmoor_sim)
target_link_options(brassmoor-sim PRIVATE -sENVIRONMENT=node -sNODERAWFS=1 -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1)
