# The Windows program as a whole: its resources and imports, and how it
# behaves under Wine (one window, one copy, closing ends it).
if(NOT WIN32)
  return()
endif()

find_package(Python3 COMPONENTS Interpreter)

# The dialog layer's and the shell adapters' tests use templates and menus of their own.
target_sources(varkel_win32_tests PRIVATE win32/DialogLayerTest.rc win32/ShellTest.rc)

add_executable(varkel_probe app/WineProbe.cpp)
target_link_options(varkel_probe PRIVATE -mconsole)
target_link_libraries(varkel_probe PRIVATE shell32 user32 kernel32)

# A window that records the keys and buttons it receives, for the journeys.
add_executable(varkel_key_recorder app/KeyRecorder.cpp)
target_link_options(varkel_key_recorder PRIVATE -municode -mwindows)
target_link_libraries(varkel_key_recorder PRIVATE user32 gdi32 kernel32)

find_program(VARKEL_WRESTOOL wrestool)
if(Python3_FOUND AND VARKEL_WRESTOOL AND CMAKE_OBJDUMP)
  add_test(NAME app.resources
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/app/check_resources.py
            $<TARGET_FILE:varkel_exe> ${PROJECT_VERSION} ${VARKEL_WRESTOOL} ${CMAKE_OBJDUMP})
endif()

# Under Wine on a virtual display, through the test bed: cross builds only.
if(NOT CMAKE_CROSSCOMPILING)
  return()
endif()
# The product finds no mouse under Wine, so the single-instance checks that
# need a running window use the demo: the same program on a simulated mouse.
foreach(mode second race)
  add_test(NAME app.wine.${mode}
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/app/wine-app.sh ${mode} $<TARGET_FILE:varkel_demo> $<TARGET_FILE:varkel_probe>)
  set_tests_properties(app.wine.${mode} PROPERTIES TIMEOUT 300 LABELS wine)
endforeach()
add_test(NAME app.wine.product
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/app/wine-app.sh product $<TARGET_FILE:varkel_exe> $<TARGET_FILE:varkel_probe>)
set_tests_properties(app.wine.product PROPERTIES TIMEOUT 300 LABELS wine)
add_test(NAME app.wine.renamed
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/app/wine-app.sh renamed $<TARGET_FILE:varkel_exe> $<TARGET_FILE:varkel_probe>)
set_tests_properties(app.wine.renamed PROPERTIES TIMEOUT 300 LABELS wine)
foreach(mode demo shell)
  add_test(NAME app.wine.${mode}
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/app/wine-app.sh ${mode} $<TARGET_FILE:varkel_demo> $<TARGET_FILE:varkel_probe>)
  set_tests_properties(app.wine.${mode} PROPERTIES TIMEOUT 300 LABELS wine)
endforeach()

# The main window's picture and its answer to the real pointer, from
# screenshots (kept in build/windows/screenshots/).
find_program(VARKEL_PYTHON3 python3)
if(VARKEL_PYTHON3)
  add_test(NAME app.wine.views
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/app/wine-app.sh views $<TARGET_FILE:varkel_demo> $<TARGET_FILE:varkel_probe>
            ${PROJECT_SOURCE_DIR}/skins/default ${CMAKE_BINARY_DIR}/screenshots)
  set_tests_properties(app.wine.views PROPERTIES TIMEOUT 300 LABELS wine)
  # The notification area: the icon, a second copy, the owner-drawn menu
  # (its screenshot kept as screenshots/tray-menu.png) and the exit from it.
  add_test(NAME app.wine.tray
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/app/wine-app.sh tray $<TARGET_FILE:varkel_demo> $<TARGET_FILE:varkel_probe>
            ${PROJECT_SOURCE_DIR}/skins/default ${CMAKE_BINARY_DIR}/screenshots)
  set_tests_properties(app.wine.tray PROPERTIES TIMEOUT 300 LABELS wine)
endif()
