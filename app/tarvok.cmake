# The desktop program: the shell linked with the Qt window layer.
add_executable(tarvok tarvok_main.cpp desktop_command_line.cpp)
target_link_libraries(tarvok PRIVATE tarvok_shell tarvok_window_qt Qt6::Widgets tarvok_warnings)
target_compile_definitions(tarvok PRIVATE TARVOK_VERSION="${PROJECT_VERSION}")
# Building the program also puts the help text and the memory map beside it.
add_dependencies(tarvok tarvok_text_files)
install(TARGETS tarvok RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
