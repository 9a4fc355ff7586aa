# The desktop's simulator (in tools/), the one that writes pictures: PNG files,
# written by Qt's image writer.
add_library(brassmoor_png STATIC ${PROJECT_SOURCE_DIR}/tools/sim/png_file.cpp)
target_link_libraries(brassmoor_png PUBLIC brassmoor_game Qt6::Gui)

add_executable(brassmoor-sim ${PROJECT_SOURCE_DIR}/tools/sim/main.cpp)
target_link_libraries(brassmoor-sim PRIVATE brassmoor_sim brassmoor_png)
