# The Windows tests read the shipped skin from the source tree; Wine sees the
# host's file system as drive Z:.
if(TARGET varkel_win32_tests)
  target_compile_definitions(varkel_win32_tests PRIVATE
    VARKEL_SHIPPED_SKIN_DIR="${PROJECT_SOURCE_DIR}/skins/default")
endif()
