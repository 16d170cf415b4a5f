#include <cstdint>
#include <iterator>
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
// notation, with every prefix, index and blank, in every common form and near misses of them,
// and over random operands of the bytes and of the pieces that change a resolution.
TEST_F(PlainOperandsTest, ThePlainWayGivesWhatTheFullResolutionGives) {
    const std::string symbols =
        "zp = $fb\nvic = $d020\nim = #$10\nz0 = 5\nbig = 300\n"
        "start lda #1\nloop0 nop\nx1 rts\nl.a nop\n_u nop\nfb nop\na0 nop\n";
    for (const bool with_symbols : {true, false}) {
        assemble_quietly("*=$1000\n" + (with_symbols ? symbols : std::string(" nop\n")));
        ASSERT_EQ(ctx.error, 0);
        std::vector<std::string> operands;
        const char* prefixes[] = {"", "#", "$", "#$", "$#", "##", "$$", "%", "#%"};
        const char* cores[] = {"zp", "vic", "im", "z0", "big", "start", "loop0", "x1", "l.a", "_u", "fb",
                               "a0", "10", "0", "00", "255", "256", "1000", "00fb", "d020", "abc", "a",
                               "x", "y", "1", "65535", "99999", "12a", "unknown", "123456", "ff",
                               "01010101", "0000000000000000", "1111111", "111111111", "1x1y1x1y"};
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
        // "@" stands for the name or number, after a marker.
        const char* forms[] = {"(@),y",  "(@,x)",  "(@)",    "(@),x",   "(@,y)",  "(@",      "@)",    "((@)),y",
                               "<@",     ">@",     "#<@",    "#>@",     "<#@",    "<@,x",    "#<@+1", "#>@-1",
                               "@+1",    "@-20",   "#@+3",   "@+x1,x",  "@-1,y",  "@*2",     "@/2",   "@+",
                               "+@",     "@+1-2",  "@+$10",  "\"@\"",   "#\"@\"", "`@`",     "(@+1),y", "@+(1)",
                               "<@<",    "@,x)",   "(@),y,"};
        for (const char* form : forms) {
            for (const char* marker : {"", "$", "%"}) {
                for (const char* core : cores) {
                    std::string op = form;
                    op.replace(op.find('@'), 1, std::string(marker) + core);
                    operands.push_back(op);
                    operands.push_back("  " + op + " ");
                }
            }
        }
        for (char c = ' '; c < 127; ++c) {
            operands.push_back(std::string("#\"") + c + "\"");
            operands.push_back(std::string("\"") + c + "\"");
        }
        for (const char* none : {"", " ", "    "}) {
            operands.push_back(none);
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
        const char* pieces[] = {"#", "$", "%", "<", ">", "(", ")", ",x", ",y", ",", "+", "-", "*", "\"",
                                " ", "zp", "start", "a0", "x", "1", "0", "01010101", "ffff", "."};
        for (int n = 0; n < 4000; ++n) {
            std::string op;
            const auto length = 1 + random() % 6;
            for (uint32_t i = 0; i < length; ++i) {
                op += pieces[random() % std::size(pieces)];
            }
            operands.push_back(op);
        }
        int32_t plain = 0;
        for (const std::string& op : operands) {
            start_record(ctx);
            if (!resolve_plain_operand(ctx, op)) {
                EXPECT_TRUE(ctx.statements.empty() && ctx.current_mode == -1 && ctx.error == 0 && message_log().empty())
                    << "'" << op << "' changed something";
                continue;
            }
            ++plain;
            const std::string short_way = resolution(ctx);
            start_record(ctx);
            resolve_operand_in_full(ctx, op);
            EXPECT_EQ(short_way, resolution(ctx)) << "'" << op << "'";
        }
        // Thousands of the operands take the short way.
        EXPECT_GT(plain, 4000) << "with symbols: " << with_symbols;
        // So does every common form of a known name or of a number.
        for (const char* op : {"", "  ", with_symbols ? "zp+1" : "1+zp", with_symbols ? "loop0-2,x" : "$fb-2,x",
                               "(20),y", "($fb,x)", with_symbols ? "(start)" : "($1000)",
                               with_symbols ? "#<start" : "#<1000", with_symbols ? "#>im" : "#>$1234", "<$1234",
                               "#\"a\"", "#%01010101", "%0101010101010101,x"}) {
            start_record(ctx);
            EXPECT_TRUE(resolve_plain_operand(ctx, op)) << "'" << op << "'";
        }
    }
}

}  // namespace
}  // namespace tarvok::testing
