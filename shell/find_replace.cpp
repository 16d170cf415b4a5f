#include "shell/find_replace.h"

#include <string>

#include "assembler/messages.h"
#include "runtime/text/text.h"
#include "runtime/window/window.h"
#include "shell/control_ids.h"

namespace tarvok {

namespace {

void close_find_window() {
    close_window(FindWindow);
}

// "Find" closes the window after a hit; "Find Next" keeps it open for the next press.
void end_after_hit(const ShellState& state) {
    if (state.continue_search == 0) {
        close_find_window();
    }
}

std::string replace_summary(const std::string& search) {
    return "All Instances of `" + search + "` In Document have been Found And Replaced with `" +
           get_control_text(ReplaceTextField) + "`";
}

}  // namespace

void open_find_window() {
    // Opening it again closes the open one first, so the fields start empty and the boxes unticked.
    if (open_window(FindWindow, 201, 261, 314, 102, "Find Text",
                    WindowCaption | WindowSystemMenu) == 0) {
        return;
    }
    create_label(FindSearchLabel, 40, 10, 60, 20, "Search For:", 0);
    create_text_field(FindSearchField, 100, 10, 190, 20, "", 0);
    set_tooltip(FindSearchField, "Text To Search For");
    create_button(FindStartButton, 100, 70, 90, 20, "Find", 0);
    create_check_box(ReplaceWithBox, 10, 40, 90, 20, "Replace With");
    set_tooltip(ReplaceWithBox, "Tick This To Replace Seached For Text");
    create_text_field(ReplaceTextField, 100, 40, 190, 20, "", 0);
    set_tooltip(ReplaceTextField, "Text to Replace With");
    create_button(FindNextButton, 200, 70, 90, 20, "Find Next", 0);
    create_check_box(AllInstancesBox, 10, 70, 80, 20, "All Instances");
    set_tooltip(AllInstancesBox, "Will Find And Replace all Instances");
}

void find_or_replace(ShellState& state) {
    const std::string search = get_control_text(FindSearchField);
    if (search.empty()) {
        show_error("Search Error.", "No Search String Entered");
        return;
    }
    // Line n is one past the last line and reads as an empty text.
    const int32_t n = count_items(SourceEditor);
    if (state.find_start == n + 1) {
        state.find_start = 0;  // the last scan ran past the end
    }
    for (int32_t i = state.find_start; i <= n; ++i) {
        const std::string text = get_item_text(SourceEditor, i);
        ++state.find_start;
        if (find_text(text, search, 1) > 0) {
            const bool replace = get_control_state(ReplaceWithBox) == 1;
            const bool all_instances = get_control_state(AllInstancesBox) == 1;
            if (!replace && !all_instances) {
                goto_source_line(i);
                end_after_hit(state);
                return;
            }
            const std::string replacement = get_control_text(ReplaceTextField);
            if (replacement.empty()) {
                show_error("Search Error", "No Replace String Entered.");
                return;
            }
            // One left-to-right pass over this line only: a replacement that holds the search
            // text is not searched again.
            set_item_text(SourceEditor, i, replace_text(text, search, replacement));
            goto_source_line(i);
            if (!all_instances) {
                end_after_hit(state);
                return;
            }
        }
        if (i == n) {
            if (get_control_state(ReplaceWithBox) == 1) {
                show_message("Search And Replace End", replace_summary(search), ButtonsOk);
                close_find_window();
                return;
            }
            state.find_start = 0;
            if (show_message("End Of Search", "End of Text Reached,Start from Top?.",
                             ButtonsYesNo) != AnswerYes) {
                close_find_window();
                return;
            }
            i = -1;  // the scan goes on at line 0
        }
    }
}

}  // namespace tarvok
