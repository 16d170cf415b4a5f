// tarvok-asm's label file for the VICE monitor (--labels, -l) and its assembly listing (--list):
// their exact text, the listing's bytes against the program file, and what a failed run or an
// unwritable name leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/e2e/support/headless_assembly.h"
#include "tests/e2e/support/listing_reader.h"
#include "tests/e2e/support/run_process.h"
#include "tests/e2e/support/temp_folder.h"

namespace tarvok::e2e {
namespace {

namespace fs = std::filesystem;

const std::string Asm = TARVOK_ASM_PATH;

ProcessResult tarvok_asm(const std::vector<std::string>& args, const TempFolder& cwd) {
    return run_process(Asm, args, cwd.path().string());
}

// Variables of every kind (zero page, "#" constants below and above 256, absolute addresses, one
// on the address of a label), branches both ways, data lines of 1 to 20 bytes and an included
// source, without a final line break, that includes a binary file in turn.
const std::string MainSource =
    "*=$c000\n"
    "; colours and counters\n"
    "border = $d020\n"
    "count = #8\n"
    "zp = $fb\n"
    "screen = $0400\n"
    "limit = #300\n"
    "entry = $c000\n"
    "start ldx count\n"
    "loop stx border\n"
    " dex\n"
    " bne loop\n"
    " beq skip\n"
    " include \"sprites.asm\"\n"
    "skip lda #<table\n"
    " sta zp\n"
    " jmp Done\n"
    "one byte 1\n"
    "two word $1234\n"
    "three byte 1,2,3\n"
    "four byte 1,2,3,4\n"
    "eleven byte 1,2,3,4,5,6,7,8,9,10,11\n"
    "twelve byte 1,2,3,4,5,6,7,8,9,10,11,12\n"
    "table byte 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20\n"
    "Done rts\n";
const std::string SpritesSource = "sprite text \"Ab\"\r\n\tincludebinary \"shape.bin\"";
const std::string ShapeBytes = "\x18\x3C\x7E";

const std::string ExpectedLabels =
    "al C:012c .limit\n"
    "al C:0400 .screen\n"
    "al C:c000 .entry\n"
    "al C:c000 .start\n"
    "al C:c002 .loop\n"
    "al C:c00a .sprite\n"
    "al C:c00f .skip\n"
    "al C:c016 .one\n"
    "al C:c017 .two\n"
    "al C:c019 .three\n"
    "al C:c01c .four\n"
    "al C:c020 .eleven\n"
    "al C:c02b .twelve\n"
    "al C:c037 .table\n"
    "al C:c04b .done\n"
    "al C:d020 .border\n";

const std::string ExpectedListing =
    "     1                  *=$c000\n"
    "     2                  ; colours and counters\n"
    "     3                  border = $d020\n"
    "     4                  count = #8\n"
    "     5                  zp = $fb\n"
    "     6                  screen = $0400\n"
    "     7                  limit = #300\n"
    "     8                  entry = $c000\n"
    "     9  C000  A2 08     start ldx count\n"
    "    10  C002  8E 20 D0  loop stx border\n"
    "    11  C005  CA         dex\n"
    "    12  C006  D0 FA      bne loop\n"
    "    13  C008  F0 05      beq skip\n"
    "    14                   include \"sprites.asm\"\n"
    "                        ; file sprites.asm\n"
    "    15  C00A  41 42     sprite text \"Ab\"\n"
    "    16                  \tincludebinary \"shape.bin\"\n"
    "                        ; file shape.bin\n"
    "    17  C00C  18 3C 7E  byte 24,60,126\n"
    "                        ; end of shape.bin\n"
    "                        ; end of sprites.asm\n"
    "    18  C00F  A9 37     skip lda #<table\n"
    "    19  C011  85 FB      sta zp\n"
    "    20  C013  4C 4B C0   jmp Done\n"
    "    21  C016  01        one byte 1\n"
    "    22  C017  12 34     two word $1234\n"
    "    23  C019  01 02 03  three byte 1,2,3\n"
    "    24  C01C  01 02 03  four byte 1,2,3,4\n"
    "        C01F  04\n"
    "    25  C020  01 02 03  eleven byte 1,2,3,4,5,6,7,8,9,10,11\n"
    "        C023  04 05 06 07 08 09 0A 0B\n"
    "    26  C02B  01 02 03  twelve byte 1,2,3,4,5,6,7,8,9,10,11,12\n"
    "        C02E  04 05 06 07 08 09 0A 0B\n"
    "        C036  0C\n"
    "    27  C037  01 02 03  table byte 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20\n"
    "        C03A  04 05 06 07 08 09 0A 0B\n"
    "        C042  0C 0D 0E 0F 10 11 12 13\n"
    "        C04A  14\n"
    "    28  C04B  60        Done rts\n"
    "    29\n";

const std::string ProgramBytes =
    "A2 08 8E 20 D0 CA D0 FA F0 05 41 42 18 3C 7E A9 37 85 FB 4C 4B C0 01 12 34 01 02 03 01 02 03 04 "
    "01 02 03 04 05 06 07 08 09 0A 0B 01 02 03 04 05 06 07 08 09 0A 0B 0C 01 02 03 04 05 06 07 08 09 "
    "0A 0B 0C 0D 0E 0F 10 11 12 13 14 60";

void write_sources(const TempFolder& dir) {
    dir.write("main.asm", MainSource);
    dir.write("sprites.asm", SpritesSource);
    dir.write("shape.bin", ShapeBytes);
}

struct WrittenRow {
    const char* name;
    std::vector<std::string> args;
    std::string program_file;
    std::size_t header = 0;   // bytes before the load address
    bool symbols = false;     // --symbols is among the options
    bool listing_to_output = false;  // the listing goes to standard output ("--list -")
};

void PrintTo(const WrittenRow& row, std::ostream* os) { *os << row.name; }

const WrittenRow WrittenRows[] = {
    {"PrgNamedWithO", {"-o", "game.prg", "-l", "game.lbl", "--list", "game.lst", "main.asm"}, "game.prg"},
    {"JoinedNamesAndP00", {"--p00=GAME", "-lgame.lbl", "--list=game.lst", "main.asm"}, "main.p00", 26},
    {"LongNamesWithSymbols", {"main.asm", "--symbols", "--labels", "game.lbl", "--list", "game.lst"}, "main.prg", 0,
     true},
    {"ListingToStandardOutput", {"--list", "-", "main.asm", "-l", "game.lbl"}, "main.prg", 0, false, true},
};

class LabelFileAndListing : public ::testing::TestWithParam<WrittenRow> {};

TEST_P(LabelFileAndListing, ExactTextAndTheProgramsBytes) {
    const WrittenRow& row = GetParam();
    TempFolder dir;
    write_sources(dir);
    // Files of those names from an earlier run are replaced.
    dir.write("game.lbl", "al C:0000 .old\n");
    dir.write("game.lst", std::string(5000, 'x'));
    const ProcessResult r = tarvok_asm(row.args, dir);
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out.find("label table 49207 27\n") != std::string::npos, row.symbols) << r.out;
    EXPECT_EQ(read_bytes(dir.file("game.lbl")), ExpectedLabels);
    const std::string listing = row.listing_to_output ? r.out : read_bytes(dir.file("game.lst"));
    EXPECT_EQ(listing, ExpectedListing);

