# Installs the build into a fresh prefix with cmake --install and checks what landed there: every
# file, the icon sizes, the desktop entry, and the installed programs at work.
# Run as: cmake -DBUILD_DIR=<build> -DSOURCE_DIR=<source> -DGUI=ON|OFF -DWORK=<folder>
#               -DBUILT_ASM=<tarvok-asm of the build> -DVERSION=<x.y.z> -P install_check.cmake
include(${CMAKE_CURRENT_LIST_DIR}/installed_files.cmake)

set(prefix ${WORK}/prefix)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
run_checked(ignored ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

foreach(file IN LISTS installed_files)
  if(NOT EXISTS ${prefix}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

# Each icon is a PNG of the size its folder names: the width and height are the big-endian
# 32-bit numbers at byte 16 of the file.
if(GUI)
  foreach(size IN LISTS icon_sizes)
    file(READ ${prefix}/share/icons/hicolor/${size}x${size}/apps/tarvok.png header HEX LIMIT 24)
    math(EXPR dimension "0x100000000 + ${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING "${dimension}" 3 8 dimension)  # "0x1000000NN" without "0x1"
    string(TOLOWER "89504e470d0a1a0a0000000d49484452${dimension}${dimension}" wanted)
    if(NOT header STREQUAL wanted)
      message(FATAL_ERROR "the ${size}x${size} icon is no ${size} x ${size} PNG: ${header}")
    endif()
  endforeach()
  run_checked(ignored desktop-file-validate ${prefix}/share/applications/tarvok.desktop)
  run_checked(version ${prefix}/bin/tarvok --version)
  if(NOT version STREQUAL "tarvok ${VERSION}\n")
    message(FATAL_ERROR "installed tarvok --version said: ${version}")
  endif()
endif()

run_checked(version ${prefix}/bin/tarvok-asm --version)
if(NOT version STREQUAL "tarvok-asm ${VERSION}\n")
  message(FATAL_ERROR "installed tarvok-asm --version said: ${version}")
endif()

# The installed assembler writes the same program as the one the other suites tested.
foreach(asm installed built)
  file(MAKE_DIRECTORY ${WORK}/${asm})
  configure_file(${SOURCE_DIR}/examples/hello.asm ${WORK}/${asm}/hello.asm COPYONLY)
endforeach()
run_checked(ignored ${prefix}/bin/tarvok-asm ${WORK}/installed/hello.asm)
run_checked(ignored ${BUILT_ASM} ${WORK}/built/hello.asm)
file(READ ${WORK}/installed/hello.prg installed HEX)
file(READ ${WORK}/built/hello.prg built HEX)
if(installed STREQUAL "" OR NOT installed STREQUAL built)
  message(FATAL_ERROR "the installed tarvok-asm wrote ${installed}, the built one ${built}")
endif()
file(REMOVE_RECURSE ${WORK})
