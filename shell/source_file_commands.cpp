#include "shell/source_file_commands.h"

#include <filesystem>
#include <string>
#include <system_error>

#include "assembler/display_ids.h"
#include "assembler/messages.h"
#include "assembler/source_files.h"
#include "runtime/file/file.h"
#include "runtime/text/text.h"
#include "runtime/window/window.h"
#include "shell/control_ids.h"
#include "shell/symbol_list.h"

namespace tarvok {

namespace {

constexpr std::string_view NewSourceText =
    "*=$1000               ;This is An Example Of Setting The Start Address Value\n\r";

// A name chosen in a save requester gets the extension of the filter the user left selected
// unless it holds that text anywhere already; "All Files" keeps the name as typed.
std::string with_filter_extension(std::string path, int32_t filter) {
    const std::string_view extension = filter == 0 ? ".txt" : filter == 1 ? ".asm" : "";
    if (!extension.empty() && find_text(path, extension) == 0) {
        path += extension;
    }
    return path;
}

// The absolute folder of a file, "" when it cannot be told.
std::string folder_of(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? std::string() : absolute.parent_path().string();
}

void refuse_load(AssemblyContext& ctx, std::string_view text) {
    show_error("Load Error.", text);
    ctx.error = 1;
}

}  // namespace

void new_source(ShellState& state, AssemblyContext& ctx) {
    const int32_t answer = show_message("Clear Source ?.",
                                        "Do You Want A New Source (Without Saving Current)?.",
                                        ButtonsYesNo);
    if (answer == AnswerYes) {
        set_control_text(SourceEditor, "");
        set_control_text(SourceEditor, NewSourceText);
        reset_assembly(ctx, state);
        set_control_text(CurrentSourceField, "");
        ctx.quiet = 1;
        refresh_symbols(state, ctx);
        for (const int32_t field : {CodeEndDecimal, CodeStartDecimal, CodeEndHex, CodeStartHex}) {
            set_control_text(field, "");
        }
    }
    state.find_start = 0;
}

void load_source(ShellState& state, AssemblyContext& ctx, std::string_view name) {
    state.find_start = 0;
    ctx.progress = 0;
    state.source_path = std::string(name);
    if (state.source_path.empty()) {
        state.source_path = choose_open_file("Load Source", state.default_path, state.file_pattern, 0);
        state.loaded_path = state.source_path;
        if (state.source_path.empty()) {
            return;
        }
    }
    const SourceFile file = read_source_file(state.source_path, EditorTextLimit);
    if (file.status == SourceFileStatus::Unreadable) {
        refuse_load(ctx, "Couldn't open the file!");
        return;
    }
    // A text the editor cannot hold is refused whole: the editor keeps what it has.
    if (file.status == SourceFileStatus::TooLong || !set_control_text(SourceEditor, file.text)) {
        refuse_load(ctx, TooMuchTextMessage);
        return;
    }
    state.loaded_folder = folder_of(state.source_path);
    set_control_file_name(CurrentSourceField, state.source_path);
    show_progress(ctx);
    paint_editor(state);
    // Saving the text over the file would lose what followed the zero byte: the user is told.
    if (file.text_after_zero) {
        show_error("Load Warning.", TextAfterZeroMessage);
    }
}

void save_source(ShellState& state, AssemblyContext& ctx, std::string_view name) {
    state.source_path = std::string(name);
    if (state.source_path.empty()) {
        const std::string chosen =
            choose_save_file("Save Source", state.default_path, state.file_pattern, 0);
        if (chosen.empty()) {
            state.source_path.clear();
            return;
        }
        state.source_path = with_filter_extension(chosen, chosen_filter());
    }
    // The file is written under a temporary name and renamed into place, so a failed save leaves
    // an earlier file of that name as it was.
    if (replace_file(state.source_path, source_file_bytes()) != ReplaceResult::Written) {
        show_error("Save Error.", "Couldn't open the file!" + state.source_path);
        ctx.error = 1;
        return;
    }
    set_control_file_name(CurrentSourceField, state.source_path);
}

void save_selection(ShellState& state) {
    std::string text = clipboard_text();
    if (text.empty()) {
        show_error("Save Error.", "There Is No Text Selected To Save.");
        return;
    }
    state.source_path = choose_save_file("Select File Name To Save Selected Text.", state.default_path,
                                         state.file_pattern, 0);
    if (state.source_path.empty()) {
        return;
    }
    state.source_path = with_filter_extension(state.source_path, chosen_filter());
    text.push_back('\0');
    if (replace_file(state.source_path, text) != ReplaceResult::Written) {
        show_error("Save File Error.", "Could Not Open/Find File.");
    }
}

void quit_command(ShellState& state, AssemblyContext& ctx) {
    const int32_t answer = show_message("Quit Assembler?",
                                        "Do You Wish To Save Before Quiting The Assembler ?.",
                                        ButtonsYesNoCancel);
    if (answer == AnswerYes) {
        if (count_items(SourceEditor) != 0) {
            // Saving asks for a file name; the program keeps running afterwards.
            save_source(state, ctx, "");
            return;
        }
        const int32_t again = show_message("Editor Empty,Nothing To Save",
                                           "Do You Wish To Quit  ?.", ButtonsYesNoCancel);
        if (again == AnswerYes) {
            state.quit_requested = 1;
        }
    } else if (answer == AnswerNo) {
        state.quit_requested = 1;
    }
}

}  // namespace tarvok
