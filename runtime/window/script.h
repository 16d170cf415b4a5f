#pragma once
// Driving and inspecting the window layer without a person in front of it. Both backends implement
// this header: the tests use it to post events, answer requesters and look at windows, controls and
// menus; tarvok-asm uses it to answer the save and name requesters from its command line and to
// print every message box.
//
// Answers: requesters and message boxes take the next answer from one queue, in order. While the
// layer is scripted (always in the headless backend; in the desktop backend after
// set_scripted(true), or whenever answers are queued) no dialog is shown, and a requester that
// finds the queue empty answers as a cancel (a message box with an OK button only answers OK and
// never takes an answer from the queue).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/window/window.h"

namespace tarvok {

// ---- Answers ------------------------------------------------------------------------------------
enum class AnswerKind { Message, Text, File, Colour, Font };

struct ScriptedAnswer {
    AnswerKind kind = AnswerKind::Message;
    int32_t button = AnswerCancel;  // Message: the button pressed
    std::string text;               // Text: the text entered; File: the path chosen; Font: the face
    int32_t filter = 0;             // File: the filter left selected
    int32_t colour = NoColour;      // Colour: the colour chosen
    int32_t font_size = 0;          // Font
    int32_t font_style = 0;         // Font
};

void script_answer(ScriptedAnswer answer);
void script_message_answer(int32_t button);
void script_text_answer(std::string_view text);
void script_file_answer(std::string_view path, int32_t filter = 0);
void script_colour_answer(int32_t colour);
void script_font_answer(std::string_view face, int32_t size, int32_t style);
// Answers still queued.
std::size_t scripted_answers_left();
void clear_script();
// Desktop backend: true answers every requester from the queue without showing a dialog.
// The headless backend is always scripted.
void set_scripted(bool scripted);

// ---- What was shown -----------------------------------------------------------------------------
struct MessageRecord {
    std::string title;
    std::string text;
    int32_t buttons = ButtonsOk;
    int32_t answer = AnswerOk;
    // 0-based editor line of the most recent selection the program made in the main editor with
    // select_editor_range before this box appeared; -1 when it made none since the editor's text
    // was last set as a whole.
    int32_t selected_line = -1;
};

enum class RequesterKind { AskText, OpenFile, SaveFile, Font, Colour };

struct RequesterRecord {
    RequesterKind kind = RequesterKind::AskText;
    std::string title;
    std::string prompt_or_default;  // AskText: the prompt; files: the default file; Font: the face
    std::string default_text;       // AskText: the default text
    std::string filter;             // files: the filter list
    int32_t filter_index = 0;       // files: the preselected filter
    std::string answer;             // the text or path returned ("" when cancelled)
};

const std::vector<MessageRecord>& message_log();
const std::vector<RequesterRecord>& requester_log();
void clear_logs();
// Called for every message box as it appears (before it is answered); nullptr removes it.
void set_message_observer(std::function<void(const MessageRecord&)> observer);
// Called whenever the program sets a control's state with set_control_state, with the id and the
// value as given (so a test can follow a progress bar); nullptr removes it.
void set_state_observer(std::function<void(int32_t id, int32_t value)> observer);

// ---- Events -------------------------------------------------------------------------------------
// Queues an event that wait_event returns after the events already queued.
void post_event(int32_t kind, int32_t window, int32_t id = 0, int32_t type = EventTypeNone);
std::size_t posted_events_left();

// ---- Inspection ---------------------------------------------------------------------------------
enum class ControlKind { None, TextField, Button, Label, CheckBox, ListBox, Editor, ImageButton,
                         ProgressBar, TabStrip };

struct ControlInfo {
    ControlKind kind = ControlKind::None;  // None: no control has this id
    int32_t window = -1;
    int32_t x = 0, y = 0, width = 0, height = 0;  // client pixels of its window
    std::string text;     // window text (fields, buttons, labels, check boxes)
    std::string tooltip;  // "" when it has none
    int32_t flags = 0;
    bool enabled = true;
    bool visible = true;
};

struct WindowInfo {
    bool open = false;
    std::string title;
    int32_t x = 0, y = 0;                         // top-left corner of the frame, screen pixels
    int32_t client_width = 0, client_height = 0;  // below the menu bar
    int32_t flags = 0;
};

struct MenuEntry {
    int32_t id = -1;  // -1 for a separator
    std::string text;
    bool separator = false;
};

struct MenuInfo {
    std::string title;
    std::vector<MenuEntry> items;
};

ControlInfo inspect_control(int32_t id);
// Ids of the window's controls in creation order.
std::vector<int32_t> controls_of_window(int32_t number);
WindowInfo inspect_window(int32_t number);
std::vector<MenuInfo> inspect_menu_bar(int32_t window_number);
std::vector<MenuEntry> inspect_popup_menu(int32_t number);
// Number of times a popup menu was shown.
int32_t popup_menus_shown();

// Main editor: the selection as character positions (start <= end), each line break one character.
struct EditorSelection {
    int32_t start = 0;
    int32_t end = 0;
};
EditorSelection editor_selection();
// Main editor: the colour of the character at position (0-based), -1 past the end.
int32_t editor_colour_at(int32_t position);
int32_t editor_background();
// Main editor: the whole text with "\n" line breaks.
std::string editor_text();
// Main editor: what the user typing text does (replaces the selection); refused, returning false,
// when the editor would then hold more than its limit.
bool editor_type_text(std::string_view text);
// Name of the font the control shows ("" for the default user-interface font).
std::string control_font_name(int32_t id);

}  // namespace tarvok
