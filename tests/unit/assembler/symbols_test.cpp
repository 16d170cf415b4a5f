#include <string>
#include <vector>

#include "runtime/window/script.h"
#include "tests/support/assembly_fixture.h"

namespace tarvok::testing {
namespace {

using SymbolsTest = AssemblyFixture;

struct VariableRow {
    const char* definition;
    const char* name;
    int32_t value;
    int32_t size;
    int32_t immediate;
};

TEST_F(SymbolsTest, VariablesTakeEveryNotation) {
    const VariableRow rows[] = {
        {"count = 10", "count", 10, 1, 0},
        {"count=$0a", "count", 10, 1, 0},
        {"count = %00001010", "count", 10, 1, 0},
        {"screen = $0400", "screen", 1024, 2, 0},
        {"big = $ffff", "big", 65535, 2, 0},
        {"flag = #5", "flag", 5, 1, 1},
        {"ptr = #$fb", "ptr", 251, 1, 1},
        {"x = 5 ; five", "x", 5, 1, 0},
        {"semi = \";\"", "semi", 59, 1, 0},          // a quoted semicolon keeps the comment cut away
        {"\tMixed\tCase = 7", "mixedcase", 7, 1, 0},  // tabs and blanks go, lines are lower-cased
        {"ch = \"a\"", "ch", 65, 1, 0},
        {"= 3", "", 3, 1, 0},                         // an empty name is a name too
    };
    for (const auto& row : rows) {
        assemble_quietly(std::string("*=$1000\n") + row.definition + "\n rts");
        EXPECT_EQ(ctx.error, 0) << row.definition << ": " << only_message();
        ASSERT_EQ(ctx.variables.size(), 1u) << row.definition;
        const VariableEntry& v = ctx.variables[0];
        EXPECT_EQ(v.name, row.name) << row.definition;
        EXPECT_EQ(v.value, row.value) << row.definition;
        EXPECT_EQ(v.size, row.size) << row.definition;
        EXPECT_EQ(v.immediate, row.immediate) << row.definition;
        EXPECT_EQ(v.line, 1) << row.definition;
    }
}

TEST_F(SymbolsTest, LinesThatOnlyLookLikeDefinitionsAreAssembled) {
    const struct {
        const char* line;
        const char* bytes;
    } rows[] = {
        {" lda #1 ;x=1", "A9 01 60"},
        {" cmp #\"=\"", "C9 3D 60"},
    };
    for (const auto& row : rows) {
        assemble_quietly(std::string("*=$1000\n") + row.line + "\n rts");
        EXPECT_TRUE(ctx.variables.empty()) << row.line;
        EXPECT_EQ(hex_bytes(bytes()), row.bytes) << row.line;
    }
}

TEST_F(SymbolsTest, VariableErrors) {
    assemble_quietly("*=$1000\nbig = 65536\nother = 1\n rts");
    EXPECT_EQ(only_message(), "Variable Value error.|Variable Value To Large,>65535,$ffff");
    EXPECT_EQ(ctx.variables.size(), 0u);  // the step ends at once

    // "a" is refused after the definition is recorded, and the step goes on.
    assemble_quietly("*=$1000\nA = 5\nb = 6\na = 7\n rts");
    ASSERT_EQ(message_log().size(), 3u);
    EXPECT_EQ(message_log()[0].text, "Please Don`t Use `a` as a Variable,only use with ASL A,Ect");
    EXPECT_EQ(message_log()[0].title, "Variable Error");
    EXPECT_EQ(message_log()[0].selected_line, -1);  // the line is selected after the box
    EXPECT_EQ(message_log()[1].selected_line, 1);
    EXPECT_EQ(message_log()[2].title, "Variable Error.");
    EXPECT_EQ(message_log()[2].text, "Double Defined Variable `a`At  Line No 3");
    EXPECT_EQ(message_log()[2].selected_line, 3);
    EXPECT_EQ(ctx.variables.size(), 3u);
}

TEST_F(SymbolsTest, ADoubleVariableIsReportedAtItsLastDefinition) {
    assemble_quietly("*=$1000\nq = 1\nr = 2\nr = 3\nq = 4\nq = 5\n rts");
    EXPECT_EQ(only_message(), "Variable Error.|Double Defined Variable `q`At  Line No 5");
    EXPECT_EQ(message_log()[0].selected_line, 5);
}

TEST_F(SymbolsTest, LabelsRecordTheirStatementNumberAndLine) {
    assemble_quietly("*=$1000\nvalue = 3\n\nstart lda #1\n ; comment\nloop dex\n bne loop\nend: rts\n");
    ASSERT_EQ(ctx.error, 0) << only_message();
    ASSERT_EQ(ctx.labels.size(), 3u);
    EXPECT_EQ(ctx.labels[0].name, "start");
    EXPECT_EQ(ctx.labels[0].ordinal, 0);
    EXPECT_EQ(ctx.labels[0].line, 3);
    EXPECT_EQ(ctx.labels[1].name, "loop");
    EXPECT_EQ(ctx.labels[1].ordinal, 1);
    EXPECT_EQ(ctx.labels[1].line, 5);
    EXPECT_EQ(ctx.labels[2].name, "end:");  // a colon is part of the name
    EXPECT_EQ(ctx.labels[2].ordinal, 3);
    EXPECT_EQ(ctx.labels[0].address, 0x1000);
    EXPECT_EQ(ctx.labels[1].address, 0x1002);
    EXPECT_EQ(ctx.labels[2].address, 0x1005);
    EXPECT_EQ(hex_bytes(bytes()), "A9 01 CA D0 FD 60");
}

TEST_F(SymbolsTest, LabelErrors) {
    const struct {
        const char* source;
        const char* message;
        int32_t selected;
    } rows[] = {
        {"*=$1000\nalone\n rts", "Lable Error.|Lable Is Not Marked against op or data value.", -1},
        {"*=$1000\nalone ;just a comment\n rts", "Lable Error.|Lable Is Not Marked against op or data value.", -1},
        {"*=$1000\n lad\n rts", "Lable Error.|Lable Is Not Marked against op or data value.", -1},
        {"*=$1000\n nop\nstart nop\n nop\n nop\n nop\n nop\nstart rts",
         "Label Error.|Double Defined  Label `start` At line No 2 And Line 7", 2},
        // The first label in definition order that comes again decides, not the first repeat.
        {"*=$1000\nx1 nop\ny1 nop\ny1 nop\nx1 nop\nx1 rts",
         "Label Error.|Double Defined  Label `x1` At line No 1 And Line 4", 1},
        {"*=$1000\nspot = 5\n nop\nspot rts", "Lable/Variable Error.|Label Defined As Variable `spot` At line No 3 And Line 1", 3},
        {"*=$1000\nSpot = 5\nSPOT rts", "Lable/Variable Error.|Label Defined As Variable `spot` At line No 2 And Line 1", 2},
    };
    for (const auto& row : rows) {
        assemble_quietly(row.source);
        EXPECT_EQ(only_message(), row.message) << row.source;
        ASSERT_FALSE(message_log().empty());
        EXPECT_EQ(message_log()[0].selected_line, row.selected) << row.source;
        EXPECT_EQ(ctx.error, 1);
    }
}

TEST_F(SymbolsTest, TheStartLineAndVariablesDoNotCountAsStatements) {
    assemble_quietly("*=$1000\nv = 1\n nop\n\nnext nop\n");
    ASSERT_EQ(ctx.labels.size(), 1u);
    EXPECT_EQ(ctx.labels[0].ordinal, 1);
}

}  // namespace
}  // namespace tarvok::testing
