# Makes the Debian package of the build with CPack and checks it: its file name, every installed
# file under the build's install prefix, and the control fields, with the dependencies read from
# the programs.
# Run as: cmake -DBUILD_DIR=<build> -DSOURCE_DIR=<source> -DGUI=ON|OFF -DWORK=<folder>
#               -DVERSION=<x.y.z> -DPREFIX=<install prefix> -P package_check.cmake
include(${CMAKE_CURRENT_LIST_DIR}/installed_files.cmake)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
run_checked(ignored ${CMAKE_CPACK_COMMAND} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${WORK})
run_checked(arch dpkg --print-architecture)
string(STRIP "${arch}" arch)
set(deb ${WORK}/tarvok_${VERSION}_${arch}.deb)
if(NOT EXISTS ${deb})
  file(GLOB made ${WORK}/*.deb)
  message(FATAL_ERROR "expected ${deb}, CPack made: ${made}")
endif()

run_checked(contents dpkg-deb -c ${deb})
foreach(file IN LISTS installed_files)
  string(REPLACE "." "\\." pattern "${PREFIX}/${file}")
  if(NOT contents MATCHES " \\.${pattern}\n")
    message(FATAL_ERROR "not in the package: ${PREFIX}/${file}\n${contents}")
  endif()
endforeach()

# Field, then a pattern its value must match.
set(fields
  Package "^tarvok\n$"
  Version "^${VERSION}\n$"
  Architecture "^${arch}\n$"
  Maintainer "^[^<\n]+ <[^>\n]+@[^>\n]+>\n$"
  Description "^[^\n]+\n [^\n]+"
  Depends "(^|, )libc6 \\(>= [^)]+\\)(, |\n$)")
if(GUI)
  list(APPEND fields Depends "(^|, )libqt6widgets6 \\(>= [^)]+\\)(, |\n$)")
endif()
while(fields)
  list(POP_FRONT fields field pattern)
  run_checked(value dpkg-deb -f ${deb} ${field})
  if(NOT value MATCHES "${pattern}")
    message(FATAL_ERROR "control field ${field} is '${value}', expected to match ${pattern}")
  endif()
endwhile()
file(REMOVE_RECURSE ${WORK})
