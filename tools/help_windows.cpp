#include "tools/help_windows.h"

#include <cstdint>
#include <string_view>

#include "runtime/file/file.h"
#include "runtime/window/window.h"
#include "tools/shipped_files.h"
#include "tools/tool_ids.h"

namespace tarvok {

namespace {

constexpr int32_t MainWindowNumber = 0;

// One reference window: its frame, its editor and the file that fills it.
struct TextWindow {
    int32_t number;
    std::string_view title;
    int32_t x, y, width, height;
    int32_t flags;
    int32_t editor;
    int32_t editor_width, editor_height;
    std::string_view file_name;
    std::string_view requester_title;  // asks for the file when it is found nowhere
};

constexpr TextWindow HelpText{HelpWindow, "Help", 65, 26, 650, 487,
                              WindowCaption | WindowSystemMenu,
                              HelpEditor, 630, 470,
                              "Tarvokhelp.txt", "Please Find Tarvokhelp.txt File"};

constexpr TextWindow MemoryMapText{MemoryMapWindow, "C64 Memory", 0, 0, 575, 451,
                                   WindowCaption | WindowSystemMenu | WindowMinimiseBox |
                                       WindowMaximiseBox | WindowCentreOnScreen,
                                   MemoryMapEditor, 550, 420,
                                   "c64map.txt", "Please Find c64Map.txt File"};

// The file's lines, each followed by a line break, as many as the editor can hold. Lines end in
// CR LF, LF or CR alike; a last line without a line break counts in full.
std::string read_text_lines(FileHandle& file) {
    std::string text;
    int64_t characters = 0;  // as the editor counts them: a line break is one
    while (!at_end_of_file(file)) {
        const std::string line = read_line(file);
        characters += static_cast<int64_t>(line.size()) + 1;
        if (characters > EditorTextLimit) {
            break;
        }
        text += line;
        text += "\r\n";
    }
    return text;
}

// The tables of the help text and the memory map line up only in a fixed-pitch font. Without
// one the editor keeps the default font.
void show_in_fixed_pitch(int32_t editor) {
    for (const std::string_view face : {"Monospace", "Courier"}) {
        if (const FontHandle font = load_font(ReferenceTextFont, face, 9, 0); font != 0) {
            set_control_font(editor, font);
            return;
        }
    }
}

void show_text_file(SourceDocument& doc, const std::vector<std::string>& shipped_folders,
                    const TextWindow& window) {
    // Opening the window again replaces the open one, so the text is never shown twice.
    if (open_window(window.number, window.x, window.y, window.width, window.height, window.title,
                    window.flags) == 0) {
        return;
    }
    create_editor(window.editor, 10, 10, window.editor_width, window.editor_height);
    show_in_fixed_pitch(window.editor);
    use_window(window.number);
    FileHandle file = open_shipped_file(window.file_name, shipped_folders, doc.source_path);
    if (!file.is_open()) {
        doc.source_path = choose_open_file(window.requester_title, doc.default_path,
                                           doc.file_pattern, 0);
        file = open_for_reading(doc.source_path);
    }
    if (file.is_open()) {
        // One change for the whole text: the window opens at its first line, and undo in the
        // window cannot take the text away line by line.
        clear_items(window.editor);
        set_control_text(window.editor, read_text_lines(file));
        close_file(file);
    } else {
        show_message("I/O Error.", "Could Not Open/Find File", ButtonsOk);
    }
    use_window(MainWindowNumber);
}

}  // namespace

void show_help(SourceDocument& doc, const std::vector<std::string>& shipped_folders) {
    show_text_file(doc, shipped_folders, HelpText);
}

void show_memory_map(SourceDocument& doc, const std::vector<std::string>& shipped_folders) {
    show_text_file(doc, shipped_folders, MemoryMapText);
}

}  // namespace tarvok
