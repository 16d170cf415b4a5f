# The files an installation holds, relative to its prefix. The help text and the memory map are
# expected once they are in the source tree.
# Needs SOURCE_DIR and GUI (ON or OFF).
set(installed_files bin/tarvok-asm share/man/man1/tarvok-asm.1)
foreach(text Tarvokhelp.txt c64map.txt)
  if(EXISTS ${SOURCE_DIR}/resources/${text})
    list(APPEND installed_files share/tarvok/${text})
  endif()
endforeach()
set(icon_sizes 16 22 24 32 48 64 128 256)
if(GUI)
  list(APPEND installed_files bin/tarvok share/man/man1/tarvok.1 share/applications/tarvok.desktop)
  foreach(size IN LISTS icon_sizes)
    list(APPEND installed_files share/icons/hicolor/${size}x${size}/apps/tarvok.png)
  endforeach()
endif()

# Runs a command and fails the test unless it exits with 0; its standard output goes to out_var.
function(run_checked out_var)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err
                  TIMEOUT 300)
  if(NOT code EQUAL 0)
    string(JOIN " " command ${ARGN})
    message(FATAL_ERROR "${command}: exit ${code}\n${out}${err}")
  endif()
  set(${out_var} "${out}" PARENT_SCOPE)
endfunction()
