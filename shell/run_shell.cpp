#include "shell/shell.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>

#include "codegen/instruction_table.h"
#include "runtime/window/window.h"
#include "shell/control_ids.h"
#include "shell/dispatch.h"
#include "shell/main_window.h"
#include "shell/settings_file.h"
#include "shell/source_file_commands.h"
#include "shell/toolbar_icons.h"

namespace tarvok {

namespace {

constexpr std::string_view ExampleLine =
    "*=$1000 ;This is An Example Of Setting The Start Address Value";

// Gives the editor the font stored in the settings file, or reports that it cannot be loaded;
// the editor then keeps the default user-interface font.
void apply_stored_font(const ShellState& state) {
    const FontHandle font = load_font(EditorFont, state.font_name, state.font_size,
                                      state.font_style);
    if (font == 0) {
        show_message("Font Error", "Unable To Load Font", ButtonsOk);
        return;
    }
    set_control_font(SourceEditor, font);
}

}  // namespace

bool start_shell(ShellState& state, AssemblyContext& ctx) {
    const ToolbarIcons icons = load_toolbar_icons();
    clear_clipboard();
    ctx = AssemblyContext{};
    load_opcode_table();
    // Value-initialised rather than brace-initialised: GCC 12 at -O3 reports a false
    // -Wmaybe-uninitialized for the temporary of ShellState{}.
    state = ShellState();
    load_settings(state);
    if (!build_main_window(icons)) {
        return false;
    }
    if (state.settings_loaded == 1) {
        apply_stored_font(state);
    }
    set_control_state(ProgressBar, ctx.progress);
    clear_items(SymbolList);
    add_item(SymbolList, -1, "No Variables");
    set_editor_background(state.background_colour);
    // The example ends in LF and CR, two line breaks: the example line and two empty lines.
    clear_items(SourceEditor);
    std::string example(ExampleLine);
    example += '\n';
    example += '\r';
    set_control_text(SourceEditor, example);
    limit_editor_text(EditorTextLimit);
    colour_editor_range(0, 1, -1, -1, state.text_colour);
    build_popup_menu(state);
    return true;
}

void load_start_file(ShellState& state, AssemblyContext& ctx, std::string_view name) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path full = fs::absolute(fs::path(std::string(name)), ec);
    const std::string path = ec ? std::string(name) : full.lexically_normal().string();
    // The requester records its choice as the loaded path too, before the file is opened.
    state.loaded_path = path;
    load_source(state, ctx, path);
}

void run_event_loop(ShellState& state, AssemblyContext& ctx) {
    while (state.quit_requested == 0) {
        const int32_t kind = wait_event();
        if (kind == EventNone) {
            break;
        }
        handle_event(state, ctx, kind);
    }
}

void close_all_windows() {
    for (const int32_t window : {FindWindow, AboutWindow, HelpWindow, MemoryMapWindow, MainWindow}) {
        close_window(window);
    }
}

int run_shell(std::string_view start_file) {
    ShellState state;
    AssemblyContext ctx;
    if (!start_shell(state, ctx)) {
        std::fputs("tarvok: the main window could not be opened\n", stderr);
        close_all_windows();
        return 1;
    }
    if (!start_file.empty()) {
        load_start_file(state, ctx, start_file);
    }
    run_event_loop(state, ctx);
    // Nothing is saved at shut-down.
    close_all_windows();
    return 0;
}

}  // namespace tarvok
