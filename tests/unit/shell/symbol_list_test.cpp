// The symbol list panel: refreshing the list from the tab strip and the refresh button, a clicked
// symbol's value and line, and the jump to a symbol's line on a double click.
#include <string>
#include <vector>

#include "shell/control_ids.h"
#include "shell/symbol_list.h"
#include "tests/unit/shell/shell_fixture.h"

namespace tarvok::testing {
namespace {

std::vector<std::string> list_items() {
    std::vector<std::string> items;
    for (int32_t i = 0; i < count_items(SymbolList); ++i) {
        items.push_back(get_item_text(SymbolList, i));
    }
    return items;
}

// ---- Refreshing the list ------------------------------------------------------------------------

enum class Refresh { TabClick, Button, NewSourceAfterButton, QuietNotSet };

struct RefreshRow {
    const char* name;
    std::string earlier_run;  // assembled by a refresh button press first ("" for no earlier run)
    std::string source;       // the editor text when the refresh is asked for
    int32_t tab;
    Refresh refresh;
    std::vector<std::string> items;
    const char* code_start;
    const char* code_start_hex;
    int32_t last_start = -1;  // when set: the code start the last run left behind
};

void PrintTo(const RefreshRow& row, std::ostream* out) { *out << row.name; }

class RefreshSymbolsTest : public ShellTest, public ::testing::WithParamInterface<RefreshRow> {};

TEST_P(RefreshSymbolsTest, ListsTheSelectedTable) {
    const RefreshRow& row = GetParam();
    start();
    if (!row.earlier_run.empty()) {
        set_control_text(SourceEditor, row.earlier_run);
        post_and_run(EventControl, MainWindow, RefreshButton);
        ASSERT_TRUE(message_log().empty());
    }
    set_control_text(SourceEditor, row.source);
    set_control_state(SymbolTabs, row.tab);
    if (row.last_start >= 0) {
        ctx.start_address = row.last_start;
    }
    switch (row.refresh) {
        case Refresh::TabClick:
            post_and_run(EventControl, MainWindow, SymbolTabs, EventTypeSingleClick);
            break;
        case Refresh::Button:
            post_and_run(EventControl, MainWindow, RefreshButton);
            break;
        case Refresh::NewSourceAfterButton:
            // A refresh that did not come from a control keeps the button's choice and assembles.
            ctx.quiet = 1;
            refresh_symbols(state, ctx);
            break;
        case Refresh::QuietNotSet:
            ctx.quiet = 0;
            refresh_symbols(state, ctx);
            break;
    }
    EXPECT_EQ(list_items(), row.items);
    EXPECT_EQ(get_control_text(CodeStartDecimal), row.code_start);
    EXPECT_EQ(get_control_text(CodeStartHex), row.code_start_hex);
    EXPECT_EQ(ctx.quiet, 0);
    EXPECT_TRUE(message_log().empty());
    EXPECT_EQ(editor_text(), row.source);
}

constexpr const char* Sprites = "*=$2000\nsprite=$07f8\ncount=3\n lda sprite\n";
constexpr const char* Loops = "*=$c000\nstart ldx #0\nloop inx\n bne loop\n rts\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, RefreshSymbolsTest,
    ::testing::Values(
        RefreshRow{"ButtonAssemblesAndListsVariables", "", Sprites, 0, Refresh::Button,
                   {"sprite", "count"}, "8192", "$2000"},
        RefreshRow{"ButtonListsLabels", "", Loops, 1, Refresh::Button, {"start", "loop"}, "49152",
                   "$C000"},
        RefreshRow{"NoVariables", "", Loops, 0, Refresh::Button, {"No Variables"}, "49152",
                   "$C000"},
        RefreshRow{"NoLables", "", Sprites, 1, Refresh::Button, {"No Lables"}, "8192", "$2000"},
        // A tab click shows the tables of the last run, not the text now in the editor.
        RefreshRow{"TabClickListsTheLastRunWithoutAssembling", Loops, Sprites, 1,
                   Refresh::TabClick, {"start", "loop"}, "49152", "$C000"},
        RefreshRow{"TabClickBeforeAnyRun", "", Sprites, 0, Refresh::TabClick, {"No Variables"},
                   "0", "$0000"},
        RefreshRow{"RefreshAfterTheButtonAssemblesToo", Loops, Sprites, 0,
                   Refresh::NewSourceAfterButton, {"sprite", "count"}, "8192", "$2000"},
        RefreshRow{"WithoutQuietNothingChanges", Sprites, Loops, 1, Refresh::QuietNotSet,
                   {"sprite", "count"}, "8192", "$2000"},
        // Only the first four of five hexadecimal digits fit the code start field.
        RefreshRow{"CodeStartWithFiveHexDigits", "", Sprites, 0, Refresh::TabClick,
                   {"No Variables"}, "74565", "$1234", 0x12345}),
    [](const ::testing::TestParamInfo<RefreshRow>& info) { return std::string(info.param.name); });

// ---- A single click: value and line -------------------------------------------------------------

struct ValueRow {
    const char* name;
    std::string source;
    int32_t tab;
    int32_t item;  // list item clicked, -1 for none selected
    const char* value;
    const char* line;
    std::vector<std::string> messages;  // what the quiet assembly of the refresh reported
};

void PrintTo(const ValueRow& row, std::ostream* out) { *out << row.name; }

class ShowSymbolValueTest : public ShellTest, public ::testing::WithParamInterface<ValueRow> {};

TEST_P(ShowSymbolValueTest, ShowsDecimalHexAndLine) {
    const ValueRow& row = GetParam();
    start();
    set_control_text(SourceEditor, row.source);
    set_control_state(SymbolTabs, row.tab);
    post_and_run(EventControl, MainWindow, RefreshButton);
    EXPECT_EQ(message_texts(), row.messages);
    set_control_text(SymbolValueField, "before");
    set_control_text(SymbolLineField, "before");
    // The value shown is the last run's: an edit since then changes nothing.
    set_control_text(SourceEditor, "\n\n" + row.source);
    set_control_state(SymbolList, row.item);
    post_and_run(EventControl, MainWindow, SymbolList, EventTypeSingleClick);
    EXPECT_EQ(get_control_text(SymbolValueField), row.value);
    EXPECT_EQ(get_control_text(SymbolLineField), row.line);
    EXPECT_EQ(state.symbol_list.selected_symbol,
              row.item < 0 ? "" : get_item_text(SymbolList, row.item));
    EXPECT_EQ(message_texts(), row.messages) << "a click runs no assembly";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ShowSymbolValueTest,
    ::testing::Values(
        ValueRow{"OneHexDigit", "*=$1000\nfive=5\nten=10\n", 0, 0, "5   $0005", "1", {}},
        ValueRow{"TwoHexDigits", "*=$1000\nfive=5\nten=$fe\n", 0, 1, "254   $00FE", "2", {}},
        ValueRow{"ThreeHexDigits", "*=$1000\n\nbig=$123\n", 0, 0, "291   $0123", "2", {}},
        ValueRow{"FourHexDigits", "*=$1000\nbase=4096\n", 0, 0, "4096   $1000", "1", {}},
        ValueRow{"LabelAddress", "*=$1000\n nop\nnext rts\n", 1, 0, "4097   $1001", "2", {}},
        ValueRow{"FiveHexDigitsStayWhole",
                 "*=$fff0\n byte 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18\nhigh rts\n", 1, 0,
                 "65538   $10002", "2", {}},
        // Both definitions stay in the table as far as the run got; the last one wins.
        ValueRow{"TwoEntriesOfOneNameShowTheLast", "*=$1000\nx=5\nx=7\n", 0, 0, "7   $0007", "2",
                 {"Double Defined Variable `x`At  Line No 2"}},
        ValueRow{"PlaceholderShowsNothing", "*=$1000\n rts\n", 0, 0, "before", "before", {}},
        ValueRow{"NoItemSelectedShowsNothing", "*=$1000\nv=1\n", 0, -1, "before", "before", {}}),
    [](const ::testing::TestParamInfo<ValueRow>& info) { return std::string(info.param.name); });

// ---- A double click: the symbol's line ----------------------------------------------------------


struct GotoRow {
    const char* name;
    std::string listed;   // the text the list was filled from
    std::string clicked;  // the text when the item is double-clicked
    int32_t tab;
    int32_t item;
    int32_t line;  // line selected afterwards, -1 when the selection must not move
    std::vector<std::string> messages;  // reported by the double click's quiet assembly
};

void PrintTo(const GotoRow& row, std::ostream* out) { *out << row.name; }

class GotoSymbolTest : public ShellTest, public ::testing::WithParamInterface<GotoRow> {};

TEST_P(GotoSymbolTest, AssemblesQuietlyThenSelectsTheLine) {
    const GotoRow& row = GetParam();
    start();
    set_control_text(SourceEditor, row.listed);
    set_control_state(SymbolTabs, row.tab);
    post_and_run(EventControl, MainWindow, RefreshButton);
    const std::vector<std::string> items = list_items();
    set_control_text(SourceEditor, row.clicked);
    set_editor_caret(1, 1);
    clear_logs();
    set_control_state(SymbolList, row.item);
    post_and_run(EventControl, MainWindow, SymbolList, EventTypeDoubleClick);

    EXPECT_EQ(message_texts(), row.messages);
    if (row.line < 0) {
        EXPECT_EQ(editor_selection().start, 0);
        EXPECT_EQ(editor_selection().end, 0);
    } else {
        EXPECT_EQ(selected_editor_line(), row.line);
    }
    EXPECT_EQ(list_items(), items) << "the list is not refilled";
    EXPECT_EQ(editor_text(), row.clicked);
}

constexpr const char* Lines = "*=$1000\ncolour=1\nborder=2\nstart lda colour\nloop jmp loop\n";

INSTANTIATE_TEST_SUITE_P(
    Rows, GotoSymbolTest,
    ::testing::Values(
        GotoRow{"Variable", Lines, Lines, 0, 1, 2, {}},
        GotoRow{"Label", Lines, Lines, 1, 1, 4, {}},
        // The quiet run brings the line numbers up to date with the text.
        GotoRow{"LinesMovedSinceTheList", Lines, std::string("\n\n") + Lines, 1, 0, 5, {}},
        GotoRow{"TwoEntriesEndOnTheLast", "*=$1000\nx=5\n\nx=7\n", "*=$1000\nx=5\n\nx=7\n", 0, 0,
                3, {"Double Defined Variable `x`At  Line No 3"}},
        // The source no longer assembles: the error box, then the symbol's line all the same.
        GotoRow{"SourceThatNoLongerAssembles", Lines,
                "*=$1000\ncolour=1\nborder=2\nstart lda colour\nloop jmp loop\n jmp nowhere\n", 0, 0, 1,
                {"Label Or Variable Not Found `nowhere`In Line 5    jmp nowhere"}},
        GotoRow{"SymbolGoneSinceTheList", Lines, "*=$1000\nborder=2\n", 0, 0, -1, {}},
        GotoRow{"Placeholder", "*=$1000\n", "*=$1000\n", 0, 0, -1, {}}),
    [](const ::testing::TestParamInfo<GotoRow>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tarvok::testing
