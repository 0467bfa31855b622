# The shipped skin and data files (skins/), checked the way the program reads
# them. Needs a python3 with Pillow (Debian: python3-pil) and the fonts the
# skin generator uses; without one the check is left out.
if(NOT CMAKE_CROSSCOMPILING)
  # The system interpreter first: that is where the distribution's Pillow lives.
  find_program(VARKEL_SKIN_PYTHON NAMES python3 PATHS /usr/bin NO_DEFAULT_PATH)
  if(NOT VARKEL_SKIN_PYTHON)
    find_program(VARKEL_SKIN_PYTHON NAMES python3)
  endif()
  if(VARKEL_SKIN_PYTHON)
    execute_process(COMMAND ${VARKEL_SKIN_PYTHON} -c "import PIL" RESULT_VARIABLE no_pil
                    OUTPUT_QUIET ERROR_QUIET)
    if(no_pil EQUAL 0)
      add_test(NAME skin_data
               COMMAND ${VARKEL_SKIN_PYTHON} ${PROJECT_SOURCE_DIR}/tools/skin/check.py
                       ${PROJECT_SOURCE_DIR})
    else()
      message(STATUS "skin_data check left out: no Pillow for ${VARKEL_SKIN_PYTHON}")
    endif()
  endif()
endif()
