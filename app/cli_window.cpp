#include "app/cli_window.h"

#include "assembler/display_ids.h"
#include "runtime/window/window.h"

namespace tarvok {

bool open_assembly_window() {
    const int32_t frame = WindowCaption | WindowSystemMenu | WindowMinimiseBox | WindowMaximiseBox;
    if (open_window(0, 0, 0, 786, 487, "Tarvok", frame | WindowCentreOnScreen) == 0) {
        return false;
    }
    if (create_editor(MainEditorId, 10, 40, 620, 390) == 0) {
        return false;
    }
    limit_editor_text(EditorTextLimit);
    create_text_field(CurrentSourceField, 10, 20, 620, 20, "Current Source", FieldReadOnly);
    create_text_field(CodeStartDecimal, 630, 320, 70, 20, "4096", FieldReadOnly);
    create_text_field(CodeEndDecimal, 710, 320, 70, 20, "4096", FieldReadOnly);
    create_text_field(CodeStartHex, 630, 340, 70, 20, "$1000", FieldReadOnly);
    create_text_field(CodeEndHex, 710, 340, 70, 20, "$1000", FieldReadOnly);
    create_progress_bar(ProgressBar, 10, 440, 620, 20, 0, 20);
    return true;
}

}  // namespace tarvok
