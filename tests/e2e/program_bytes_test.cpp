// Whole programs through the driver: source text in, PRG file bytes out.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/support/headless_assembly.h"

namespace tarvok::e2e {
namespace {

struct BytesRow {
    const char* name;
    std::string source;
    std::string expected;  // the whole PRG file
};

void PrintTo(const BytesRow& row, std::ostream* os) { *os << row.name; }

std::string c000(const std::string& lines) { return "*=$c000\n" + lines; }

const BytesRow Rows[] = {
    // Addressing modes and the instruction table.
    {"ImmediateHex", c000(" lda #$10"), prg(0xC000, {0xA9, 0x10})},
    {"UpperCaseSource", c000(" LDA #$FF"), prg(0xC000, {0xA9, 0xFF})},
    {"SmallDecimalIsImmediate", c000(" lda 16"), prg(0xC000, {0xA9, 0x10})},
    {"DecimalWithHash", c000(" lda #200"), prg(0xC000, {0xA9, 0xC8})},
    {"DecimalWithoutHash", c000(" lda 200"), prg(0xC000, {0xA9, 0xC8})},
    {"LargeDecimalIsAbsolute", c000(" lda 300"), prg(0xC000, {0xAD, 0x2C, 0x01})},
    {"LargeDecimalWithHashIsAbsolute", c000(" lda #300"), prg(0xC000, {0xAD, 0x2C, 0x01})},
    {"TwoHexDigitsZeroPage", c000(" lda $fb"), prg(0xC000, {0xA5, 0xFB})},
    {"FourHexDigitsAbsolute", c000(" lda $00fb"), prg(0xC000, {0xAD, 0xFB, 0x00})},
    {"ZeroPageX", c000(" lda $fb,x"), prg(0xC000, {0xB5, 0xFB})},
    {"AbsoluteXOfSmallValue", c000(" lda $00fb,x"), prg(0xC000, {0xBD, 0xFB, 0x00})},
    {"LdxZeroPageY", c000(" ldx $10,y"), prg(0xC000, {0xB6, 0x10})},
    {"StxZeroPageY", c000(" stx $10,y"), prg(0xC000, {0x96, 0x10})},
    {"LdxAbsoluteY", c000(" ldx $0010,y"), prg(0xC000, {0xBE, 0x10, 0x00})},
    {"LdaAbsoluteY", c000(" lda $0010,y"), prg(0xC000, {0xB9, 0x10, 0x00})},
    {"StyZeroPageX", c000(" sty $10,x"), prg(0xC000, {0x94, 0x10})},
    {"IndirectY", c000(" lda ($fb),y"), prg(0xC000, {0xB1, 0xFB})},
    {"IndirectX", c000(" lda ($fb,x)"), prg(0xC000, {0xA1, 0xFB})},
    {"JmpIndirect", c000(" jmp ($0314)"), prg(0xC000, {0x6C, 0x14, 0x03})},
    {"JmpIndirect1000", c000(" jmp ($1000)"), prg(0xC000, {0x6C, 0x00, 0x10})},
    {"JmpAbsolute", c000(" jmp $1000"), prg(0xC000, {0x4C, 0x00, 0x10})},
    {"JsrAbsolute", c000(" jsr $ffd2"), prg(0xC000, {0x20, 0xD2, 0xFF})},
    {"StaImmediateFallsBackToZeroPage", c000(" sta #$10"), prg(0xC000, {0x85, 0x10})},
    {"IncImmediateHasNoOpcode", c000(" inc #$10"), prg(0xC000, {0x00, 0x10})},
    {"AslAccumulator", c000(" asl a"), prg(0xC000, {0x0A})},
    {"AslAccumulatorUpper", c000(" ASL A"), prg(0xC000, {0x0A})},
    {"AslImplied", c000(" asl"), prg(0xC000, {0x0A})},
    {"AslZeroPage", c000(" asl $10"), prg(0xC000, {0x06, 0x10})},
    {"RorAccumulator", c000(" ror a\n rol\n lsr a"), prg(0xC000, {0x6A, 0x2A, 0x4A})},
    {"Brk", c000(" brk"), prg(0xC000, {0x00})},
    {"BitAbsolute", c000(" bit $d011"), prg(0xC000, {0x2C, 0x11, 0xD0})},
    {"BitZeroPage", c000(" bit $fb"), prg(0xC000, {0x24, 0xFB})},
    {"SbcAbsolute", c000(" sbc $1234\n sbc #$01"), prg(0xC000, {0xED, 0x34, 0x12, 0xE9, 0x01})},
    {"ImpliedRun", c000(" clc\n sei\n pha\n pla\n tax\n txs\n rts\n rti\n nop"),
     prg(0xC000, {0x18, 0x78, 0x48, 0x68, 0xAA, 0x9A, 0x60, 0x40, 0xEA})},
    {"CpxCpy", c000(" cpx #$01\n cpy $02\n cpx $0300"), prg(0xC000, {0xE0, 0x01, 0xC4, 0x02, 0xEC, 0x00, 0x03})},
    {"IncDecIndexed", c000(" inc $10,x\n dec $1000,x"), prg(0xC000, {0xF6, 0x10, 0xDE, 0x00, 0x10})},
    {"StaAbsoluteY", c000(" sta $0400,y"), prg(0xC000, {0x99, 0x00, 0x04})},
    {"OneHexDigitZeroPage", c000(" lda $f"), prg(0xC000, {0xA5, 0x0F})},

    // Literals as operands and data.
    // Only two digits after "#$" make the value, but all four count for the operand's size.
    {"HashDollarTakesTwoDigits", c000(" lda #$1234"), prg(0xC000, {0xA9, 0x12, 0x00})},
    {"HashDollarOneDigit", c000(" lda #$f"), prg(0xC000, {0xA9, 0x0F})},
    {"HashDecimal", c000(" lda #10"), prg(0xC000, {0xA9, 0x0A})},
    {"HashBinary", c000(" lda #%00001111"), prg(0xC000, {0xA9, 0x0F})},
    {"HashQuotedLetter", c000(" lda #\"a\""), prg(0xC000, {0xA9, 0x41})},
    {"QuotedLatin1Letter", c000(" lda #\"\xC4\""), prg(0xC000, {0xA9, 0xC4})},
    {"DataHexDigitsBeyondFour", c000(" byte $12345"), prg(0xC000, {0x12})},
    {"DataBinary", c000(" byte %10000001\n dbyte %0000000100000000"), prg(0xC000, {0x81, 0x00, 0x01})},
    {"DataFiveDecimalDigits", c000(" byte 123456"), prg(0xC000, {0x30})},
    {"DataMinusIsZero", c000(" byte -5"), prg(0xC000, {0x00})},
    {"DataQuotedPound", c000(" byte \"\xA3\""), prg(0xC000, {0x5C})},
    {"DataStrayHexCharacter", c000(" byte $g000"), prg(0xC000, {0x70})},
    {"DataScreenCodes", c000(" byte `@,`a,`[,`\xA3,`],`^,`1,`?,``"),
     prg(0xC000, {0x00, 0x01, 0x1B, 0x1C, 0x1D, 0x1E, 0x31, 0x3F, 0x27})},

    // Data directives.
    {"ByteList", c000(" byte 1,2,$ff"), prg(0xC000, {0x01, 0x02, 0xFF})},
    {"ByteLargeNumberGivesHighByte", c000(" byte $1234"), prg(0xC000, {0x12})},
    {"ByteEmptyFieldIsZero", c000(" byte 1,,2"), prg(0xC000, {0x01, 0x00, 0x02})},
    {"ByteBlanksBetweenFields", c000(" byte 1, 2 , 3"), prg(0xC000, {0x01, 0x02, 0x03})},
    {"WordHighByteFirst", c000(" word $1234"), prg(0xC000, {0x12, 0x34})},
    {"WordSmallNumber", c000(" word $12"), prg(0xC000, {0x00, 0x12})},
    {"WordLowByteSelected", c000(" word <$1234"), prg(0xC000, {0x34})},
    {"DbyteLowByteFirst", c000(" dbyte $1234"), prg(0xC000, {0x34, 0x12})},
    {"DbyteHighByteSelected", c000(" dbyte >$1234"), prg(0xC000, {0x12, 0x00})},
    {"ByteSelections", c000(" byte <$1234,>$1234"), prg(0xC000, {0x34, 0x12})},
    {"DataLabelForms", "*=$c010\nlab byte <lab,>lab,lab\n word lab\n dbyte lab",
     prg(0xC010, {0x10, 0xC0, 0xC0, 0x10, 0xC0, 0xC0, 0x10})},
    {"DataVariable", c000("v = 7\n byte v\n word v\n dbyte v"), prg(0xC000, {0x07, 0x00, 0x07, 0x07, 0x00})},
    {"DataVariableSelections", c000("v = $1234\n byte <v,>v"), prg(0xC000, {0x34, 0x12})},
    {"TextCharacterCodes", c000(" text \"ab c\""), prg(0xC000, {0x41, 0x42, 0x20, 0x43})},
    {"TextScreenCodes", c000(" text `hello`"), prg(0xC000, {0x08, 0x05, 0x0C, 0x0C, 0x0F})},
    {"TextQuotedSemicolonKeepsComment", c000(" text \";\""), prg(0xC000, {0x3B})},
    // The string runs to the character before the last one of the line, so blanks before a
    // comment join it, and a semicolon inside the string starts a comment.
    {"TextCommentAfterOneBlank", c000(" text \"ab\" ;c"), prg(0xC000, {0x41, 0x42})},
    {"TextCommentAfterTwoBlanks", c000(" text \"ab\"  ;c"), prg(0xC000, {0x41, 0x42, 0x20})},
    {"TextSemicolonInsideString", c000(" text \"a;b\"\n rts"), prg(0xC000, {0x60})},
    {"QuotedBlanks", c000(" byte \" \",\"a\"\n text \" \"\n word \"a\""),
     prg(0xC000, {0x20, 0x41, 0x20, 0x00, 0x41})},
    {"DataBeyondSixteenBits", c000(" byte 256\n word 65535\n dbyte 65536"), prg(0xC000, {0x01, 0xFF, 0xFF, 0x00, 0x00})},

    // Source lines and fields.
    {"CommentCut", c000(" lda #$01 ; load"), prg(0xC000, {0xA9, 0x01})},
    {"BlankAndCommentLines", c000("\n   \n\t\n; note\n   ; indented note\n rts"), prg(0xC000, {0x60})},
    {"TabAfterMnemonicJoinsWords", c000(" lda\t#1\n rts"), prg(0xC000, {0x60})},
    {"TabBeforeMnemonic", c000("\tlda #1"), prg(0xC000, {0xA9, 0x01})},
    {"LabelThenTab", c000("loop\tdex\n bne loop"), prg(0xC000, {0xCA, 0xD0, 0xFD})},
    {"UnknownWordAfterLabelGivesNoCode", c000("start foo 12\n rts"), prg(0xC000, {0x60})},
    {"UnknownFirstWordIsLabel", c000("foo 12\n rts"), prg(0xC000, {0x60})},
    {"MisspelledMnemonicIsLabel", c000("lad #1\n rts"), prg(0xC000, {0x60})},
    {"LabelWithColon", c000("start: lda #1\n jmp start:"), prg(0xC000, {0xA9, 0x01, 0x4C, 0x00, 0xC0})},
    {"LabelsIgnoreCase", c000("Loop dex\n bne LOOP"), prg(0xC000, {0xCA, 0xD0, 0xFD})},
    {"IndentedLabel", c000("   here nop\n jmp here"), prg(0xC000, {0xEA, 0x4C, 0x00, 0xC0})},

    // Start address.
    {"StartWithBlanks", "*= $1000\n rts", prg(0x1000, {0x60})},
    {"StartFiveDecimalDigits", "*=49152\n rts", prg(0xC000, {0x60})},
    {"StartFourDigitsAndComment", "*=4096;start\n rts", prg(0x1000, {0x60})},
    {"StartWithTrailingComment", "*=$0801 ;basic start\n rts", prg(0x0801, {0x60})},
    {"StartNotOnFirstLine", "; a program\n\n*=$2000\n rts", prg(0x2000, {0x60})},

    // Variables.
    {"ZeroPageVariable", c000("count = 10\n lda count"), prg(0xC000, {0xA5, 0x0A})},
    {"VariableHexNoBlanks", c000("count=$0a\n lda count"), prg(0xC000, {0xA5, 0x0A})},
    {"VariableBinary", c000("count = %00001010\n lda count"), prg(0xC000, {0xA5, 0x0A})},
    {"AbsoluteVariable", c000("screen = $0400\n sta screen"), prg(0xC000, {0x8D, 0x00, 0x04})},
    {"LargestVariable", c000("big = $ffff\n lda big"), prg(0xC000, {0xAD, 0xFF, 0xFF})},
    {"ImmediateVariable", c000("flag = #5\n lda flag"), prg(0xC000, {0xA9, 0x05})},
    {"ImmediateHexVariable", c000("ptr = #$fb\n lda ptr"), prg(0xC000, {0xA9, 0xFB})},
    {"VariableWithComment", c000("x = 5 ; five\n lda x"), prg(0xC000, {0xA5, 0x05})},
    {"VariableQuotedSemicolon", c000("semi = \";\"\n byte semi"), prg(0xC000, {0x3B})},
    {"EqualsInCommentIsNoDefinition", c000(" lda #1 ;x=1"), prg(0xC000, {0xA9, 0x01})},
    {"QuotedEqualsIsNoDefinition", c000(" cmp #\"=\""), prg(0xC000, {0xC9, 0x3D})},
    {"VariableLowAndHighByte", c000("v = $1234\n lda <v\n lda >v"), prg(0xC000, {0xA9, 0x34, 0xA9, 0x12})},
    {"VariableDefinedAfterUse", c000(" lda late\nlate = $fb"), prg(0xC000, {0xA5, 0xFB})},
    {"ZeroPageVariableIndexed", c000("zp = $fb\n lda zp,x\n ldx zp,y\n lda (zp),y\n lda (zp,x)"),
     prg(0xC000, {0xB5, 0xFB, 0xB6, 0xFB, 0xB1, 0xFB, 0xA1, 0xFB})},
    {"AbsoluteVariableIndexed", c000("scr = $0400\n sta scr,x\n sta scr,y\n jmp (scr)"),
     prg(0xC000, {0x9D, 0x00, 0x04, 0x99, 0x00, 0x04, 0x6C, 0x00, 0x04})},

    // Labels and layout.
    {"LabelAfterTwoByteStatement", c000(" lda #$00\nl rts\n jmp l"), prg(0xC000, {0xA9, 0x00, 0x60, 0x4C, 0x02, 0xC0})},
    {"LabelAfterFourDigitOperand", c000(" lda $00fb\nl rts\n jmp l"),
     prg(0xC000, {0xAD, 0xFB, 0x00, 0x60, 0x4C, 0x03, 0xC0})},
    {"ForwardLabel", c000(" jmp end\n nop\nend rts"), prg(0xC000, {0x4C, 0x04, 0xC0, 0xEA, 0x60})},
    {"BitLabelIsAbsolute", c000("l bit l"), prg(0xC000, {0x2C, 0x00, 0xC0})},
    {"LabelLowHighImmediate", c000("l lda <l\n lda #<l\n lda >l\n lda #>l"),
     prg(0xC000, {0xA9, 0x00, 0xA9, 0x00, 0xA9, 0xC0, 0xA9, 0xC0})},
    {"LabelIndexed", c000("t lda t,x\n lda t,y\n ldx t,y"),
     prg(0xC000, {0xBD, 0x00, 0xC0, 0xB9, 0x00, 0xC0, 0xBE, 0x00, 0xC0})},
    {"LabelOnDataLine", c000(" lda tab\ntab byte 9"), prg(0xC000, {0xAD, 0x03, 0xC0, 0x09})},
    {"ForwardLabelInDataAndIndexed", c000(" word fwd\n byte >fwd,<fwd,fwd\n dbyte fwd\n lda fwd,x\nfwd rts"),
     prg(0xC000, {0x0A, 0xC0, 0xC0, 0x0A, 0xC0, 0xC0, 0x0A, 0xBD, 0x0A, 0xC0, 0x60})},
    // A label below 256 is a one-byte value: immediate for lda, and jmp takes one address byte.
    {"LabelBelow256", "*=$0010\nl lda l\n jmp l\n byte l", prg(0x0010, {0xA9, 0x10, 0x4C, 0x10, 0x10})},
    {"NameWithZeroIsNumberZero", c000(" lda foo0"), prg(0xC000, {0xA9, 0x00})},

    // Expressions.
    {"LabelPlusOne", "*=$2000\ntable byte 1\n lda table+1", prg(0x2000, {0x01, 0xAD, 0x01, 0x20})},
    {"VariableMinusOne", c000("screen = $0400\n sta screen-1"), prg(0xC000, {0x8D, 0xFF, 0x03})},
    {"ExpressionInIndirect", c000("zp = $fb\n lda (zp+1),y"), prg(0xC000, {0xB1, 0xFC})},
    {"Division", c000(" lda 10/3"), prg(0xC000, {0xA9, 0x03})},
    {"Multiplication", c000(" lda 4*5"), prg(0xC000, {0xA9, 0x14})},
    {"LabelPlusIndexed", c000("t lda t+2,x"), prg(0xC000, {0xBD, 0x02, 0xC0})},

    // Branches.
    {"BranchToItself", c000("t bne t"), prg(0xC000, {0xD0, 0xFE})},
    {"BranchToNextStatement", c000(" beq t\nt rts"), prg(0xC000, {0xF0, 0x00, 0x60})},
    {"BranchBackTwo", c000("t nop\n nop\n bcc t"), prg(0xC000, {0xEA, 0xEA, 0x90, 0xFC})},
    {"BranchToHexAddress", "*=$c010\n bne $c010", prg(0xC010, {0xD0, 0xFE})},
    {"AllBranchOpcodes", c000("t bcc t\n bcs t\n beq t\n bmi t\n bne t\n bpl t\n bvc t\n bvs t"),
     prg(0xC000, {0x90, 0xFE, 0xB0, 0xFC, 0xF0, 0xFA, 0x30, 0xF8, 0xD0, 0xF6, 0x10, 0xF4, 0x50, 0xF2, 0x70, 0xF0})},
};

class ProgramBytes : public ::testing::TestWithParam<BytesRow> {};

TEST_P(ProgramBytes, AssembleToThePrgFile) {
    const BytesRow& row = GetParam();
    const AssemblyRun run = assemble_source(row.source);
    EXPECT_TRUE(run.written) << "messages: " << ::testing::PrintToString(message_rows(run.messages));
    EXPECT_EQ(hex_dump(run.file), hex_dump(row.expected)) << "source:\n" << row.source;
    EXPECT_TRUE(run.messages.empty()) << ::testing::PrintToString(message_rows(run.messages));
}

INSTANTIATE_TEST_SUITE_P(Rows, ProgramBytes, ::testing::ValuesIn(Rows),
                         [](const ::testing::TestParamInfo<BytesRow>& info) { return std::string(info.param.name); });

// Branch limits need long runs of single-byte statements between branch and target.
std::string nops(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) {
        s += " nop\n";
    }
    return s;
}

std::string with_nops(std::initializer_list<int> head, int count, std::initializer_list<int> tail) {
    std::string s = bytes(head);
    s += std::string(static_cast<std::size_t>(count), '\xEA');
    return s + bytes(tail);
}

TEST(BranchLimits, BackwardBranchOf126BytesIsAccepted) {
    // t at $C000, 126 single bytes, the branch at $C07E.
    const AssemblyRun run = assemble_source(c000("t nop\n" + nops(125) + " bne t"));
    ASSERT_TRUE(run.written) << ::testing::PrintToString(message_rows(run.messages));
    EXPECT_EQ(hex_dump(run.file), hex_dump(bytes({0x00, 0xC0}) + with_nops({}, 126, {0xD0, 0x80})));
}

TEST(BranchLimits, ForwardBranchOf127BytesIsAccepted) {
    // The branch at $C000, 125 single bytes, t at $C07F.
    const AssemblyRun run = assemble_source(c000(" bne t\n" + nops(125) + "t rts"));
    ASSERT_TRUE(run.written) << ::testing::PrintToString(message_rows(run.messages));
    EXPECT_EQ(hex_dump(run.file), hex_dump(bytes({0x00, 0xC0, 0xD0, 0x7D}) + with_nops({}, 125, {0x60})));
}

TEST(PrgFile, ThreeBytesAt1000) {
    const AssemblyRun run = assemble_source("*=$1000\n lda #1\n rts\n");
    ASSERT_TRUE(run.written);
    EXPECT_EQ(hex_dump(run.file), "00 10 A9 01 60");
    EXPECT_EQ(run.code_start_hex, "$1000");
    EXPECT_EQ(run.code_end_hex, "$1003");
}

TEST(PrgFile, LineBreaksOfEveryKind) {
    // CR LF, a lone CR and a lone LF all end a line.
    const AssemblyRun run = assemble_source("*=$c000\r\n lda #1\r sta $d020\n rts");
    ASSERT_TRUE(run.written);
    EXPECT_EQ(hex_dump(run.file), "00 C0 A9 01 8D 20 D0 60");
}

TEST(PrgFile, CancelledSaveWritesNothing) {
    RunSettings settings;
    settings.cancel_save = true;
    const AssemblyRun run = assemble_source("*=$c000\n rts", settings);
    EXPECT_FALSE(run.written);
    EXPECT_TRUE(run.file.empty());
    ASSERT_EQ(run.requesters.size(), 1u);
    EXPECT_EQ(run.requesters[0].title, "Save Assembled Prg File");
}

TEST(PrgFile, TwoRunsOverTheSameTextGiveTheSameFile) {
    const std::string source = c000("v = $fb\nl lda v\n bne l\n word l");
    const AssemblyRun first = assemble_source(source);
    const AssemblyRun second = assemble_source(source);
    ASSERT_TRUE(first.written);
    EXPECT_EQ(hex_dump(first.file), hex_dump(second.file));
    EXPECT_EQ(hex_dump(first.file), "00 C0 A5 FB D0 FC 00 C0");
}

}  // namespace
}  // namespace tarvok::e2e
