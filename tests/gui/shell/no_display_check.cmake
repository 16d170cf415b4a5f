# Starts the desktop program without any display: it must say how to start it, on one line, and
# end with exit code 1 instead of crashing.
# Run as: cmake -DPROGRAM=<tarvok> -P no_display_check.cmake
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        --unset=QT_QPA_PLATFORM ${PROGRAM}
                RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 60)
if(NOT code EQUAL 1)
  message(FATAL_ERROR "exit code ${code}, expected 1; said: ${err}${out}")
endif()
if(NOT err MATCHES "^tarvok: [^\n]*xvfb-run[^\n]*\n$")
  message(FATAL_ERROR "expected one line naming xvfb-run on the error output, got: ${err}")
endif()
