# The program icon at the hicolor theme's sizes, drawn at build time from the window icon's
# picture (resources/icons/tarvok.xpm) by a small Qt tool.
add_executable(tarvok_hicolor_icons ${CMAKE_CURRENT_LIST_DIR}/hicolor_icons.cpp)
target_link_libraries(tarvok_hicolor_icons PRIVATE Qt6::Gui tarvok_warnings)

set(picture ${PROJECT_SOURCE_DIR}/resources/icons/tarvok.xpm)
set(icon_sizes 16 22 24 32 48 64 128 256)
set(hicolor ${CMAKE_CURRENT_BINARY_DIR}/hicolor)
set(icon_pngs "")
foreach(size IN LISTS icon_sizes)
  list(APPEND icon_pngs ${hicolor}/${size}x${size}/apps/tarvok.png)
endforeach()
add_custom_command(
  OUTPUT ${icon_pngs}
  COMMAND tarvok_hicolor_icons ${picture} ${hicolor} ${icon_sizes}
  DEPENDS tarvok_hicolor_icons ${picture}
  COMMENT "Drawing the program icon for the hicolor theme"
  VERBATIM)
add_custom_target(tarvok_hicolor_pngs ALL DEPENDS ${icon_pngs})
install(DIRECTORY ${hicolor}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
