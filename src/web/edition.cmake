# The browser edition (the web preset): the game and its page, the simulator
# for Node, the tick's timing; its tests run in the desktop's build, against
# this build's folder.

# Run-time errors are C++ exceptions here too, and the game library catches
# them: the option must be set before any target is made.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

add_subdirectory(src)
add_subdirectory(tools)
add_subdirectory(bench)
