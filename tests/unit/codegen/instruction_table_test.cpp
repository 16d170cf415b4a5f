#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "codegen/instruction_table.h"

namespace tarvok {
namespace {

class InstructionTable : public ::testing::Test {
protected:
    void SetUp() override { load_opcode_table(); }
};

TEST_F(InstructionTable, SixtyWordsWithTheMnemonicsInAlphabeticalOrder) {
    const auto& words = mnemonic_list();
    EXPECT_EQ(words[0], "byte");
    EXPECT_EQ(words[1], "word");
    EXPECT_EQ(words[58], "dbyte");
    EXPECT_EQ(words[59], "text");
    EXPECT_TRUE(std::is_sorted(words.begin() + 2, words.begin() + 58));
    EXPECT_EQ(std::adjacent_find(words.begin() + 2, words.begin() + 58), words.begin() + 58);
}

TEST_F(InstructionTable, FindRowCoversRowsUpToDbyteButNeverText) {
    EXPECT_EQ(find_row("byte"), 0);
    EXPECT_EQ(find_row("adc"), 2);
    EXPECT_EQ(find_row("tya"), 57);
    EXPECT_EQ(find_row("dbyte"), 58);
    EXPECT_EQ(find_row("text"), -1);
    EXPECT_EQ(find_row("LDA"), -1);  // exact and case-sensitive
    EXPECT_EQ(find_row("data"), -1);
    EXPECT_EQ(opcode_at(58, 0), 0);  // "dbyte" has no opcode row
}

struct Cell {
    const char* mnemonic;
    int32_t column;
    int32_t opcode;
};

TEST_F(InstructionTable, OwnOpcodesAndDeliberateFallbacks) {
    const Cell cells[] = {
        // own opcodes of every mode, one instruction each
        {"lda", 0, 0xA9}, {"lda", 1, 0xA5}, {"lda", 2, 0xB5}, {"lda", 3, 0xAD},
        {"lda", 4, 0xBD}, {"lda", 5, 0xB9}, {"lda", 6, 0xA1}, {"lda", 7, 0xB1},
        {"ldx", 2, 0xB6}, {"stx", 2, 0x96}, {"ldx", 5, 0xBE}, {"jmp", 1, 0x6C},
        {"asl", 0, 0x0A}, {"rol", 0, 0x2A}, {"inc", 1, 0xE6}, {"tya", 0, 0x98},
        // fallbacks that are part of the table
        {"bit", 0, 0x2C}, {"dec", 0, 0xC6}, {"jmp", 0, 0x4C}, {"jsr", 0, 0x20},
        {"sta", 0, 0x85}, {"stx", 0, 0x86}, {"sty", 0, 0x84},
        {"jsr", 1, 0x20}, {"jsr", 2, 0x20}, {"jmp", 2, 0x4C},
        {"jmp", 7, 0x4C}, {"jsr", 7, 0x20}, {"rol", 7, 0x26}, {"stx", 7, 0x86},
        {"bne", 0, 0xD0}, {"bne", 1, 0xD0}, {"bne", 3, 0xD0}, {"bcc", 7, 0x90}, {"bcs", 7, 0xB0},
        // empty cells
        {"inc", 0, 0x00}, {"brk", 0, 0x00}, {"beq", 7, 0x00}, {"ldx", 4, 0x00}, {"byte", 0, 0x00},
    };
    for (const auto& cell : cells) {
        EXPECT_EQ(opcode_at(find_row(cell.mnemonic), cell.column), cell.opcode)
            << cell.mnemonic << " column " << cell.column;
    }
}

TEST_F(InstructionTable, CellsOutsideTheTableAreEmpty) {
    EXPECT_EQ(opcode_at(-1, 0), 0);
    EXPECT_EQ(opcode_at(2, 8), 0);
    EXPECT_EQ(opcode_at(2, -1), 0);
}

}  // namespace
}  // namespace tarvok
