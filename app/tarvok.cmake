# The desktop program: the shell linked with the Qt window layer.
add_executable(tarvok tarvok_main.cpp)
target_link_libraries(tarvok PRIVATE tarvok_shell tarvok_window_qt Qt6::Widgets tarvok_warnings)
install(TARGETS tarvok RUNTIME DESTINATION bin)
