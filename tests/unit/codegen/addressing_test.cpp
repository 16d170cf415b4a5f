#include <string>

#include "codegen/operands.h"
#include "runtime/window/script.h"
#include "tests/support/assembly_fixture.h"

namespace tarvok::testing {
namespace {

using AddressingTest = AssemblyFixture;

TEST_F(AddressingTest, OperandShapes) {
    const struct {
        const char* operand;
        int32_t mode;
        const char* stripped;
    } rows[] = {
        {"($fb),y", IndirectY, "$fb"},  {"($fb,x)", IndirectX, "$fb"},  {"$0010,y", AbsoluteY, "$0010"},
        {"$10,y", AbsoluteY, "$10"},    {"$00fb,x", AbsoluteX, "$00fb"}, {"$fb,x", AbsoluteX, "$fb"},
        {"a,x", ZeroPageIndexed, "a"},  {"#$10", Immediate, "$10"},     {"#$1234", Immediate, "$12"},
        {"($0314)", ZeroPage, "$0314"}, {"$1000", Absolute, "$1000"},   {"$10", ZeroPage, "$10"},
        {"$1", ZeroPage, "$1"},         {"(ptr)", ZeroPage, "ptr"},     {"label", Plain, "label"},
        {"#<label", Plain, "#label"},   {">label", Plain, "label"},     {"", Plain, ""},
        {" $1 0 ", ZeroPage, "$10"},    {"#\"<\"", Plain, "#\"<\""},
    };
    for (const auto& row : rows) {
        ctx.current_mode = -1;
        EXPECT_EQ(classify_operand_shape(ctx, row.operand, nullptr), row.stripped) << row.operand;
        EXPECT_EQ(ctx.current_mode, row.mode) << row.operand;
    }
}

struct EncodingRow {
    const char* lines;  // after the start address line
    const char* bytes;
};

TEST_F(AddressingTest, TheOperandDecidesTheOpcodeAndItsBytes) {
    const EncodingRow rows[] = {
        {" lda #$10", "A9 10"},
        {" lda 200", "A9 C8"}, {" lda #200", "A9 C8"}, {" lda 16", "A9 10"},
        {" lda 300", "AD 2C 01"}, {" lda #300", "AD 2C 01"},
        {" lda $fb", "A5 FB"}, {" lda $00fb", "AD FB 00"},
        {" lda $fb,x", "B5 FB"}, {" lda $00fb,x", "BD FB 00"}, {" lda $1234,x", "BD 34 12"},
        {" ldx $10,y", "B6 10"}, {" stx $10,y", "96 10"}, {" lda $0010,y", "B9 10 00"},
        {" lda ($fb),y", "B1 FB"}, {" lda ($fb,x)", "A1 FB"},
        {" jmp ($0314)", "6C 14 03"}, {" jmp $1000", "4C 00 10"}, {" jsr $ffd2", "20 D2 FF"},
        {" sta #$10", "85 10"}, {" inc #$10", "00 10"},
        {" asl a", "0A"}, {" asl", "0A"}, {" asl $10", "06 10"},
        {" bit $d011", "2C 11 D0"}, {" bit $fb", "24 FB"},
        {" sbc $1234", "ED 34 12"}, {" sbc #$01", "E9 01"},
        {" lda #%00001111", "A9 0F"}, {" lda %0000000100000000", "AD 00 01"},
        {" lda #\"a\"", "A9 41"}, {" lda #`a`", "A9 01"},
        {" lda #$1234", "A9 12 00"},                    // two digits after "#$", counted as two bytes
        {" lda 0", "A9 00"}, {" lda x0y", "A9 00"},    // a name with a "0" is the number 0
        {" lda #<$1234", "A9 34"}, {" lda #>$1234", "A9 12"}, {" lda <$1234", "A9 34"},
        // variables: without "#" they address zero page (below 256) or absolute; with "#" they are
        // immediate constants (below 256)
        {"zp = $fb\n lda zp", "A5 FB"}, {"zp = $fb\n lda zp,x", "B5 FB"}, {"zp = $fb\n lda (zp),y", "B1 FB"},
        {"vic = $d020\n sta vic", "8D 20 D0"}, {"vic = $d020\n sta vic,x", "9D 20 D0"},
        {"n = #8\n lda n", "A9 08"}, {"n = #$fb\n ldx n", "A2 FB"}, {"n = #$1234\n lda n", "A9 12"},
        {"v = $1234\n lda #<v", "A9 34"}, {"v = $1234\n lda #>v", "A9 12"}, {"v = $1234\n lda >v", "A9 12"},
        // labels are absolute; "<" and ">" select a byte of their address
        {" jmp there\nthere rts", "4C 03 10 60"}, {" jsr there\nthere rts", "20 03 10 60"},
        {" lda there\nthere rts", "AD 03 10 60"}, {" lda there,x\nthere rts", "BD 03 10 60"},
        {" lda there,y\nthere rts", "B9 03 10 60"}, {" lda #<there\nthere rts", "A9 02 60"},
        {" lda >there\nthere rts", "A9 10 60"}, {" jmp (there)\nthere rts", "6C 03 10 60"},
    };
    for (const auto& row : rows) {
        assemble_quietly(std::string("*=$1000\n") + row.lines);
        EXPECT_EQ(ctx.error, 0) << row.lines << ": " << only_message();
        EXPECT_EQ(hex_bytes(bytes()), row.bytes) << row.lines;
    }
}

TEST_F(AddressingTest, RefusedOperands) {
    const struct {
        const char* lines;
        const char* message;
        int32_t line;
    } rows[] = {
        {" nop\n lda $10,y", "Op Error.|Zero page,Y  only with Ldx/Stx", 2},
        {" lda ($1234),y", "Op Error.|Zero page Op,Maximum Value 255,$ff.($1234),y", 1},
        {" lda ($0100,x)", "Op Error.|Zero page Op,Maximum Value 255,$ff.($0100,x)", 1},
        {" nop\n lda misspelt", "Label/Variable Error.|Label Or Variable Not Found `misspelt`In Line 2    lda misspelt", 2},
        {" LDA Missing,X", "Label/Variable Error.|Label Or Variable Not Found `missing,x`In Line 1    LDA Missing,X", 1},
        {"count = 8\n lda #count*2", "Label/Variable Error.|Label Or Variable Not Found `#count`In Line 2    lda #count*2", 2},
    };
    for (const auto& row : rows) {
        assemble_quietly(std::string("*=$1000\n") + row.lines + "\n rts");
        EXPECT_EQ(only_message(), row.message) << row.lines;
        ASSERT_FALSE(message_log().empty());
        EXPECT_EQ(message_log()[0].selected_line, row.line) << row.lines;
        EXPECT_EQ(ctx.error, 1) << row.lines;
        EXPECT_TRUE(ctx.object_image.empty()) << row.lines;
    }
}

}  // namespace
}  // namespace tarvok::testing
