#include <string>
#include <string_view>
#include <vector>

#include "codegen/layout.h"
#include "runtime/text/text.h"
#include "runtime/window/script.h"
#include "tests/support/assembly_fixture.h"

namespace tarvok::testing {
namespace {

using LayoutTest = AssemblyFixture;

int32_t address_of(const AssemblyContext& ctx, const std::string& name) {
    for (const auto& label : ctx.labels) {
        if (label.name == name) {
            return label.address;
        }
    }
    return -2;
}

TEST(LabelNameCuts, InPlaceRemovalEqualsRemoveTextForEveryShortText) {
    // Every text of up to 6 bytes over the bytes the label search cuts, for each of its cuts
    // (and a longer one): overlaps such as ",,x" or "(((" and cuts at either end included.
    constexpr std::string_view Bytes = "(),xy a";
    std::vector<std::string> texts = {""};
    for (std::size_t from = 0, length = 0; length < 6; ++length) {
        const std::size_t to = texts.size();
        for (std::size_t i = from; i < to; ++i) {
            for (const char c : Bytes) {
                texts.push_back(texts[i] + c);
            }
        }
        from = to;
    }
    for (std::string_view pattern : {"(", ")", ",x", ",y", ",", " ", ",x,"}) {
        for (const std::string& text : texts) {
            std::string cut = text;
            remove_in_place(cut, pattern);
            ASSERT_EQ(cut, remove_text(text, pattern)) << '"' << text << "\" less \"" << pattern << '"';
        }
    }
}

TEST_F(LayoutTest, LabelsLieAfterTheLengthsOfEverythingBeforeThem) {
    assemble_quietly(
        "*=$c000\n"
        " lda #$00\n"            // 2
        "second rts\n"           // 1
        " lda $00fb\n"           // 3
        "third bit $d011\n"      // 3
        " bit $fb\n"             // 2
        " jsr far\n"             // 3 (label operand)
        " lda #<far\n"           // 2 (label operand with a byte selected)
        " bne second\n"          // 2
        " byte 1,2,3\n"          // 3
        " word $1234\n"          // 2
        " text \"ab\"\n"         // 2
        " asl\n"                 // 1
        "far brk\n"
        "tail foo bar\n");       // no statement on this line: lies after everything
    ASSERT_EQ(ctx.error, 0) << only_message();
    EXPECT_EQ(address_of(ctx, "second"), 0xC002);
    EXPECT_EQ(address_of(ctx, "third"), 0xC006);
    EXPECT_EQ(address_of(ctx, "far"), 0xC006 + 3 + 2 + 3 + 2 + 2 + 3 + 2 + 2 + 1);
    EXPECT_EQ(address_of(ctx, "tail"), address_of(ctx, "far") + 1);
    EXPECT_EQ(ctx.start_address + static_cast<int32_t>(ctx.object_image.size()), address_of(ctx, "tail"));
    // Every statement's address is the running sum of the lengths before it.
    int32_t expected = ctx.start_address;
    for (const auto& rec : ctx.statements) {
        EXPECT_EQ(rec.address, expected) << rec.mnemonic() << " " << operand_of(ctx, rec);
        expected += statement_length(rec);
    }
}

TEST_F(LayoutTest, StatementLengths) {
    StatementEntry data;
    data.row = -1;
    data.value = 4096;
    EXPECT_EQ(statement_length(data), 1);

    StatementEntry implied;
    implied.row = static_cast<int8_t>(table_word_row("rts"));
    implied.mode = NoOperandMode;
    EXPECT_EQ(statement_length(implied), 1);

    StatementEntry branch;
    branch.row = static_cast<int8_t>(table_word_row("bne"));
    set_operand(ctx, branch, "far");
    branch.value = 4096;
    branch.operand_size = 2;
    EXPECT_EQ(statement_length(branch), 2);

    StatementEntry selected = branch;
    selected.row = static_cast<int8_t>(table_word_row("lda"));
    selected.byte_select = SelectHigh;
    EXPECT_EQ(statement_length(selected), 2);

    StatementEntry small;
    small.row = static_cast<int8_t>(table_word_row("lda"));
    set_operand(ctx, small, "$10");
    small.value = 16;
    small.operand_size = 1;
    EXPECT_EQ(statement_length(small), 2);

    StatementEntry written_wide = small;
    written_wide.operand_size = 2;
    EXPECT_EQ(statement_length(written_wide), 3);
}

TEST_F(LayoutTest, TheImageFollowsTheStatementsAndTheCodeEndFollowsTheImage) {
    assemble_quietly("*=$c000\n lda #$00\nlbl rts");
    EXPECT_EQ(hex_bytes(bytes()), "A9 00 60");
    EXPECT_EQ(address_of(ctx, "lbl"), 0xC002);
    EXPECT_EQ(ctx.load_address_low, 0x00);
    EXPECT_EQ(ctx.load_address_high, 0xC0);
}

std::string repeat(const std::string& text, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) {
        s += text;
    }
    return s;
}

// " lda l1" ... " lda lN", one a line.
std::string loads(int n) {
    std::string s;
    for (int i = 1; i <= n; ++i) {
        s += " lda l" + std::to_string(i) + "\n";
    }
    return s;
}

// "l1 nop" ... "lN nop", one a line; ea(n) is their bytes.
std::string nops(int n) {
    std::string s;
    for (int i = 1; i <= n; ++i) {
        s += 'l';
        s += std::to_string(i);
        s += " nop\n";
    }
    return s;
}
std::string ea(int n) { return repeat(" EA", n); }

TEST_F(LayoutTest, AddressesFollowTheBytesWhenAnExpressionNeedsAnotherSize) {
    const struct {
        std::string source;
        std::string bytes;
    } rows[] = {
        // "zp+256" was measured as one byte by its first term, but is emitted as two.
        {"*=$1000\nzp = $10\n lda zp+256\nnext rts\n jmp next", "AD 10 01 60 4C 03 10"},
        {"*=$1000\nzp = $10\n beq skip\n lda zp+256\nskip rts", "F0 03 AD 10 01 60"},
        // A label below 256 used as an operand is one byte, not the two it was estimated at.
        {"*=$0080\n jmp here\nhere rts", "4C 82 60"},
        {"*=$0080\n lda here\n bne here\nhere rts", "A9 84 D0 00 60"},
        // Nine labels: each operand is one byte once all of them are, however many rounds that takes.
        {"*=$00e4\n" + loads(9) + nops(9), "A9 F6 A9 F7 A9 F8 A9 F9 A9 FA A9 FB A9 FC A9 FD A9 FE" + ea(9)},
        // Fourteen do not fit below 256 however they are laid out: all take two bytes.
        {"*=$00e4\n" + loads(14) + nops(14),
         "AD 0E 01 AD 0F 01 AD 10 01 AD 11 01 AD 12 01 AD 13 01 AD 14 01 AD 15 01 AD 16 01 AD 17 01 AD 18 01 "
         "AD 19 01 AD 1A 01 AD 1B 01" + ea(14)},
        // The branch is judged where the statements end up: 510/2 is 255, a one-byte operand.
        {"*=$1000\n bne target\n" + repeat(" lda 510/2\n", 42) + "target rts",
         "D0 54" + repeat(" A9 FF", 42) + " 60"},
    };
    for (const auto& row : rows) {
        assemble_quietly(row.source);
        EXPECT_EQ(ctx.error, 0) << row.source << ": " << only_message();
        EXPECT_EQ(hex_bytes(bytes()), row.bytes) << row.source;
        int32_t expected = ctx.start_address;
        std::vector<int32_t> line_address(static_cast<std::size_t>(ctx.line_count) + 1, -1);
        for (const auto& rec : ctx.statements) {
            EXPECT_EQ(rec.address, expected) << row.source;
            if (line_address[static_cast<std::size_t>(rec.line_number)] < 0) {
                line_address[static_cast<std::size_t>(rec.line_number)] = expected;
            }
            expected += statement_length(rec);
        }
        for (const auto& label : ctx.labels) {
            EXPECT_EQ(label.address, line_address[static_cast<std::size_t>(label.line)]) << label.name << " in\n" << row.source;
        }
    }
}

}  // namespace
}  // namespace tarvok::testing
