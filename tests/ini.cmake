# The ini conformance table run through the varkel-ini program: natively, and
# on Windows under Wine (one Wine start for the whole table: the runner itself
# is a Windows program that starts varkel-ini for each operation).
add_executable(varkel-ini-conformance ini/IniToolConformance.cpp)
target_include_directories(varkel-ini-conformance PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
if(WIN32)
  target_link_libraries(varkel-ini-conformance PRIVATE varkel_win32 varkel_core)
  target_link_options(varkel-ini-conformance PRIVATE -mconsole)
  # Wine sees the host's file system as drive Z:.
  add_test(NAME ini-tool COMMAND varkel-ini-conformance Z:$<TARGET_FILE:varkel-ini>)
else()
  target_link_libraries(varkel-ini-conformance PRIVATE varkel_core)
  add_test(NAME ini-tool COMMAND varkel-ini-conformance $<TARGET_FILE:varkel-ini>)
endif()
add_dependencies(varkel-ini-conformance varkel-ini)
