// Undo and redo, cut, copy and paste through the clipboard, and the editor's character limit.
#include "tests/contract/contract_fixture.h"

namespace tarvok::contract {
namespace {

enum class Action { Append, Insert, SetItem, Caret, Select, Type, Undo, Redo, SetText, Clear };

struct Act {
    Action action;
    int32_t a = 0;
    int32_t b = 0;
    const char* text = "";
};

void perform(const Act& act) {
    switch (act.action) {
        case Action::Append: EXPECT_TRUE(add_item(MainEditorId, -1, act.text)); break;
        case Action::Insert: EXPECT_TRUE(add_item(MainEditorId, act.a, act.text)); break;
        case Action::SetItem: set_item_text(MainEditorId, act.a, act.text); break;
        case Action::Caret: set_editor_caret(act.a, act.b); break;
        case Action::Select: select_editor_range(act.a, 1, act.b, -1); break;
        case Action::Type: EXPECT_TRUE(editor_type_text(act.text)); break;
        case Action::Undo: editor_undo(); break;
        case Action::Redo: editor_redo(); break;
        case Action::SetText: EXPECT_TRUE(set_control_text(MainEditorId, act.text)); break;
        case Action::Clear: clear_items(MainEditorId); break;
    }
}

class EditorEditing : public ContractTest {};

TEST_F(EditorEditing, UndoRedoRows) {
    struct Row {
        const char* what;
        const char* start;        // text set as a whole first
        std::vector<Act> acts;
        const char* result;       // editor_text afterwards
    };
    const Row rows[] = {
        {"undo an appended line", "a\nb", {{Action::Append, 0, 0, "c"}, {Action::Undo}}, "a\nb"},
        {"redo an appended line", "a\nb",
         {{Action::Append, 0, 0, "c"}, {Action::Undo}, {Action::Redo}}, "a\nb\nc"},
        {"undo an inserted line", "a\nb", {{Action::Insert, 0, 0, "x"}, {Action::Undo}}, "a\nb"},
        {"redo an inserted line", "a\nb",
         {{Action::Insert, 1, 0, "x"}, {Action::Undo}, {Action::Redo}}, "a\nx\nb"},
        {"undo a replaced line", "a\nb\nc", {{Action::SetItem, 1, 0, "xyz"}, {Action::Undo}},
         "a\nb\nc"},
        {"redo a replaced line", "a\nb\nc",
         {{Action::SetItem, 1, 0, "xyz"}, {Action::Undo}, {Action::Redo}}, "a\nxyz\nc"},
        {"undo typing", "lda", {{Action::Caret, 4, 1}, {Action::Type, 0, 0, " #1"}, {Action::Undo}},
         "lda"},
        {"redo typing", "lda",
         {{Action::Caret, 4, 1}, {Action::Type, 0, 0, " #1"}, {Action::Undo}, {Action::Redo}},
         "lda #1"},
        {"undo typing over a selection", "lda\nrts",
         {{Action::Select, 0, 0}, {Action::Type, 0, 0, "nop"}, {Action::Undo}}, "lda\nrts"},
        {"undo goes back one edit at a time", "a",
         {{Action::Append, 0, 0, "b"}, {Action::Append, 0, 0, "c"}, {Action::Undo}}, "a\nb"},
        {"undo twice", "a",
         {{Action::Append, 0, 0, "b"}, {Action::Append, 0, 0, "c"}, {Action::Undo}, {Action::Undo}},
         "a"},
        {"undo twice, redo once", "a",
         {{Action::Append, 0, 0, "b"}, {Action::SetItem, 0, 0, "z"}, {Action::Undo}, {Action::Undo},
          {Action::Redo}},
         "a\nb"},
        {"a new edit drops what could be redone", "a",
         {{Action::Append, 0, 0, "b"}, {Action::Undo}, {Action::Append, 0, 0, "c"}, {Action::Redo}},
         "a\nc"},
        {"setting the text as a whole cannot be undone", "a",
         {{Action::Append, 0, 0, "b"}, {Action::SetText, 0, 0, "z"}, {Action::Undo}}, "z"},
        {"clearing cannot be undone", "a",
         {{Action::Append, 0, 0, "b"}, {Action::Clear}, {Action::Undo}}, ""},
        {"undo with nothing done changes nothing", "abc", {{Action::Undo}}, "abc"},
        {"redo with nothing undone changes nothing", "abc",
         {{Action::Append, 0, 0, "d"}, {Action::Redo}}, "abc\nd"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        open_editor(row.start);
        for (const Act& act : row.acts) perform(act);
        EXPECT_EQ(editor_text(), row.result);
        close_window(0);
    }
}

TEST_F(EditorEditing, UndoKeepsTheLineModelInStep) {
    open_editor("lda #1\nrts");
    ASSERT_TRUE(add_item(MainEditorId, 1, "sta $d020"));
    ASSERT_EQ(count_items(MainEditorId), 3);
    editor_undo();
    EXPECT_EQ(count_items(MainEditorId), 2);
    EXPECT_EQ(get_item_text(MainEditorId, 1), "rts");
    editor_redo();
    EXPECT_EQ(get_item_text(MainEditorId, 1), "sta $d020");
    EXPECT_EQ(get_item_text(MainEditorId, 2), "rts");
}

TEST_F(EditorEditing, CopyPutsTheSelectionOnTheClipboardWithCrLf) {
    open_editor("lda #1\nsta $d020\nrts");
    clear_clipboard();
    select_editor_range(0, 1, 1, -1);
    editor_copy();
    EXPECT_EQ(clipboard_text(), "lda #1\r\nsta $d020");
    EXPECT_EQ(editor_text(), "lda #1\nsta $d020\nrts") << "copying leaves the text";
}

TEST_F(EditorEditing, CopyWithoutSelectionLeavesTheClipboard) {
    open_editor("lda #1");
    select_editor_range(0, 1, 0, 4);
    editor_copy();
    set_editor_caret(2, 1);
    editor_copy();
    EXPECT_EQ(clipboard_text(), "lda");
}

TEST_F(EditorEditing, CutRemovesTheSelectionAndUndoBringsItBack) {
    open_editor("lda #1\nrts");
    select_editor_range(0, 5, 0, -1);
    editor_cut();
    EXPECT_EQ(clipboard_text(), "#1");
    EXPECT_EQ(editor_text(), "lda \nrts");
    editor_undo();
    EXPECT_EQ(editor_text(), "lda #1\nrts");
}

TEST_F(EditorEditing, PasteAtTheCaretAndOverASelection) {
    open_editor("lda #1\nrts");
    select_editor_range(0, 5, 0, -1);
    editor_copy();
    set_editor_caret(1, 2);
    editor_paste();
    EXPECT_EQ(editor_text(), "lda #1\n#1rts");
    select_editor_range(1, 3, 1, -1);  // "rts"
    editor_paste();
    EXPECT_EQ(editor_text(), "lda #1\n#1#1");
    editor_undo();
    EXPECT_EQ(editor_text(), "lda #1\n#1rts");
}

TEST_F(EditorEditing, CopiedLinesPasteBackAsLines) {
    open_editor("lda #1\nsta $d020\nrts");
    select_editor_range(0, 1, 1, -1);
    editor_copy();
    set_editor_caret(4, 3);
    ASSERT_TRUE(editor_type_text("\r\n"));
    editor_paste();
    EXPECT_EQ(editor_text(), "lda #1\nsta $d020\nrts\nlda #1\nsta $d020");
    EXPECT_EQ(count_items(MainEditorId), 5);
    EXPECT_EQ(get_item_text(MainEditorId, 4), "sta $d020");
}

TEST_F(EditorEditing, PasteOfAnEmptyClipboardDoesNothing) {
    open_editor("lda #1");
    clear_clipboard();
    EXPECT_EQ(clipboard_text(), "");
    set_editor_caret(1, 1);
    editor_paste();
    EXPECT_EQ(editor_text(), "lda #1");
}

TEST_F(EditorEditing, CharacterLimitRows) {
    struct Row {
        const char* what;
        int32_t limit;
        const char* start;
        Action action;
        int32_t a, b;  // add_item index / set_item_text index; selection line range
        const char* text;
        bool accepted;
        const char* result;
    };
    const Row rows[] = {
        {"typing up to the limit", 10, "12345", Action::Type, 0, 0, "67890", true, "1234567890"},
        {"typing past the limit is refused whole", 10, "12345", Action::Type, 0, 0, "678901",
         false, "12345"},
        {"typing over a selection counts what it replaces", 6, "123456", Action::Select, 0, 0,
         "ab", true, "ab"},
        {"appending a line counts its line break", 10, "12345678", Action::Append, 0, 0, "a",
         true, "12345678\na"},
        {"appending past the limit is refused whole", 10, "12345678", Action::Append, 0, 0, "ab",
         false, "12345678"},
        {"inserting a line past the limit is refused whole", 10, "12345\n67", Action::Insert, 1, 0,
         "ab", false, "12345\n67"},
        {"inserting a line up to the limit", 10, "12345\n67", Action::Insert, 1, 0, "a", true,
         "12345\na\n67"},
        {"replacing a line past the limit is refused whole", 8, "abc\ndef", Action::SetItem, 0, 0,
         "abcde", false, "abc\ndef"},
        {"replacing a line up to the limit", 8, "abc\ndef", Action::SetItem, 0, 0, "abcd", true,
         "abcd\ndef"},
        {"setting the whole text past the limit is refused", 10, "123", Action::SetText, 0, 0,
         "1234567890x", false, "123"},
        {"setting the whole text up to the limit", 10, "123", Action::SetText, 0, 0, "123456789\r\n",
         true, "123456789\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        open_editor(row.start);
        limit_editor_text(row.limit);
        set_editor_caret(1, 99);  // at the end
        bool accepted = true;
        switch (row.action) {
            case Action::Type: accepted = editor_type_text(row.text); break;
            case Action::Select:
                select_editor_range(0, 1, 0, 3);
                accepted = editor_type_text(row.text);
                select_editor_range(0, 1, -1, -1);
                accepted = accepted && editor_type_text(row.text);
                break;
            case Action::Append: accepted = add_item(MainEditorId, -1, row.text); break;
            case Action::Insert: accepted = add_item(MainEditorId, row.a, row.text); break;
            case Action::SetItem:
                set_item_text(MainEditorId, row.a, row.text);
                accepted = editor_text() != row.start;
                break;
            case Action::SetText: accepted = set_control_text(MainEditorId, row.text); break;
            default: FAIL() << "no such limit row";
        }
        EXPECT_EQ(accepted, row.accepted);
        EXPECT_EQ(editor_text(), row.result);
        close_window(0);
    }
}

TEST_F(EditorEditing, PastePastTheLimitIsRefusedWhole) {
    open_editor("123456");
    select_editor_range(0, 1, 0, 3);  // "12"
    editor_copy();
    limit_editor_text(7);
    set_editor_caret(7, 1);
    editor_paste();
    EXPECT_EQ(editor_text(), "123456");
    select_editor_range(0, 5, 0, -1);  // "56" makes room
    editor_paste();
    EXPECT_EQ(editor_text(), "123412");
}

TEST_F(EditorEditing, TheDefaultLimitIsAMillionCharacters) {
    open_editor();
    std::string text;
    for (int32_t i = 0; i < 20'000; ++i) {
        if (i > 0) text += '\n';
        text += std::string(49, 'x');
    }
    text += 'y';
    ASSERT_EQ(text.size(), static_cast<std::size_t>(EditorTextLimit));
    EXPECT_FALSE(set_control_text(MainEditorId, text + "z"));
    EXPECT_EQ(editor_text(), "");
    ASSERT_TRUE(set_control_text(MainEditorId, text));
    EXPECT_EQ(count_items(MainEditorId), 20'000);
    set_editor_caret(1, 1);
    EXPECT_FALSE(editor_type_text("z"));
    EXPECT_FALSE(add_item(MainEditorId, -1, ""));
    EXPECT_EQ(get_item_text(MainEditorId, 0), std::string(49, 'x'));
    EXPECT_EQ(get_item_text(MainEditorId, 19'999), std::string(49, 'x') + "y");
}

}  // namespace
}  // namespace tarvok::contract
