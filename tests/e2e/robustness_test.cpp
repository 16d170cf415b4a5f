// Damaged programs: seeded random edits of working sources, each assembled through the driver.
// Whatever the edit, a run either writes a program file and shows nothing, or shows at least one
// message and writes nothing; a written file matches the code fields; and the user's text in the
// editor is exactly what it was before the run.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "assembler/messages.h"
#include "tests/e2e/support/headless_assembly.h"

namespace tarvok::e2e {
namespace {

const std::vector<std::string> BaseProgram = {
    "*=$c000",
    "screen = $0400",
    "zp = $fb",
    "count = #8",
    "start ldx count",
    "loop lda message,x",
    " sta screen,x",
    " sta (zp),y",
    " dex",
    " bne loop",
    " jmp (vector)",
    " lda #<start",
    " ldy #>start",
    " inc start+1",
    " beq done",
    "done rts",
    "vector word start",
    " dbyte $1234",
    "message text \"hello\"",
    " byte 1,2,$ff,%00000101",
};

const std::vector<std::string> ExtraLines = {
    "lbl = $10",      "w = $1234",       " lda lbl",        " lda <lbl",     " lda >w",
    " lda w+1",       " sta w-1",        " jmp lbl+2",      " bne here",     "here",
    "here rts",       " word here",      " dbyte here",     " byte <here",   " text `ab`",
    " lda (lbl),y",   " lda (lbl,x)",    " jmp (w)",        " ldx lbl,y",    " lda w,x",
    " lda 16",        " lda 256",        " lda \"a\"",      " lda 10/0",     " lda w*2",
    " lda w/2",       " asl a",          " ror",            "*=$0801",       "start nop",
    " lda #",         "=",               "x = ",            " byte",         " text \"open",
    " lda $",         " lda %",          " lda $12345",     " lda 99999999999", ";",
};

const std::vector<std::string> Splices = {"",   "$",  "#", "(",  ")", ",x", ",y", "+1", "-1",
                                          "*2", "/3", "<", ">",  " ", "0", "f",  "\"", "`",
                                          ":",  "=",  ";", "\t", "%", ",", "é"};

std::string damaged_program(std::mt19937& random) {
    std::vector<std::string> lines = BaseProgram;
    const int edits = std::uniform_int_distribution<int>(1, 6)(random);
    for (int e = 0; e < edits; ++e) {
        const int kind = std::uniform_int_distribution<int>(0, 9)(random);
        const std::size_t at = std::uniform_int_distribution<std::size_t>(0, lines.size())(random);
        if (kind < 4) {
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at),
                         ExtraLines[random() % ExtraLines.size()]);
        } else if (kind < 6 && !lines.empty()) {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(std::min(at, lines.size() - 1)));
        } else if (!lines.empty()) {
            std::string& line = lines[std::min(at, lines.size() - 1)];
            const std::size_t pos = random() % (line.size() + 1);
            const std::size_t cut = std::min<std::size_t>(random() % 3, line.size() - pos);
            line = line.substr(0, pos) + Splices[random() % Splices.size()] + line.substr(pos + cut);
        }
    }
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines[i];
    }
    return text;
}

TEST(DamagedPrograms, EndInAFileOrAMessageAndLeaveTheTextAlone) {
    std::mt19937 random(20261207);
    int written = 0;
    for (int i = 0; i < 400; ++i) {
        const std::string source = damaged_program(random);
        SCOPED_TRACE("program " + std::to_string(i) + ":\n" + source);
        const AssemblyRun run = assemble_source(source);

        EXPECT_EQ(run.editor_text, source);
        if (run.written) {
            ++written;
            EXPECT_TRUE(run.messages.empty()) << message_rows(run.messages).front();
            ASSERT_GE(run.file.size(), 3u);
            const int32_t load = static_cast<unsigned char>(run.file[0]) |
                                 static_cast<unsigned char>(run.file[1]) << 8;
            EXPECT_EQ(load, run.start_address & 0xFFFF);
            EXPECT_EQ(run.code_end_hex,
                      address_hex_text(run.start_address +
                                       static_cast<int32_t>(run.file.size()) - 2));
        } else {
            EXPECT_FALSE(run.messages.empty()) << "no file and no message";
            EXPECT_TRUE(run.file.empty());
        }
    }
    // The edits must leave enough programs whole for the written-file checks to mean something.
    EXPECT_GT(written, 40);
}

}  // namespace
}  // namespace tarvok::e2e
