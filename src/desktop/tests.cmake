# The desktop's own tests (in tests/): the Qt window, the simulator and the
# replay corpus, the Debian package, the game played under Xvfb, and the
# browser edition's page in Chromium against its build.
foreach(folder desktop tools replays package e2e web)
  add_subdirectory(${PROJECT_SOURCE_DIR}/tests/${folder})
endforeach()
