# Draws one theme's images with ART into WORK and packs them into OUT with XBN.
get_filename_component(out_folder "${OUT}" DIRECTORY)
file(MAKE_DIRECTORY "${out_folder}")
execute_process(COMMAND "${ART}" "${THEME}" "${WORK}"
                OUTPUT_VARIABLE arguments RESULT_VARIABLE drawn)
if(NOT drawn EQUAL 0)
  message(FATAL_ERROR "Drawing the ${THEME} theme failed")
endif()
string(STRIP "${arguments}" arguments)
string(REPLACE "\n" ";" arguments "${arguments}")
execute_process(COMMAND "${XBN}" pack "${OUT}" ${arguments} RESULT_VARIABLE packed OUTPUT_QUIET)
if(NOT packed EQUAL 0)
  message(FATAL_ERROR "Packing the ${THEME} theme failed")
endif()
