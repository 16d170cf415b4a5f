#include "shell/settings_file.h"

#include "runtime/file/file.h"

namespace tarvok {

void load_settings(ShellState& state) {
    FileHandle file = open_for_reading(SettingsFileName);
    if (!file) {
        return;
    }
    state.font_size = read_int32(file);
    state.font_style = read_int32(file);
    // The name ends at CR, LF or a zero byte; a CR LF pair is consumed as one ending.
    state.font_name = read_line(file);
    state.background_colour = read_int32(file);
    state.text_colour = read_int32(file);
    close_file(file);
    state.settings_loaded = 1;
}

}  // namespace tarvok
