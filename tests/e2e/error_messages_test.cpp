// Programs that stop with a message: the exact titles, texts and selected lines of every box the
// run shows, and no program file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/support/headless_assembly.h"

namespace tarvok::e2e {
namespace {

struct ErrorRow {
    const char* name;
    std::string source;
    // One "line|title|text" per box, in order; line is the 1-based line selected before the box,
    // "-" when the run selected none.
    std::vector<std::string> messages;
};

void PrintTo(const ErrorRow& row, std::ostream* os) { *os << row.name; }

std::string c000(const std::string& lines) { return "*=$c000\n" + lines; }

std::string nops(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) {
        s += " nop\n";
    }
    return s;
}

const std::string NoStart = "-|Error!|Start Address Error,Eg *=$0900";
const std::string DoubleStart = "|Start Address Error.|Double Definition of Start Address `*=` ";

const ErrorRow Rows[] = {
    // Start address.
    {"EmptySource", "", {NoStart}},
    {"NoStartLine", " rts", {NoStart}},
    {"StartFourDecimalDigits", "*=4096\n rts", {NoStart}},
    {"StartZero", "*=$0000\n rts", {NoStart}},
    {"StartTooHigh", "*=99999\n rts", {"-|Error!|Start Address To High"}},
    {"BlankInsideStartDirective", "* = $1000\n rts", {NoStart}},
    {"SecondStartLine", "*=$1000\n rts\n*=$2000", {"3" + DoubleStart}},
    {"MalformedThenSecond", "*=4096\n*=$2000\n rts", {NoStart, "2" + DoubleStart}},
    {"StartInLaterComment", "*=$1000\n rts ; *=$2000 would move it", {"2" + DoubleStart}},

    // Variables.
    {"VariableTooLarge", c000("big = 65536\n rts"), {"-|Variable Value error.|Variable Value To Large,>65535,$ffff"}},
    {"VariableNamedA", c000("A = 5\n rts"),
     {"-|Variable Error|Please Don`t Use `a` as a Variable,only use with ASL A,Ect"}},
    {"TwoVariablesNamedA", c000("A = 5\na = 6\n rts"),
     {"-|Variable Error|Please Don`t Use `a` as a Variable,only use with ASL A,Ect",
      "2|Variable Error|Please Don`t Use `a` as a Variable,only use with ASL A,Ect",
      "3|Variable Error.|Double Defined Variable `a`At  Line No 2"}},
    {"DoubleVariable", c000(" rts\n\nn = 1\n\n\n\n\n\nn = 2"),
     {"10|Variable Error.|Double Defined Variable `n`At  Line No 9"}},

    // Labels.
    {"LoneLabel", c000("alone\n rts"), {"-|Lable Error.|Lable Is Not Marked against op or data value."}},
    {"LabelAndComment", c000("alone ; just a label\n rts"),
     {"-|Lable Error.|Lable Is Not Marked against op or data value."}},
    {"MisspelledMnemonicAlone", c000(" lad\n rts"), {"-|Lable Error.|Lable Is Not Marked against op or data value."}},
    {"DoubleLabel", c000(" nop\nstart nop\n nop\n nop\n nop\n nop\nstart nop"),
     {"3|Label Error.|Double Defined  Label `start` At line No 2 And Line 7"}},
    {"LabelIsVariable", c000("x1 = 5\nx1 nop"),
     {"3|Lable/Variable Error.|Label Defined As Variable `x1` At line No 2 And Line 1"}},

    // Operand field words.
    {"OperandHoldsText", c000(" lda textptr"), {"-|OpAnd Error|Please Don`t use `text` in OpAnd Field"}},
    {"OperandHoldsWord", c000(" lda keyword"), {"-|OpAnd Error|Please Don`t use `word` in OpAnd Field"}},
    {"OperandHoldsDbyte", c000(" lda dbyte1"), {"-|OpAnd Error|Please Don`t use `dbyte` in OpAnd Field"}},
    {"OperandHoldsByte", c000(" lda abyte"), {"-|OpAnd Error|Please Don`t use `byte` in OpAnd Field"}},
    {"StringHoldsText", c000(" text \"my text\""), {"-|OpAnd Error|Please Don`t use `text` in OpAnd Field"}},
    {"StringHoldsWord", c000(" text \"crossword\""), {"-|OpAnd Error|Please Don`t use `word` in OpAnd Field"}},

    // Literals.
    {"BinaryOfThreeDigits", c000(" lda #%101"), {"2|Error.|Binary Number Error,Must Be 8 or 16 Digits."}},
    {"InvalidScreenCharacter", c000(" byte `\\"), {"2|Error.|Invaild Screen Char,I only do @-?,0-63"}},
    {"InvalidScreenUnderscore", c000(" nop\n text `a_b`"), {"3|Error.|Invaild Screen Char,I only do @-?,0-63"}},

    // Operands.
    {"UnknownName", c000(" lda foo"), {"2|Label/Variable Error.|Label Or Variable Not Found `foo`In Line 1    lda foo"}},
    {"DollarAlone", c000(" lda $"), {"2|Label/Variable Error.|Label Or Variable Not Found `$`In Line 1    lda $"}},
    {"UnknownNameEditorCase", c000("\tLDA Foo,X"),
     {"2|Label/Variable Error.|Label Or Variable Not Found `foo,x`In Line 1   \tLDA Foo,X"}},
    {"ZeroPageYNotForLda", c000(" lda $10,y"), {"2|Op Error.|Zero page,Y  only with Ldx/Stx"}},
    {"IndirectYBeyondZeroPage", c000(" lda ($1234),y"), {"2|Op Error.|Zero page Op,Maximum Value 255,$ff.($1234),y"}},
    {"IndirectXBeyondZeroPage", c000(" nop\n sta ($1234,x)"),
     {"3|Op Error.|Zero page Op,Maximum Value 255,$ff.($1234,x)"}},

    // Data.
    {"DirectiveWithoutData", c000(" byte"), {"2|Data Error.|No Data Values Found At Line Number `1`"}},
    {"HighByteOfSmallNumber", c000(" byte >$12"), {"2|Data Error.|< No Highbyte,Data  value Less than 256"}},

    // Branches.
    {"BackwardBranchOf127", c000("t nop\n" + nops(126) + " bne t"), {"129|Branch Error.|Branch Out Of Range  t"}},
    {"ForwardBranchOf128", c000(" bne t\n" + nops(126) + "t rts"), {"2|Branch Error.|Branch Out Of Range  t"}},
    {"BranchWithoutOperand", c000(" bne"), {"2|Branch Error.|Branch Out Of Range  -1"}},

    // Layout: 300-lab is 256 (three bytes) with lab at 44 and 255 (two bytes) with lab at 45.
    {"LayoutCannotSettle", "*=$002a\n lda 300-lab\nlab rts",
     {"2|Layout Error.|Op Size Never Settles,Its Label Moves With It `300-lab`"}},

    // Expressions.
    {"TwoOperators", c000(" lda 1+2+3"), {"-|Expression Error|Single Function,Single Type Only,Eg 1+5"}},
    {"OperatorAndMinus", c000(" lda 2*-1"), {"-|Expression Error|Single Function,Single Type Only,Eg 1+5"}},
    {"DivisionByZero", c000(" nop\n lda 10/0"), {"3|Expression Error|Division By Zero,Eg 10/2"}},

    // Output.
    {"NothingToSave", "*=$1000\n; nothing but a comment", {"-|Save Error|Nothing To Assemble/Save"}},
};

class ErrorMessages : public ::testing::TestWithParam<ErrorRow> {};

TEST_P(ErrorMessages, ShowExactlyTheseBoxesAndWriteNothing) {
    const ErrorRow& row = GetParam();
    const AssemblyRun run = assemble_source(row.source);
    EXPECT_EQ(message_rows(run.messages), row.messages) << "source:\n" << row.source;
    EXPECT_FALSE(run.written);
    EXPECT_TRUE(run.file.empty()) << hex_dump(run.file);
}

INSTANTIATE_TEST_SUITE_P(Rows, ErrorMessages, ::testing::ValuesIn(Rows),
                         [](const ::testing::TestParamInfo<ErrorRow>& info) { return std::string(info.param.name); });

TEST(ErrorMessages, ErrorLeavesCodeEndAndShowsCodeStart) {
    const AssemblyRun run = assemble_source(c000(" lda foo"));
    EXPECT_FALSE(run.written);
    EXPECT_EQ(run.code_start_hex, "$C000");
    // The code end field keeps what it showed before the run.
    EXPECT_EQ(run.code_end_hex, "$1000");
}

}  // namespace
}  // namespace tarvok::e2e
