# The random program generator, shared by the 64tass comparison and the benchmarks; whichever
# room comes first defines it.
if(NOT TARGET tarvok_program_generator)
  add_library(tarvok_program_generator STATIC ${CMAKE_CURRENT_LIST_DIR}/program_generator.cpp)
  target_link_libraries(tarvok_program_generator PUBLIC tarvok_root_include PRIVATE tarvok_warnings)
endif()
