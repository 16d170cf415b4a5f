#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "codegen/data_directives.h"
#include "runtime/window/script.h"
#include "tests/support/assembly_fixture.h"

namespace tarvok::testing {
namespace {

using PlainDataFieldsTest = AssemblyFixture;

// Everything a data line leaves behind: every field of every record, its operand text, the error
// flag and the messages with the line each selected.
std::string data_result(const AssemblyContext& ctx) {
    std::string out;
    for (const StatementEntry& r : ctx.statements) {
        out += "[" + std::to_string(r.row) + " " + std::to_string(r.line_number) + " " + std::to_string(r.value) +
               " " + std::to_string(r.label) + " '" + std::string(operand_of(ctx, r)) + "' " +
               std::to_string(r.operand_kind) + " " + std::to_string(r.byte_select) + " " +
               std::to_string(r.mode) + " " + std::to_string(r.operand_size) + " " + std::to_string(r.zero_page) +
               " " + std::to_string(r.plain_operand) + " " + std::to_string(r.address) + "]";
    }
    out += " error " + std::to_string(ctx.error) + " class " + std::to_string(static_cast<int>(ctx.statement_class));
    for (const MessageRecord& m : message_log()) {
        out += " {" + m.title + "|" + m.text + "|" + std::to_string(m.selected_line) + "}";
    }
    return out;
}

void start_line(AssemblyContext& ctx) {
    ctx.statements.clear();
    ctx.operand_text.clear();
    ctx.statement_class = StatementClass::NoStatement;
    ctx.current_line = 2;
    ctx.error = 0;
    clear_logs();
}

// Every data line of "byte", "word" and "dbyte" gives the same records, operand texts, messages
// and error flag with its plain fields taken the short way as with every field taken the full
// way: over names of variables (one whose value is also a label's name, one named like a number),
// labels (some named like numbers), unknown names and numbers in every notation, with "<", ">",
// "#", blanks, empty fields and numbers too large, and over random lines of the bytes that change
// a field's reading.
TEST_F(PlainDataFieldsTest, ThePlainWayGivesWhatTheFullWayGives) {
    const std::string symbols =
        "zp = $fb\nvic = $d020\nim = #$10\nz0 = 0\nbig = 4096\ntop = 65535\n12 = 7\nch = \"a\"\n"
        "*=$1000\nstart lda #1\nloop0 nop\nl.a nop\n_u nop\n4096 nop\n$10 nop\n300 nop\nfb nop\n";
    const char* words[] = {"byte", "word", "dbyte"};
    const char* markers[] = {"", "<", ">", "#", "<#", "#>", "><"};
    const char* cores[] = {
        "zp", "vic", "im", "z0", "big", "top", "12", "ch", "start", "loop0", "l.a", "_u", "4096", "$10",
        "300", "fb", "unknown", "a", "x1", ".5", "0", "00", "7", "255", "256", "1000", "65535", "99999",
        "123456", "12a", "007x", "$0", "$ff", "$FF", "$1234", "$12345", "$fg", "$zz", "$", "$$12", "$1.",
        "%10101010", "%1010101010101010", "%00000000", "%101", "%101010101", "%1x101010", "%", "%%1010101",
        "\"a\"", "\"A\"", "\"\"", "\"\"\"", "\"#\"", "\"ab\"", "\"a", "`a`", "`_`", "#$12", "a-1", "(1)",
        "\xa3", "\"\xa3\"", "", "1 2", "$1 0"};
    const char* blanks[] = {"%", " %", "%  ", " % "};
    for (const bool with_symbols : {true, false}) {
        assemble_quietly(with_symbols ? symbols : std::string("*=$1000\n nop\n"));
        ASSERT_EQ(ctx.error, 0) << only_message();
        std::vector<std::string> fields;
        for (const char* marker : markers) {
            for (const char* core : cores) {
                for (const std::string blank : blanks) {
                    std::string field = blank;
                    field.replace(blank.find('%'), 1, std::string(marker) + core);
                    fields.push_back(field);
                }
            }
        }
        // Lines of one field, of several fields from the table, and of random bytes.
        std::vector<std::string> operands = fields;
        std::mt19937 random(11);
        for (int n = 0; n < 3000; ++n) {
            std::string op = fields[random() % fields.size()];
            for (uint32_t more = random() % 4; more > 0; --more) {
                op += "," + fields[random() % fields.size()];
            }
            operands.push_back(op);
        }
        const std::string bytes = "<>#$%\"`, 0159afz_.";
        for (int n = 0; n < 3000; ++n) {
            std::string op;
            for (uint32_t length = 1 + random() % 10; length > 0; --length) {
                op += bytes[random() % bytes.size()];
            }
            operands.push_back(op);
        }
        for (const char* word : words) {
            for (const std::string& op : operands) {
                start_line(ctx);
                handle_data_directive(ctx, word, op);
                const std::string short_way = data_result(ctx);
                start_line(ctx);
                handle_data_directive_in_full(ctx, word, op);
                ASSERT_EQ(short_way, data_result(ctx)) << word << " " << op;
            }
        }
        // Many fields of the table are plain, and a field that is not changes nothing.
        int32_t plain = 0;
        for (const std::string& field : fields) {
            start_line(ctx);
            if (add_plain_data_field(ctx, "word", field)) {
                ++plain;
            } else {
                EXPECT_EQ(data_result(ctx), " error 0 class 0") << "'" << field << "' changed something";
            }
        }
        EXPECT_GT(plain, 380) << "with symbols: " << with_symbols;
    }
}

}  // namespace
}  // namespace tarvok::testing
