#pragma once
// The window layer: every window, control, editor, menu, event and requester operation the program
// uses. Windows, controls, menus and menu items are addressed by small numbers that the program
// chooses; control ids are unique in the whole program. User input arrives as events from one
// blocking wait_event. Two libraries implement this header and an executable links exactly one:
// the Qt 6 Widgets backend (runtime/window/qt) for the desktop program, and the in-memory backend
// (runtime/window/headless) for tarvok-asm and the tests.
//
// Texts are Latin-1 bytes. Positions in the editor count each line break as one character.
// Operations on a number or id that names nothing do nothing and return 0, -1 or "".

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tarvok {

using WindowHandle = std::uintptr_t;   // 0 = none
using ControlHandle = std::uintptr_t;  // 0 = none
using FontHandle = std::uintptr_t;     // 0 = none
using ImageHandle = std::uintptr_t;    // 0 = none

// ---- Event kinds, as wait_event returns them -------------------------------------------------
inline constexpr int32_t EventNone = 0;              // nothing happened (the headless queue was empty)
inline constexpr int32_t EventCloseRequest = 16;     // close box, system menu, Alt+F4; window stays open
inline constexpr int32_t EventMenuCommand = 13101;   // a menu or popup-menu item; event_id = item id
inline constexpr int32_t EventControl = 13100;       // control input; event_id = control id
inline constexpr int32_t EventRightButton = 516;     // right mouse button pressed over a window
inline constexpr int32_t EventWindowMoved = 3;
inline constexpr int32_t EventWindowResized = 5;
inline constexpr int32_t EventWindowActivated = 13104;

// Event types of control events.
inline constexpr int32_t EventTypeNone = -1;
inline constexpr int32_t EventTypeSingleClick = 0;   // list box selection change, tab click
inline constexpr int32_t EventTypeDoubleClick = 2;   // list box double click

// ---- Message boxes ------------------------------------------------------------------------------
inline constexpr int32_t ButtonsOk = 0;
inline constexpr int32_t ButtonsYesNoCancel = 3;
inline constexpr int32_t ButtonsYesNo = 4;

inline constexpr int32_t AnswerOk = 1;
inline constexpr int32_t AnswerCancel = 2;
inline constexpr int32_t AnswerYes = 6;
inline constexpr int32_t AnswerNo = 7;

// ---- Colours and fonts --------------------------------------------------------------------------
// Colours are 0x00BBGGRR; -1 stands for "no colour chosen".
inline constexpr int32_t NoColour = -1;

inline constexpr int32_t FontBold = 0x100;
inline constexpr int32_t FontItalic = 0x200;
inline constexpr int32_t FontUnderline = 4;
inline constexpr int32_t FontStrikeout = 8;
inline constexpr int32_t FontHighQuality = 0x10;

// The largest font size in points that load_font makes (the most the font dialog offers); a
// larger one, as from a damaged settings file, would leave no line of text visible.
inline constexpr int32_t MaxFontSize = 512;

// The font dialog's option that offers underline and strikeout.
inline constexpr int32_t FontDialogEffects = 0x100;

// ---- Window flags (frame styles plus placement) -------------------------------------------------
inline constexpr int32_t WindowCaption = 0xC00000;
inline constexpr int32_t WindowSystemMenu = 0x80000;
inline constexpr int32_t WindowSizingBorder = 0x40000;
inline constexpr int32_t WindowMinimiseBox = 0x20000;
inline constexpr int32_t WindowMaximiseBox = 0x10000;
inline constexpr int32_t WindowCentreOnScreen = 1;
inline constexpr int32_t WindowCentreOnActive = 2;
inline constexpr int32_t WindowHidden = 0x10000000;
inline constexpr int32_t WindowShowMaximised = 0x1000000;

// ---- Control flags ------------------------------------------------------------------------------
inline constexpr int32_t FieldReadOnly = 0x800;        // text field cannot be edited by the user
inline constexpr int32_t FieldNoSunkenEdge = 0x20000;  // text field without its sunken edge
inline constexpr int32_t LabelCentred = 0x1;           // label text centred
inline constexpr int32_t LabelSunkenBorder = 0x1000;   // label with a thin sunken border
inline constexpr int32_t LabelSunkenEdge = 0x20000;    // label with the sunken edge of a field
inline constexpr int32_t ButtonDefault = 0x1;          // default push button
inline constexpr int32_t ButtonMultiline = 0x2000;     // caption wraps onto several lines

// The editor that the editor operations without an id act on (control 0 of the main window).
inline constexpr int32_t MainEditorId = 0;

// The most characters the main editor holds (line breaks count one each).
inline constexpr int32_t EditorTextLimit = 1'000'000;

// ---- Layer lifetime -----------------------------------------------------------------------------
// Starts the layer before the first window opens. False when no window system can be reached
// (the desktop backend without a display); the program must not go on then.
bool start_window_layer(int& argc, char** argv);
// Closes every window and releases everything the layer holds.
void stop_window_layer();

// ---- Windows and events -------------------------------------------------------------------------
// Top-level window whose client area (below any menu bar) is width x height. A window already
// open under the same number is closed first. Placement: flag 1 centres on the screen, flag 2 on
// the active window; otherwise x and y are the top-left corner. Makes it the current window.
// Returns 0 when it cannot be created.
WindowHandle open_window(int32_t number, int32_t x, int32_t y, int32_t width, int32_t height,
                         std::string_view title, int32_t flags);
void close_window(int32_t number);
void use_window(int32_t number);
WindowHandle window_handle();  // of the current window

// Blocks until the next event and returns its kind.
int32_t wait_event();
int32_t event_window();  // number of the window of the last event, -1 when none of ours
int32_t event_id();      // menu item or control id of the last event
int32_t event_type();    // type of the last event, -1 when it has none

// ---- Controls (created in the current window, visible) ------------------------------------------
// Each returns the control's handle, or 0 when it cannot be created. All start with the default
// user-interface font.
ControlHandle create_text_field(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h,
                                std::string_view text, int32_t flags);
ControlHandle create_button(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h,
                            std::string_view text, int32_t flags);
ControlHandle create_label(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h,
                           std::string_view text, int32_t flags);
ControlHandle create_check_box(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h,
                               std::string_view text);
ControlHandle create_list_box(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h);
ControlHandle create_editor(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h);
ControlHandle create_image_button(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h,
                                  ImageHandle image);
ControlHandle create_progress_bar(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h,
                                  int32_t min, int32_t max);
ControlHandle create_tab_strip(int32_t id, int32_t x, int32_t y, int32_t w, int32_t h);
// Ends the tab pages so that later controls go into the window again.
void end_tab_pages();
void set_tooltip(int32_t id, std::string_view text);
void set_control_font(int32_t id, FontHandle font);
ControlHandle control_handle(int32_t id);

// ---- Control operations -------------------------------------------------------------------------
// Field, button, label: the window text (at most 32,000 bytes). List box: the selected item's text.
std::string get_control_text(int32_t id);
// Field, button, label: the window text. Editor: the whole text, CR LF, lone LF and lone CR each a
// line break; "" empties it. False when the editor would hold more than its limit (it keeps its
// text then).
bool set_control_text(int32_t id, std::string_view text);
// set_control_text for a string the caller gives up: an editor takes over its memory instead of
// copying a long text (a text over the limit may stay behind in the string).
bool set_control_text(int32_t id, std::string&& text);
inline bool set_control_text(int32_t id, const char* text) { return set_control_text(id, std::string_view(text)); }
// Field: shows a file name, given as the file system spells it (UTF-8 on Linux) rather than as
// Latin-1 text; get_control_text then gives those bytes back. False for any other control.
bool set_control_file_name(int32_t id, std::string_view path);
// List box: selected item (0-based, -1 none). Tab strip: selected tab. Progress bar: position.
// Check box: 1 checked, 0 not.
int32_t get_control_state(int32_t id);
void set_control_state(int32_t id, int32_t value);
// List box: insert at position (-1 appends). Tab strip: a tab at the end. Editor: the line model
// (append with -1, insert before an existing line otherwise). False when nothing was added.
bool add_item(int32_t id, int32_t position, std::string_view text);
void clear_items(int32_t id);
// List box: number of items. Editor: number of lines, 0 while it is empty and no line was added.
int32_t count_items(int32_t id);
// List box: item text. Editor: line text without its line break; "" past the last line.
std::string get_item_text(int32_t id, int32_t index);
// Editor: every line from 0 to count_items (the one past the last reads as ""), as get_item_text
// gives them, each followed by "\n": the whole text in one read, in time linear in its length.
// "" for a control that is no editor.
std::string get_editor_lines(int32_t id);
// Writes the n bytes at from, changed or as they are, into the n bytes at to (which may be from).
using ByteCopy = void (*)(char* to, const char* from, std::size_t n);
// get_editor_lines with every byte written through copy: the pass that reads the text out of the
// editor changes it too (lower-cases it, say), instead of a second pass over the copy.
std::string get_editor_lines(int32_t id, ByteCopy copy);
// List box: replace the item. Editor: replace the characters of the line, not its line break.
void set_item_text(int32_t id, int32_t index, std::string_view text);

// ---- The main editor (control 0) ----------------------------------------------------------------
void editor_undo();
void editor_redo();
void editor_cut();
void editor_copy();
void editor_paste();
void limit_editor_text(int32_t n);
// Selects from (line, column) to (end line, end column). Lines are 0-based and columns 1-based;
// end line -1 is the last line, end column -1 the end of the end line, and column 0 the line break
// before the line.
void select_editor_range(int32_t line, int32_t column, int32_t end_line, int32_t end_column);
// 1-based line of the start of the selection.
int32_t current_editor_line();
// Caret with an empty selection at column (1-based) of line (1-based). Line 0 is the caret's
// current line; a column beyond the line's length + 1 puts it at the line's start; column 0 just
// before the line's start.
void set_editor_caret(int32_t column, int32_t line);
// Gives the characters of the range (rules of select_editor_range) the colour, changing only their
// colour and leaving the user's selection as it was.
void colour_editor_range(int32_t line, int32_t column, int32_t end_line, int32_t end_column,
                         int32_t colour);
void set_editor_background(int32_t colour);

// ---- Menus --------------------------------------------------------------------------------------
// A new empty menu bar for the window; it becomes the current menu. False when it cannot be made.
bool create_menu_bar(int32_t number, WindowHandle window);
// A drop-down menu at the end of the current menu bar; it becomes the current menu.
void add_menu_title(std::string_view text);
void add_menu_item(int32_t id, std::string_view text);
void add_menu_separator();
// A new empty popup menu; it becomes the current menu. False when it cannot be made.
bool create_popup_menu(int32_t number);
// Shows the popup menu at the mouse pointer; the chosen item arrives later as a menu command.
void show_popup_menu(int32_t number, WindowHandle window);

// ---- Requesters (modal) -------------------------------------------------------------------------
int32_t show_message(std::string_view title, std::string_view text, int32_t buttons);
// The text entered, or "" when cancelled.
std::string ask_text(std::string_view title, std::string_view prompt, std::string_view default_text);
// filter: description and pattern pairs separated by "|"; filter_index: 0-based preselected pair.
// default_file is split at its last "\" or "/" into the initial folder and the initial name.
// Returns the full path chosen, or "" when cancelled.
std::string choose_open_file(std::string_view title, std::string_view default_file,
                             std::string_view filter, int32_t filter_index);
std::string choose_save_file(std::string_view title, std::string_view default_file,
                             std::string_view filter, int32_t filter_index);
int32_t chosen_filter();  // 0-based filter the user last left selected
// 1 when a font was chosen, 0 when cancelled.
int32_t choose_font(std::string_view face, int32_t size, int32_t flags);
std::string chosen_font_name();
int32_t chosen_font_size();   // whole points
int32_t chosen_font_style();  // style bits
// The chosen colour, or -1 when cancelled.
int32_t choose_colour();

// ---- Other services -----------------------------------------------------------------------------
// 0 when the font cannot be created: an empty face or one with control characters, a size
// outside 1 to MaxFontSize, or (desktop backend) a face the system has nothing for.
FontHandle load_font(int32_t number, std::string_view face, int32_t size, int32_t style);
// An image from BMP ("BM"), icon-file or XPM data; 0 when the data is none of these.
ImageHandle load_image_from_memory(int32_t number, const void* data, std::size_t size);
void clear_clipboard();
std::string clipboard_text();  // line breaks as CR LF; "" when there is none

}  // namespace tarvok
