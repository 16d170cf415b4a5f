#include "shell/merge_commands.h"

#include <filesystem>
#include <string>

#include "assembler/messages.h"
#include "assembler/source_files.h"
#include "runtime/text/text.h"
#include "runtime/window/window.h"
#include "shell/control_ids.h"

namespace tarvok {

namespace {

// Whether the first two bytes of the file are its load address and stay out of the data lines:
// always for a PRG merge, and for a binary merge when the file's own name holds "prg" (a folder
// above it that does decides nothing).
bool skips_load_address(int32_t mode, const std::string& path) {
    if (mode == MergePrgMode) {
        return true;
    }
    return find_text(std::filesystem::path(path).filename().string(), "prg") != 0;
}

}  // namespace

void merge_source(ShellState& state, AssemblyContext& ctx, std::string_view name) {
    state.find_start = 0;
    state.source_path = std::string(name);
    if (state.source_path.empty()) {
        state.source_path = choose_open_file("Merge Source", state.default_path, state.file_pattern, 0);
        if (state.source_path.empty()) {
            return;
        }
    }
    // After an assembly that expanded include directives the text goes where the last one put its
    // file, as the include expansion does; otherwise after the caret's line.
    const int32_t insert_at = ctx.includes_expanded == 1 ? ctx.insert_line : current_editor_line();
    const SourceFile file = read_source_file(state.source_path, EditorTextLimit);
    if (file.status == SourceFileStatus::Unreadable) {
        ctx.error = 1;
        show_error("Merge Error.", ctx.includes_expanded == 1
                                       ? "Couldn't Find File,Must be In Same Dir As Source."
                                       : "Couldn't open the file!.");
        return;
    }
    // A text that would take the editor past its limit is refused whole.
    if (file.status == SourceFileStatus::TooLong || !add_item(SourceEditor, insert_at, file.text)) {
        ctx.error = 1;
        show_error("Merge Error.", TooMuchTextMessage);
        return;
    }
    clear_assembly_lists(ctx);
    paint_editor(state);
}

void merge_binary(ShellState& state, AssemblyContext& /*ctx*/, int32_t mode) {
    // The lines go in after the caret's line: the 1-based caret line is the 0-based index of the
    // line below it.
    const int32_t insert_at = current_editor_line();
    const bool prg = mode == MergePrgMode;
    state.source_path = choose_open_file(prg ? "Select Prg File To Merge." : "Select Binary File To Merge.",
                                         state.default_path,
                                         prg ? "Prg Files (*.Prg)|*.Prg" : "Bin Files (*.bin)|*.bin", 0);
    if (state.source_path.empty()) {
        return;
    }
    const SourceFile data =
        read_data_file(state.source_path, skips_load_address(mode, state.source_path), EditorTextLimit);
    if (data.status == SourceFileStatus::Unreadable) {
        show_error("Merge File Error.", "Could Not Open/Find File.");
        return;
    }
    const std::string lines = data.status == SourceFileStatus::Read ? data_lines(data.text) : "";
    if (data.status == SourceFileStatus::TooLong || (!lines.empty() && !add_item(SourceEditor, insert_at, lines))) {
        show_error("Merge File Error.", TooMuchTextMessage);
        return;
    }
    paint_editor_text(state);
}

}  // namespace tarvok
