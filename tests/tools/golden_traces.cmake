# Runs brassmoor-sim for each seeded run of the golden list and compares the
# SHA-256 of its trace with the recorded one. A difference means that the
# game's numerics have changed: every seeded game plays otherwise than before.
# cmake -DSIM=brassmoor-sim -DLIST=golden_traces.txt -DWORK=folder -P golden_traces.cmake
file(STRINGS ${LIST} runs REGEX "^[0-9a-f]")
file(MAKE_DIRECTORY ${WORK})
set(changed "")
foreach(run IN LISTS runs)
  string(REGEX MATCH "^([0-9a-f]+) (.*)$" _ "${run}")
  set(recorded ${CMAKE_MATCH_1})
  separate_arguments(options UNIX_COMMAND "${CMAKE_MATCH_2}")
  set(trace ${WORK}/golden.jsonl)
  execute_process(COMMAND ${SIM} ${options} --trace ${trace} OUTPUT_QUIET RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "brassmoor-sim ${CMAKE_MATCH_2} failed: ${status}")
  endif()
  file(SHA256 ${trace} hash)
  file(REMOVE ${trace})
  if(NOT hash STREQUAL recorded)
    string(APPEND changed "\n  brassmoor-sim ${CMAKE_MATCH_2}: the trace's SHA-256 is ${hash}, not ${recorded}")
  endif()
endforeach()
if(changed)
  message(FATAL_ERROR "The game's numerics have changed: seeded games no longer play as recorded.${changed}\n"
    "If the change is meant, record the new values in ${LIST} and say in the commit what changed and why.")
endif()
