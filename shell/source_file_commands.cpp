#include "shell/source_file_commands.h"

#include "runtime/window/window.h"
#include "shell/not_available.h"

namespace tarvok {

void new_source(ShellState& /*state*/, AssemblyContext& /*ctx*/) {
    show_not_available("New Source");
}

void load_source(ShellState& /*state*/, AssemblyContext& /*ctx*/, std::string_view /*name*/) {
    show_not_available("Load Source");
}

void save_source(ShellState& /*state*/, AssemblyContext& /*ctx*/, std::string_view /*name*/) {
    show_not_available("Save Source");
}

void save_selection(ShellState& /*state*/) {
    show_not_available("Save Selected Source");
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
