# The journeys: the demo under Wine driven as a person would, from its first
# start on (tests/journeys/). Label "journey": scripts/test runs them in a
# stage of their own; screenshots stay in build/windows/screenshots/journeys/.
if(NOT WIN32 OR NOT CMAKE_CROSSCOMPILING)
  return()
endif()
find_program(VARKEL_PYTHON3 python3)
if(NOT VARKEL_PYTHON3)
  return()
endif()
set(VARKEL_JOURNEYS recorder first-start profiles)
foreach(journey ${VARKEL_JOURNEYS})
  add_test(NAME journey.${journey}
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/journeys/run-journey.sh ${journey}
            ${CMAKE_BINARY_DIR}/VarkelDemo $<TARGET_FILE:varkel_probe> $<TARGET_FILE:varkel_key_recorder>
            ${PROJECT_SOURCE_DIR}/skins/default ${CMAKE_BINARY_DIR}/screenshots/journeys)
  set_tests_properties(journey.${journey} PROPERTIES TIMEOUT 360 LABELS "journey;wine")
endforeach()
