#include <string>

#include "codegen/branches.h"
#include "runtime/window/script.h"
#include "tests/support/assembly_fixture.h"

namespace tarvok::testing {
namespace {

using BranchTest = AssemblyFixture;

std::string nops(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) {
        s += " nop\n";
    }
    return s;
}

TEST(BranchWords, EveryBranchAndNothingElse) {
    for (const char* word : {"bcc", "bcs", "beq", "bmi", "bne", "bpl", "bvc", "bvs"}) {
        EXPECT_TRUE(is_branch(word)) << word;
    }
    for (const char* word : {"bit", "brk", "sbc", "lda", "data", "jmp"}) {
        EXPECT_FALSE(is_branch(word)) << word;
    }
}

TEST(BranchWords, RecordRowAgreesWithItsWordForEveryRow) {
    // Every row a record can hold: the 60 table rows, the data byte's -1 and no word at all.
    for (int row = -128; row < MnemonicCount; ++row) {
        StatementEntry rec;
        rec.row = static_cast<int8_t>(row);
        EXPECT_EQ(is_branch_record(rec), is_branch(rec.mnemonic())) << row;
    }
}

TEST_F(BranchTest, BackwardLimitIs126BytesFromTheBranchItself) {
    // target, then 126 - 1 bytes of nops... the branch is 126 bytes after its target
    assemble_quietly("*=$1000\ntarget nop\n" + nops(125) + " bne target");
    ASSERT_EQ(ctx.error, 0) << only_message();
    EXPECT_EQ(hex_bytes(bytes()).substr(126 * 3), "D0 80");

    assemble_quietly("*=$1000\ntarget nop\n" + nops(126) + " bne target");
    EXPECT_EQ(only_message(), "Branch Error.|Branch Out Of Range  target");
    EXPECT_EQ(message_log()[0].selected_line, 128);
}

TEST_F(BranchTest, ForwardLimitIs127BytesFromTheBranchItself) {
    assemble_quietly("*=$1000\n bne target\n" + nops(125) + "target nop");
    ASSERT_EQ(ctx.error, 0) << only_message();
    EXPECT_EQ(hex_bytes(bytes()).substr(0, 5), "D0 7D");

    assemble_quietly("*=$1000\n bne target\n" + nops(126) + "target nop");
    EXPECT_EQ(only_message(), "Branch Error.|Branch Out Of Range  target");
    EXPECT_EQ(message_log()[0].selected_line, 1);
}

TEST_F(BranchTest, ShortBranches) {
    const struct {
        const char* lines;
        const char* bytes;
    } rows[] = {
        {"self beq self", "F0 FE"},
        {" bcc next\nnext rts", "90 00 60"},
        {"back nop\n bcs back", "EA B0 FD"},
        {" bne $1000", "D0 FE"},                    // a number is measured like a label
        {" bpl next+1\n nop\nnext rts", "10 02 EA 60"},
    };
    for (const auto& row : rows) {
        assemble_quietly(std::string("*=$1000\n") + row.lines);
        EXPECT_EQ(ctx.error, 0) << row.lines << ": " << only_message();
        EXPECT_EQ(hex_bytes(bytes()), row.bytes) << row.lines;
    }
    assemble_quietly("*=$1000\n bne $c010");
    EXPECT_EQ(only_message(), "Branch Error.|Branch Out Of Range  $c010");
}

TEST_F(BranchTest, ABranchWithoutOperandTargetsMinusOne) {
    assemble_quietly("*=$1000\n bne");
    EXPECT_EQ(only_message(), "Branch Error.|Branch Out Of Range  -1");
    assemble_quietly("*=$0040\n bne");  // 65 bytes back from $0040 to -1: accepted
    EXPECT_EQ(ctx.error, 0) << only_message();
    EXPECT_EQ(hex_bytes(bytes()), "D0");  // no operand: only the opcode is emitted
}

}  // namespace
}  // namespace tarvok::testing
