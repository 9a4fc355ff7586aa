# The Windows edition's tests (in tests/) all run under Wine, in one session
# a ctest run; each test program runs whole there, as one test.
include(${PROJECT_SOURCE_DIR}/tests/windows/wine_session.cmake)
function(brassmoor_add_test_program name label)
  add_test(NAME ${name} COMMAND ${name})
  brassmoor_under_wine(${name} LABELS ${label})
endfunction()
add_subdirectory(${PROJECT_SOURCE_DIR}/tests/windows)