    const std::string program = read_bytes(dir.file(row.program_file));
    ASSERT_EQ(program.size(), row.header + 2 + 76);
    EXPECT_EQ(hex_dump(program.substr(row.header, 2)), "00 C0");
    EXPECT_EQ(hex_dump(program.substr(row.header + 2)), ProgramBytes);
    const ListingBytes shown = listing_bytes(listing, 0xC000);
    EXPECT_EQ(hex_dump(shown.bytes), ProgramBytes);
    EXPECT_EQ(shown.problem, "");
    // Nothing else is left in the folder: no temporary file, the sources unchanged.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 6);
    EXPECT_EQ(read_bytes(dir.file("sprites.asm")), SpritesSource);
}

INSTANTIATE_TEST_SUITE_P(Rows, LabelFileAndListing, ::testing::ValuesIn(WrittenRows),
                         [](const ::testing::TestParamInfo<WrittenRow>& info) { return std::string(info.param.name); });

TEST(LabelFileAndListing, NeitherIsWrittenByAFailedRun) {
    const struct {
        const char* source;
        std::string err;
    } rows[] = {
        {"*=$c000\n lda nowhere\n",
         "main.asm:2: Label/Variable Error.: Label Or Variable Not Found `nowhere`In Line 1    lda nowhere\n"},
        {"*=$c000\n", "main.asm: Save Error: Nothing To Assemble/Save\n"},
        {"*=$c000\n include \"gone.asm\"\n rts\n",
         "main.asm: Merge Error.: Couldn't Find File,Must be In Same Dir As Source.\n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.source);
        TempFolder dir;
        dir.write("main.asm", row.source);
        dir.write("old.lbl", "al C:c000 .old\n");
        const ProcessResult r = tarvok_asm({"-l", "old.lbl", "--list", "new.lst", "main.asm"}, dir);
        EXPECT_EQ(r.exit_code, 1);
        EXPECT_EQ(r.err, row.err);
        EXPECT_EQ(read_bytes(dir.file("old.lbl")), "al C:c000 .old\n");
        EXPECT_FALSE(fs::exists(dir.file("new.lst")));
        EXPECT_FALSE(fs::exists(dir.file("main.prg")));
    }
}

TEST(LabelFileAndListing, AnUnwritableNameFailsTheRunAfterTheProgramFile) {
    const struct {
        std::vector<std::string> args;
        std::string err_start;  // the rest is the system's reason, when it gives one
        bool labels_written, listing_written;
    } rows[] = {
        {{"-l", "no/such/x.lbl", "--list", "x.lst"},
         "tarvok-asm: cannot write the label file no/such/x.lbl: No such file or directory\n", false, true},
        {{"--list", "no/such/x.lst", "-l", "x.lbl"},
         "tarvok-asm: cannot write the listing file no/such/x.lst: No such file or directory\n", true, false},
        {{"-l", "x.lbl", "--list", "folder"}, "tarvok-asm: cannot write the listing file folder", true, false},
        {{"-l", "no/x.lbl", "--list", "no/x.lst"},
         "tarvok-asm: cannot write the label file no/x.lbl: No such file or directory\n"
         "tarvok-asm: cannot write the listing file no/x.lst: No such file or directory\n",
         false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.err_start);
        TempFolder dir;
        write_sources(dir);
        fs::create_directory(dir.path() / "folder");
        std::vector<std::string> args = row.args;
        args.push_back("main.asm");
        const ProcessResult r = tarvok_asm(args, dir);
        EXPECT_EQ(r.exit_code, 1);
        EXPECT_EQ(r.err.rfind(row.err_start, 0), 0u) << r.err;
        // One line for each file that was not written.
        const int unwritten = (row.labels_written ? 0 : 1) + (row.listing_written ? 0 : 1);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), unwritten) << r.err;
        EXPECT_EQ(hex_dump(read_bytes(dir.file("main.prg")).substr(2)), ProgramBytes);
        EXPECT_EQ(read_bytes(dir.file("x.lbl")) == ExpectedLabels, row.labels_written);
        EXPECT_EQ(read_bytes(dir.file("x.lst")) == ExpectedListing, row.listing_written);
    }
}

}  // namespace
}  // namespace tarvok::e2e
