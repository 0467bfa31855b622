# Scenario tests: tests/scenarios/NAME.scn runs through varkel-scenario twice;
# both transcripts must be identical and equal NAME.out. Scripts that start
# the program run its threads and carry the label "threaded".
if(NOT WIN32 AND TARGET varkel-scenario)
  file(GLOB VARKEL_SCENARIOS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/scenarios/*.scn)
  foreach(script ${VARKEL_SCENARIOS})
    get_filename_component(name ${script} NAME_WE)
    get_filename_component(dir ${script} DIRECTORY)
    add_test(NAME scenario.${name}
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scenarios/run-scenario
                     $<TARGET_FILE:varkel-scenario> ${script} ${dir}/${name}.out)
    file(STRINGS ${script} starts REGEX "^[ \t]*start")
    if(starts)
      set_tests_properties(scenario.${name} PROPERTIES LABELS "scenario;threaded" TIMEOUT 120)
    else()
      set_tests_properties(scenario.${name} PROPERTIES LABELS scenario TIMEOUT 120)
    endif()
  endforeach()
  add_test(NAME scenario.script-errors
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/scenarios/script-errors $<TARGET_FILE:varkel-scenario>)
  set_tests_properties(scenario.script-errors PROPERTIES LABELS scenario)
endif()

# Under ThreadSanitizer the unit tests run too: several of them start threads
# (the simulated world, the reader, the driver, macro playback).
if(VARKEL_SANITIZE STREQUAL "thread")
  set_tests_properties(unit PROPERTIES LABELS threaded)
endif()

