# tarvok-asm: the command-line assembler over the in-memory window layer. Its logic is a library
# of its own, so that the end-to-end tests can use the same window set-up and reports.
add_library(tarvok_cli STATIC
  ${CMAKE_CURRENT_LIST_DIR}/cli_expanded_source.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cli_listing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cli_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cli_options.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cli_report.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cli_window.cpp)
target_link_libraries(tarvok_cli PUBLIC tarvok_assembler tarvok_window_api tarvok_root_include
                      PRIVATE tarvok_warnings)
target_compile_definitions(tarvok_cli PRIVATE TARVOK_VERSION="${PROJECT_VERSION}")

add_executable(tarvok-asm ${CMAKE_CURRENT_LIST_DIR}/tarvok_asm_main.cpp)
target_link_libraries(tarvok-asm PRIVATE tarvok_cli tarvok_window_headless tarvok_memory tarvok_warnings)
# tarvok-asm is started once per source file, by build scripts and editors: the C++ runtime is
# linked into it, so that the dynamic loader need not relocate the shared libstdc++ at every start
# (about 1.7 million instructions, half of a short run). It needs no other C++ library, and its
# C library stays shared. The desktop program keeps the shared runtime, which Qt uses anyway.
option(TARVOK_ASM_STATIC_CXX_RUNTIME "Link libstdc++ and libgcc into tarvok-asm" ON)
if(TARVOK_ASM_STATIC_CXX_RUNTIME AND NOT TARVOK_SANITIZE AND NOT TARVOK_BUILD_FUZZ)
  target_link_options(tarvok-asm PRIVATE -static-libstdc++ -static-libgcc)
endif()
install(TARGETS tarvok-asm RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
