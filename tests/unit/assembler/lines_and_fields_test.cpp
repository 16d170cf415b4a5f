#include <string>

#include "assembler/statement_pass.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"
#include "tests/support/assembly_fixture.h"

namespace tarvok::testing {
namespace {

using LinesTest = AssemblyFixture;

TEST(StripComment, CutsAtTheFirstSemicolonUnlessOneIsQuoted) {
    struct Row {
        const char* text;
        const char* expected;
    } rows[] = {
        {"lda #$01 ; load", "lda #$01 "},
        {"lda #$01", "lda #$01"},
        {";all comment", ""},
        {"a;b;c", "a"},
        {"text \";\" ; keeps all", "text \";\" ; keeps all"},
        {"cmp #\";\"", "cmp #\";\""},
        {"lda #1 ; one ; two \";\"", "lda #1 ; one ; two \";\""},  // quoted after the first
        {"\";\" x", "\";\" x"},
        {"lda #1 ; one ; two", "lda #1 "},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(strip_comment(row.text), row.expected) << row.text;
    }
}

TEST_F(LinesTest, LinesAreReadLowerCasedWithOneEmptyLineBeyondTheEnd) {
    assemble_quietly("*=$1000\nLDA #$FF\nRTS");
    ASSERT_EQ(ctx.line_count, 3);
    ASSERT_EQ(ctx.lines.size(), 4u);
    EXPECT_EQ(ctx.lines[1].text, "lda #$ff");
    EXPECT_EQ(ctx.lines[3].text, "");
    EXPECT_EQ(ctx.line_kind[3], Consumed);
    EXPECT_EQ(hex_bytes(bytes()), "A9 FF 60");
    // The editor keeps the user's capitals.
    EXPECT_EQ(get_item_text(MainEditorId, 1), "LDA #$FF");
}

TEST_F(LinesTest, AnEmptyEditorHasNoLinesButOneEmptySourceLine) {
    assemble_quietly("");
    EXPECT_EQ(ctx.line_count, 0);
    ASSERT_EQ(ctx.lines.size(), 1u);
    EXPECT_EQ(ctx.lines[0].text, "");
}

TEST_F(LinesTest, LinesAreClassifiedByStartAndAssignmentMarks) {
    assemble_quietly("*=$1000\ncount = 5\n lda #1 ;x=1\n rts ; *= here\n\n\t \n ;only comment\n nop");
    EXPECT_EQ(ctx.line_kind[0], StartLine);
    EXPECT_EQ(ctx.line_kind[1], Consumed);        // variable definition
    EXPECT_EQ(ctx.line_kind[2], Open);            // "=" only inside the comment: assembled
    EXPECT_EQ(ctx.line_kind[3], StartCandidate);  // "*=" in a comment: never assembled
    EXPECT_EQ(ctx.line_kind[4], Consumed);
    EXPECT_EQ(ctx.line_kind[5], Consumed);        // blanks and tabs only
    EXPECT_EQ(ctx.line_kind[6], Consumed);
    EXPECT_EQ(ctx.line_kind[7], Open);
    EXPECT_EQ(hex_bytes(bytes()), "A9 01 EA");    // the rts on line 3 is lost with its line
}

struct SourceBytes {
    const char* source;
    const char* bytes;
};

TEST_F(LinesTest, TheWordSplitDecidesWhatIsAssembled) {
    const SourceBytes rows[] = {
        {"*=$1000\n lda #$01 ; load", "A9 01"},
        {"*=$1000\nLDA #$FF", "A9 FF"},
        {"*=$1000\n lda\t#1\n rts", "60"},          // "lda#1" after tab removal is no word
        {"*=$1000\nstart lda #1", "A9 01"},         // label cut off
        {"*=$1000\nstart\tlda #1", "A9 01"},        // a tab between label and mnemonic
        {"*=$1000\n   \t  lda #1", "A9 01"},        // indented
        // Long lines lose their tabs sixteen bytes at a time: tabs late in a line, and in a row.
        {"*=$1000\nstart          lda      #1\t\t\n   \t  jmp  start\t ;a\tcomment\tlonger than\tsixteen",
         "A9 01 4C 00 10"},
        {"*=$1000\n                     byte 1,\t2,\t\t3,\t4,5,6,7,8,9,10,\t11,12,13,14,15,16,17,\t18",
         "01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F 10 11 12"},
        {"*=$1000\nstart foo 12\n rts", "60"},      // no table word after the label: no code
        {"*=$1000\nfoo 12\n rts", "60"},            // foo is a label, 12 no word
        {"*=$1000\n lad #1\n rts", "60"},           // misspelt mnemonic with operand: a label
        {"*=$1000\n asl a\n asl\n lsr A\n rol   a\n ror", "0A 0A 4A 2A 6A"},
        {"*=$1000\n brk\n nop", "00 EA"},
        // Without its tab the operand is a quoted ";": the line is cut again once tabs are gone.
        {"*=$1000\n cmp #\"\t;\"\n lda #1 ; one ; two \";\"\n rts", "C9 3B A9 01 60"},
    };
    for (const auto& row : rows) {
        assemble_quietly(row.source);
        EXPECT_EQ(ctx.error, 0) << row.source;
        EXPECT_EQ(hex_bytes(bytes()), row.bytes) << row.source;
        EXPECT_TRUE(message_log().empty()) << row.source << ": " << only_message();
    }
}

TEST_F(LinesTest, DataWordsAnywhereInTheOperandAreRefused) {
    struct Row {
        const char* line;
        const char* text;
    } rows[] = {
        {" lda textptr", "Please Don`t use `text` in OpAnd Field"},
        {" lda keyword", "Please Don`t use `word` in OpAnd Field"},
        {" jmp dbytes", "Please Don`t use `dbyte` in OpAnd Field"},
        {" jmp bytes", "Please Don`t use `byte` in OpAnd Field"},
        {" text \"my text\"", "Please Don`t use `text` in OpAnd Field"},
        {" text \"crossword\"", "Please Don`t use `word` in OpAnd Field"},
        {"foo lda bytebyte", "Please Don`t use `byte` in OpAnd Field"},
    };
    for (const auto& row : rows) {
        assemble_quietly(std::string("*=$1000\n nop\n") + row.line + "\n rts");
        EXPECT_EQ(ctx.error, 1) << row.line;
        ASSERT_EQ(message_log().size(), 1u) << row.line;
        EXPECT_EQ(message_log()[0].title, "OpAnd Error");
        EXPECT_EQ(message_log()[0].text, row.text);
        EXPECT_EQ(message_log()[0].selected_line, -1) << "the selection does not move";
    }
}

TEST_F(LinesTest, TheStatementPassStopsAtTheFirstErrorLine) {
    assemble_quietly("*=$1000\n nop\n lda %101\n lda %1\n rts");
    EXPECT_EQ(ctx.error, 1);
    ASSERT_EQ(message_log().size(), 1u);
    EXPECT_EQ(message_log()[0].selected_line, 2);
    EXPECT_EQ(ctx.statements.size(), 2u);  // nop and the refused lda; nothing after
}

}  // namespace
}  // namespace tarvok::testing
