#include <string>

#include "runtime/window/script.h"
#include "tests/support/assembly_fixture.h"

namespace tarvok::testing {
namespace {

using ExpressionTest = AssemblyFixture;

struct ExpressionRow {
    const char* lines;
    const char* bytes;
};

TEST_F(ExpressionTest, TwoTermsWithOneOperator) {
    const ExpressionRow rows[] = {
        {"table = $2000\n lda table+1", "AD 01 20"},
        {" lda tab+1\n rts\ntab nop", "AD 05 10 60 EA"},           // a label's address plus one
        {"count = #8\n lda count*2", "A9 10"},
        {"screen = $0400\n sta screen-1", "8D FF 03"},
        {"zp = $fb\n lda (zp+1),y", "B1 FC"},
        {" lda 10/3", "A9 03"},
        {"base = $00\n lda base+$ff", "A5 FF"},                      // right term <= 255: one byte
        {"base = $0100\n lda base+256", "AD 00 02"},
        {" lda tab+1,x\n rts\ntab nop", "BD 05 10 60 EA"},
        {"k = 2\n lda #$10+k", "A9 12"},
        {" lda $10+unknown", "A5 10"},                              // an unknown right term is 0
    };
    for (const auto& row : rows) {
        assemble_quietly(std::string("*=$1000\n") + row.lines);
        EXPECT_EQ(ctx.error, 0) << row.lines << ": " << only_message();
        EXPECT_EQ(hex_bytes(bytes()), row.bytes) << row.lines;
    }
}

TEST_F(ExpressionTest, OnlyOneOperatorCharacterIsAllowed) {
    for (const char* line : {" lda 1+2+3", " lda 2*-1", " lda 4/2-1"}) {
        assemble_quietly(std::string("*=$1000\n") + line);
        EXPECT_EQ(only_message(), "Expression Error|Single Function,Single Type Only,Eg 1+5") << line;
        EXPECT_EQ(message_log()[0].selected_line, -1);
        EXPECT_EQ(ctx.error, 1);
    }
}

TEST_F(ExpressionTest, DivisionByZeroStopsTheRun) {
    assemble_quietly("*=$1000\n nop\n lda 10/0\n rts");
    EXPECT_EQ(only_message(), "Expression Error|Division By Zero,Eg 10/2");
    EXPECT_EQ(message_log()[0].selected_line, 2);
    EXPECT_EQ(ctx.error, 1);
    EXPECT_TRUE(ctx.object_image.empty());
}

TEST_F(ExpressionTest, ResultsWrapInsteadOfOverflowing) {
    assemble_quietly("*=$1000\nbig = $ffff\n lda big*65535\n rts");
    ASSERT_EQ(ctx.error, 0) << only_message();
    ASSERT_FALSE(ctx.statements.empty());
    EXPECT_EQ(ctx.statements[0].value, static_cast<int32_t>(65535u * 65535u));
}

}  // namespace
}  // namespace tarvok::testing
