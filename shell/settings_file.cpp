#include "shell/settings_file.h"

#include <cstdint>
#include <optional>
#include <string>

#include "runtime/file/file.h"

namespace tarvok {

namespace {

void append_int32(std::string& bytes, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        bytes.push_back(static_cast<char>((bits >> shift) & 0xFF));
    }
}

// The bytes of the settings file for the state's font and colours: 18 + the name's length.
std::string settings_bytes(const ShellState& state) {
    std::string bytes;
    append_int32(bytes, state.font_size);
    append_int32(bytes, state.font_style);
    bytes += state.font_name;
    bytes += "\r\n";
    append_int32(bytes, state.background_colour);
    append_int32(bytes, state.text_colour);
    return bytes;
}

}  // namespace

void load_settings(ShellState& state) {
    FileHandle file = open_for_reading(SettingsFileName);
    if (!file) {
        return;
    }
    state.font_size = read_int32(file);
    state.font_style = read_int32(file);
    // The name ends at CR, LF or a zero byte; a CR LF pair is consumed as one ending.
    const std::optional<std::string> name = read_line_within(file, MaxFontNameLength);
    if (name) {
        state.font_name = *name;
        state.background_colour = read_int32(file);
        state.text_colour = read_int32(file);
    } else {
        state.font_name.clear();  // no font has such a name; where the colours are is unknown
    }
    close_file(file);
    state.settings_loaded = 1;
}

void save_settings(const ShellState& state) {
    write_file_replacing(SettingsFileName, settings_bytes(state));
}

}  // namespace tarvok
