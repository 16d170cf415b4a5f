# Turns the XPM files of the icons into one C++ source of byte arrays.
# Run as: cmake -DICON_DIR=<dir> -DOUTPUT=<file.cpp> -P embed_images.cmake
#
# The toolbar icons are listed in button image order; the program icon comes last.
set(toolbar_icons new open save undo redo cut copy paste text-colour background-colour
    assemble-prg assemble-p00 find)

function(byte_array name file out_var)
  file(READ ${file} hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  # Sixteen bytes to a line keeps the generated file readable.
  string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " bytes "${bytes}")
  set(${out_var} "const unsigned char ${name}[${size}] = {\n    ${bytes}\n};\n" PARENT_SCOPE)
endfunction()

set(arrays "")
set(table "")
set(index 0)
foreach(icon IN LISTS toolbar_icons)
  string(MAKE_C_IDENTIFIER "icon_${icon}" name)
  byte_array(${name} ${ICON_DIR}/${icon}.xpm array)
  string(APPEND arrays "${array}")
  string(APPEND table "    {${name}, sizeof ${name}},  // ${index} ${icon}\n")
  math(EXPR index "${index} + 1")
endforeach()
byte_array(program_icon ${ICON_DIR}/tarvok.xpm program_array)

file(WRITE ${OUTPUT}.tmp
"// Generated from resources/icons/*.xpm when the program is built; edit the XPM files instead.
#include \"resources/embedded_images.h\"

#include <array>

namespace tarvok {

namespace {

${arrays}
${program_array}
const std::array<EmbeddedImage, ${index}> toolbar_icons = {{
${table}}};

}  // namespace

EmbeddedImage toolbar_icon_image(int32_t index) {
    if (index < 0 || index >= static_cast<int32_t>(toolbar_icons.size())) {
        return {};
    }
    return toolbar_icons[static_cast<std::size_t>(index)];
}

EmbeddedImage program_icon_image() {
    return {program_icon, sizeof program_icon};
}

}  // namespace tarvok
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
