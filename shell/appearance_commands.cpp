#include "shell/appearance_commands.h"

#include "assembler/messages.h"
#include "runtime/window/window.h"
#include "shell/control_ids.h"
#include "shell/settings_file.h"

namespace tarvok {

namespace {

// The font dialog starts from these, and a cancelled dialog leaves them in the fields.
constexpr std::string_view DialogFontName = "Courier";
constexpr int32_t DialogFontSize = 10;

void colour_whole_text(int32_t colour) {
    colour_editor_range(0, 1, -1, -1, colour);
}

}  // namespace

void select_text_colour(ShellState& state) {
    state.text_colour = choose_colour();
    colour_whole_text(state.text_colour);
    save_settings(state);
}

void select_background_colour(ShellState& state) {
    state.background_colour = choose_colour();
    set_editor_background(state.background_colour);
    save_settings(state);
}

void select_font(ShellState& state) {
    state.font_name = DialogFontName;
    state.font_size = DialogFontSize;
    state.font_style = 0;
    if (choose_font(DialogFontName, DialogFontSize, FontDialogEffects) == 0) {
        return;  // the editor keeps its font; the fields keep the dialog's defaults
    }
    state.font_size = chosen_font_size();
    state.font_name = chosen_font_name();
    state.font_style = chosen_font_style();
    if (state.font_name.empty()) {
        return;
    }
    const FontHandle font = load_font(EditorFont, state.font_name, state.font_size,
                                      state.font_style);
    if (font == 0) {
        show_error("Font Error", "Unable To Load Font");
        return;
    }
    set_control_font(SourceEditor, font);
    save_settings(state);
    set_editor_caret(1, 1);
    colour_whole_text(state.text_colour);
    set_editor_background(state.background_colour);
}

}  // namespace tarvok
