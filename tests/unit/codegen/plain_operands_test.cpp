#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "codegen/operands.h"
#include "runtime/window/script.h"
#include "tests/support/assembly_fixture.h"

namespace tarvok::testing {
namespace {

using PlainOperandsTest = AssemblyFixture;

// Everything an operand's resolution leaves behind: the record's fields, its operand text, the
// shape mode, the error flag and the messages.
std::string resolution(AssemblyContext& ctx) {
    const StatementEntry& r = ctx.statements.back();
    return "value " + std::to_string(r.value) + " label " + std::to_string(r.label) + " operand '" +
           std::string(operand_of(ctx, r)) + "' mode " + std::to_string(r.mode) + " kind " +
           std::to_string(r.operand_kind) + " select " + std::to_string(r.byte_select) + " size " +
           std::to_string(r.operand_size) + " zp " + std::to_string(r.zero_page) + " plain " +
           std::to_string(r.plain_operand) + " expression " + std::to_string(r.has_expression) +
           " shape " + std::to_string(r.shape_mode) + "/" + std::to_string(r.shape_empty) + " current " +
           std::to_string(ctx.current_mode) + " error " + std::to_string(ctx.error) + " messages " +
           std::to_string(message_log().size());
}

void start_record(AssemblyContext& ctx) {
    ctx.statements.clear();
    ctx.operand_text.clear();
    ctx.current_record = -1;
    ctx.current_mode = -1;
    ctx.error = 0;
    clear_logs();
}

// Every operand the short way takes gives what the full resolution gives, over names of
// variables (zero page, absolute, immediate), labels, unknown names and numbers in every
// notation, with every prefix, index and blank, and over random operands of the bytes that
// change a resolution.
TEST_F(PlainOperandsTest, ThePlainWayGivesWhatTheFullResolutionGives) {
    const std::string symbols =
        "zp = $fb\nvic = $d020\nim = #$10\nz0 = 5\nbig = 300\n"
        "start lda #1\nloop0 nop\nx1 rts\nl.a nop\n_u nop\nfb nop\na0 nop\n";
    for (const bool with_symbols : {true, false}) {
        assemble_quietly("*=$1000\n" + (with_symbols ? symbols : std::string(" nop\n")));
        ASSERT_EQ(ctx.error, 0);
        std::vector<std::string> operands;
        const char* prefixes[] = {"", "#", "$", "#$", "$#", "##", "$$"};
        const char* cores[] = {"zp", "vic", "im", "z0", "big", "start", "loop0", "x1", "l.a", "_u", "fb",
                               "a0", "10", "0", "00", "255", "256", "1000", "00fb", "d020", "abc", "a",
                               "x", "y", "1", "65535", "99999", "12a", "unknown", "123456", "ff"};
        const char* suffixes[] = {"", ",x", ",y", ",z", ",", "x", ",xy", ",x,y"};
        const char* blanks[] = {"%", "  %", "%   ", " % ", "% ,x"};
        for (const char* prefix : prefixes) {
            for (const char* core : cores) {
                for (const char* suffix : suffixes) {
                    for (const std::string blank : blanks) {
                        const std::string op = std::string(prefix) + core + suffix;
                        std::string written = blank;
                        written.replace(blank.find('%'), 1, op);
                        operands.push_back(written);
                    }
                }
            }
        }
        std::mt19937 random(7);
        const std::string bytes = "#$,xy0a1._ ()+<>\"`%-*9fz";
        for (int n = 0; n < 4000; ++n) {
            std::string op;
            const auto length = 1 + random() % 8;
            for (uint32_t i = 0; i < length; ++i) {
                op += bytes[random() % bytes.size()];
            }
            operands.push_back(op);
        }
        int32_t plain = 0;
        for (const std::string& op : operands) {
            start_record(ctx);
            if (!resolve_plain_operand(ctx, op)) {
                EXPECT_TRUE(ctx.statements.empty() && ctx.current_mode == -1) << "'" << op << "' changed something";
                continue;
            }
            ++plain;
            const std::string short_way = resolution(ctx);
            start_record(ctx);
            resolve_operand_in_full(ctx, op);
            EXPECT_EQ(short_way, resolution(ctx)) << "'" << op << "'";
        }
        // Most operands of the table are plain ones.
        EXPECT_GT(plain, 1500) << "with symbols: " << with_symbols;
    }
}

}  // namespace
}  // namespace tarvok::testing
