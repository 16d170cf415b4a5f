#include "shell/dispatch.h"

#include "runtime/window/window.h"
#include "shell/about_command.h"
#include "shell/appearance_commands.h"
#include "shell/assemble_commands.h"
#include "shell/control_ids.h"
#include "shell/find_replace.h"
#include "shell/merge_commands.h"
#include "shell/source_file_commands.h"
#include "shell/symbol_list.h"
#include "tools/help_windows.h"
#include "tools/number_tools.h"

namespace tarvok {

namespace {

void select_all_text() {
    select_editor_range(0, 1, -1, -1);
}

void find_command() {
    open_find_window();
    set_control_state(ReplaceWithBox, 0);
    use_window(FindWindow);
}

void save_selection_command(ShellState& state) {
    editor_copy();  // the selection goes to the clipboard, which the command saves
    save_selection(state);
}

// quiet = 1 marks the run that refreshes the list as one without file and start-address checks.
void refresh_symbol_list(ShellState& state, AssemblyContext& ctx, uint8_t from_button) {
    ctx.quiet = 1;
    state.symbol_list.refresh_from_button = from_button;
    refresh_symbols(state, ctx);
}

void handle_main_window_event(ShellState& state, AssemblyContext& ctx, int32_t kind) {
    use_window(MainWindow);
    state.event_handled = 0;
    if (kind == EventCloseRequest) {
        quit_command(state, ctx);
    }
    if (kind == EventMenuCommand) {
        dispatch_menu_command(state, ctx, event_id());
    }
    if (kind == EventControl) {
        dispatch_control(state, ctx, event_id(), event_type());
    }
    if (kind == EventRightButton && state.popup_menu != NoPopupMenu) {
        show_popup_menu(state.popup_menu, window_handle());
    }
    // Only the symbol list reaches this point with a click type: its selection changes and double
    // clicks are not handled above.
    const int32_t type = event_type();
    if (type == EventTypeSingleClick && state.event_handled == 0) {
        show_symbol_value(state, ctx);
    } else if (type == EventTypeDoubleClick && state.event_handled == 0) {
        goto_symbol(state, ctx);
    }
}

void handle_find_window_event(ShellState& state, int32_t kind) {
    if (kind == EventCloseRequest) {
        use_window(FindWindow);
        close_window(FindWindow);
        return;
    }
    if (kind != EventControl) {
        return;
    }
    if (event_id() == FindStartButton) {
        state.find_start = 0;
        state.continue_search = 0;
        find_or_replace(state);
    } else if (event_id() == FindNextButton) {
        state.continue_search = 1;
        find_or_replace(state);
    }
}

}  // namespace

void dispatch_menu_command(ShellState& state, AssemblyContext& ctx, int32_t item) {
    switch (item) {
        case MenuNewSource: new_source(state, ctx); break;
        case MenuLoadSource: load_source(state, ctx, ""); break;
        case MenuMergeBinary: merge_binary(state, ctx, MergeBinaryMode); break;
        case MenuMergePrg: merge_binary(state, ctx, MergePrgMode); break;
        case MenuMergeSource:
            merge_source(state, ctx, "");
            ctx.quiet = 1;
            refresh_symbols(state, ctx);
            break;
        case MenuSaveSource: save_source(state, ctx, ""); break;
        case MenuSaveSelection: save_selection_command(state); break;
        case MenuQuit: quit_command(state, ctx); break;
        case MenuUndo: editor_undo(); break;
        case MenuRedo: editor_redo(); break;
        case MenuCut: editor_cut(); break;
        case MenuCopy: editor_copy(); break;
        case MenuPaste: editor_paste(); break;
        case MenuFind: find_command(); break;
        case MenuSelectAll: select_all_text(); break;
        case MenuTextColour: select_text_colour(state); break;
        case MenuBackgroundColour: select_background_colour(state); break;
        case MenuSelectFont: select_font(state); break;
        case MenuAssemblePrg: assemble_to_prg(state, ctx); break;
        case MenuAssembleP00: assemble_to_p00(state, ctx); break;
        case MenuHelp: show_help(state, state.shipped_folders); break;
        case MenuMemoryMap: show_memory_map(state, state.shipped_folders); break;
        case MenuAbout: about_command(); break;
        case PopupCopy: editor_copy(); break;
        case PopupPaste: editor_paste(); break;
        case PopupMergeSource: merge_source(state, ctx, ""); break;  // no symbol refresh here
        case PopupCut: editor_cut(); break;
        case PopupUndo: editor_undo(); break;
        case PopupRedo: editor_redo(); break;
        case PopupFind: find_command(); break;
        case PopupSelectAll: select_all_text(); break;
        case PopupBackgroundColour: select_background_colour(state); break;
        case PopupTextColour: select_text_colour(state); break;
        case PopupMergePrg: merge_binary(state, ctx, MergePrgMode); break;
        case PopupMergeBinary: merge_binary(state, ctx, MergeBinaryMode); break;
        case PopupSaveSelection: save_selection_command(state); break;
        default: break;
    }
}

bool dispatch_control(ShellState& state, AssemblyContext& ctx, int32_t control, int32_t type) {
    switch (control) {
        case NewSourceButton: new_source(state, ctx); break;
        case LoadSourceButton: load_source(state, ctx, ""); break;
        case SaveSourceButton: save_source(state, ctx, ""); break;
        case UndoButton: editor_undo(); break;
        case RedoButton: editor_redo(); break;
        case CutButton: editor_cut(); break;
        case CopyButton: editor_copy(); break;
        case PasteButton: editor_paste(); break;
        case TextColourButton: select_text_colour(state); break;
        case BackgroundColourButton: select_background_colour(state); break;
        case AssemblePrgButton: assemble_to_prg(state, ctx); break;
        case AssembleP00Button: assemble_to_p00(state, ctx); break;
        case FindButton: find_command(); break;
        case SymbolTabs:
            // A click on a tab, also on the one already selected; a tab chosen with the keyboard
            // leaves the list as it is.
            if (type != EventTypeSingleClick) return false;
            refresh_symbol_list(state, ctx, 0);
            break;
        case RefreshButton: refresh_symbol_list(state, ctx, 1); break;
        case NumConvertButton: convert_number(ctx); break;
        case AsciiValueButton: show_character_code(ctx); break;
        case ScreenCodeButton: show_screen_code(ctx); break;
        default: return false;
    }
    state.event_handled = 1;
    return true;
}

void handle_event(ShellState& state, AssemblyContext& ctx, int32_t kind) {
    const int32_t window = event_window();
    if (window == MainWindow) {
        handle_main_window_event(state, ctx, kind);
    } else if (window == MemoryMapWindow || window == HelpWindow) {
        if (kind == EventCloseRequest) {
            use_window(window);
            close_window(window);
        }
    } else if (window == FindWindow) {
        handle_find_window_event(state, kind);
    }
}

}  // namespace tarvok
