# The Windows tests share one Wine session a ctest run: a fixture makes a
# fresh prefix under the build folder, with Wine's services and an X server
# (with openbox) of their own, and takes it all down at the end. Every test
# program runs in the session (wine_session.sh with), so `add_test` on a
# Windows program runs it under Wine there.
set(BRASSMOOR_WINE_SESSION ${CMAKE_BINARY_DIR}/wine)
set(BRASSMOOR_WINE_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/wine_session.sh)
set(BRASSMOOR_IN_WINE_SESSION bash ${BRASSMOOR_WINE_SCRIPT} with ${BRASSMOOR_WINE_SESSION})
set(CMAKE_CROSSCOMPILING_EMULATOR ${BRASSMOOR_IN_WINE_SESSION} wine)

add_test(NAME wine_session_start COMMAND bash ${BRASSMOOR_WINE_SCRIPT} start ${BRASSMOOR_WINE_SESSION})
add_test(NAME wine_session_stop COMMAND bash ${BRASSMOOR_WINE_SCRIPT} stop ${BRASSMOOR_WINE_SESSION})
set_tests_properties(wine_session_start PROPERTIES FIXTURES_SETUP wine LABELS windows TIMEOUT 120)
set_tests_properties(wine_session_stop PROPERTIES FIXTURES_CLEANUP wine LABELS windows TIMEOUT 60)

# brassmoor_under_wine(test [LABELS label...]): the test runs in the session,
# labelled windows and whatever else is given.
function(brassmoor_under_wine test)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LABELS")
  set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED wine LABELS "windows;${arg_LABELS}")
endfunction()
