# The release archive (scripts/package writes it into dist/): unzipped into an
# empty folder, its product starts under Wine. Label "release": scripts/test
# runs it in its own stage, after scripts/package.
if(NOT WIN32 OR NOT CMAKE_CROSSCOMPILING)
  return()
endif()
add_test(NAME release.package
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/release/check-package.sh
          ${PROJECT_SOURCE_DIR}/dist/Varkel-${PROJECT_VERSION}-win64.zip ${PROJECT_VERSION}
          ${PROJECT_SOURCE_DIR} $<TARGET_FILE:varkel_probe>)
set_tests_properties(release.package PROPERTIES TIMEOUT 300 LABELS "release;wine" SKIP_RETURN_CODE 77)
