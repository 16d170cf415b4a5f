// Random programs in the forms where Tarvok's dialect and 64tass agree: both assemblers must give
// the same PRG file, byte for byte. The programs come from a seeded generator, so a run can be
// repeated exactly: TARVOK_ORACLE_SEED sets the first seed, TARVOK_ORACLE_PROGRAMS the count.
// tarvok-asm's listing of each program must show those bytes too, row by row.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/cli_main.h"
#include "tests/e2e/support/headless_assembly.h"
#include "tests/e2e/support/listing_reader.h"
#include "tests/e2e/support/run_process.h"
#include "tests/e2e/support/temp_folder.h"
#include "tests/oracle/program_generator.h"

namespace tarvok::e2e {
namespace {

constexpr uint64_t DefaultSeed = 6502;
constexpr uint64_t DefaultPrograms = 300;

uint64_t setting(const char* name, uint64_t fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return fallback;
    }
    return std::strtoull(text, nullptr, 10);
}

// Where the two files part, with the bytes around that place from both.
std::string difference(const std::string& ours, const std::string& theirs) {
    std::size_t at = 0;
    while (at < ours.size() && at < theirs.size() && ours[at] == theirs[at]) {
        ++at;
    }
    std::ostringstream s;
    const std::size_t from = at > 8 ? at - 8 : 0;
    s << "first difference at file offset " << at;
    if (at >= 2 && theirs.size() >= 2) {
        const int load = static_cast<unsigned char>(theirs[0]) | (static_cast<unsigned char>(theirs[1]) << 8);
        s << " (address $" << std::hex << (load + static_cast<int>(at) - 2) << std::dec << ")";
    }
    s << "; sizes " << ours.size() << " (tarvok) and " << theirs.size() << " (64tass)\n"
      << "tarvok: " << hex_dump(ours.substr(std::min(from, ours.size()), 24)) << "\n"
      << "64tass: " << hex_dump(theirs.substr(std::min(from, theirs.size()), 24)) << "\n";
    return s.str();
}

std::string with_line_breaks(const std::string& text, const std::string& line_break) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text) {
        if (c == '\n') {
            out += line_break;
        } else {
            out += c;
        }
    }
    return out;
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', from)) {
        lines.push_back(text.substr(from, at - from));
        from = at + 1;
    }
    if (from < text.size()) lines.push_back(text.substr(from));
    return lines;
}

std::string joined(const std::vector<std::string>& lines, std::size_t from, std::size_t to,
                   const std::string& line_break) {
    std::string text;
    for (std::size_t i = from; i < to; ++i) text += lines[i] + line_break;
    return text;
}

// The program spread over files as a programmer might: a run of its lines moved into a source
// file that the main source includes in their place (Tarvok's with CR LF line ends), and a binary
// file and a PRG file of data included at its end. The names are absolute, as both assemblers
// read them from any folder.
struct ProgramWithIncludes {
    std::string tarvok;
    std::string tass;
    int32_t extra_bytes = 0;  // the data files' bytes in the program
};

ProgramWithIncludes with_includes(const GeneratedProgram& program, const TempFolder& dir) {
    const std::vector<std::string> ours = lines_of(program.tarvok);
    const std::vector<std::string> theirs = lines_of(program.tass);
    const std::size_t n = ours.size();
    const uint64_t seed = program.seed;
    const std::size_t from = 1 + seed % (n / 2);
    const std::size_t to = from + 1 + (seed / 7) % (n - from - 1);
    dir.write("part.asm", joined(ours, from, to, "\r\n"));
    dir.write("part.s", joined(theirs, from, to, "\n"));

    std::string data, prg_file("\x01\x08", 2);
    for (uint64_t i = 0; i < seed % 21; ++i) data.push_back(static_cast<char>((i * 37 + seed) & 0xFF));
    for (uint64_t i = 0; i < seed % 5; ++i) prg_file.push_back(static_cast<char>((i * 91 + seed) & 0xFF));
    dir.write("data.bin", data);
    dir.write("data.prg", prg_file);

    ProgramWithIncludes split;
    split.tarvok = joined(ours, 0, from, "\n") + " include \"" + dir.file("part.asm") + "\"\n" +
                   joined(ours, to, n, "\n") + " includebinary \"" + dir.file("data.bin") + "\"\n" +
                   " includeprg \"" + dir.file("data.prg") + "\"\n";
    split.tass = joined(theirs, 0, from, "\n") + " .include \"" + dir.file("part.s") + "\"\n" +
                 joined(theirs, to, n, "\n") + " .binary \"" + dir.file("data.bin") + "\"\n" +
                 " .binary \"" + dir.file("data.prg") + "\", 2\n";
    split.extra_bytes = static_cast<int32_t>(data.size() + prg_file.size() - 2);
    return split;
}

TEST(RandomPrograms, AssembleToTheSameBytesAs64tass) {
    const std::string tass = find_on_path("64tass");
    ASSERT_FALSE(tass.empty()) << "64tass is not on PATH; scripts/install-deps.sh installs it";

    const uint64_t seed = setting("TARVOK_ORACLE_SEED", DefaultSeed);
    const uint64_t programs = setting("TARVOK_ORACLE_PROGRAMS", DefaultPrograms);
    std::cout << "oracle: " << programs << " programs from seed " << seed
              << " (repeat one with TARVOK_ORACLE_SEED=<seed> TARVOK_ORACLE_PROGRAMS=1)\n";
    RecordProperty("first_seed", std::to_string(seed));

    TempFolder dir;
    const std::string source = dir.file("program.s");
    const std::string output = dir.file("program.prg");
    uint64_t total_bytes = 0, total_branches = 0, total_labels = 0;
    for (uint64_t i = 0; i < programs; ++i) {
        GeneratedProgram program = generate_program(seed + i, {});
        // Every fourth program is spread over an included source file and two data files.
        const bool split = i % 4 == 3;
        if (split) {
            const ProgramWithIncludes spread = with_includes(program, dir);
            program.tarvok = spread.tarvok;
            program.tass = spread.tass;
            program.byte_count += spread.extra_bytes;
        }
        dir.write("program.s", program.tass);
        const ProcessResult theirs = run_process(tass, {"-q", "--cbm-prg", "-o", output, source});
        ASSERT_EQ(theirs.exit_code, 0) << "64tass refused the program of seed " << program.seed << ":\n"
                                       << theirs.err << "\n" << program.tass;
        const std::string expected = read_bytes(output);
        ASSERT_EQ(expected.size(), static_cast<std::size_t>(program.byte_count) + 2)
            << "the generator laid out the program of seed " << program.seed << " differently from 64tass";

        // The editor takes CR LF, a lone CR and a lone LF alike as line breaks.
        const char* const breaks[] = {"\n", "\r\n", "\r"};
        const std::string text = with_line_breaks(program.tarvok, breaks[i % 3]);
        const AssemblyRun ours = assemble_source(text);
        if (!ours.written || ours.file != expected) {
            const char* const names[] = {"LF", "CR LF", "CR"};
            FAIL() << "seed " << program.seed << ": Tarvok and 64tass disagree (Tarvok source with "
                   << names[i % 3] << " line breaks" << (split ? ", with include directives" : "") << ")\n"
                   << "Tarvok's messages: " << ::testing::PrintToString(message_rows(ours.messages)) << "\n"
                   << difference(ours.file, expected) << "---- Tarvok source ----\n"
                   << program.tarvok << "---- 64tass source ----\n"
                   << program.tass;
        }
        // The same source through tarvok-asm: the listing's rows, read in order, hold the program's
        // bytes, each row at the address where its bytes start.
        dir.write("program.asm", text);
        std::ostringstream out, err;
        const int status = run_tarvok_asm(
            {"-o", dir.file("tarvok.prg"), "--list", dir.file("program.lst"), dir.file("program.asm")}, out, err);
        const std::string listing = read_bytes(dir.file("program.lst"));
        const ListingBytes shown = listing_bytes(listing, program.start_address);
        if (status != 0 || read_bytes(dir.file("tarvok.prg")) != expected || shown.bytes != expected.substr(2) ||
            !shown.problem.empty()) {
            FAIL() << "seed " << program.seed << ": the listing does not show the program's bytes (exit status "
                   << status << ")\n"
                   << err.str() << (shown.problem.empty() ? "" : "row at the wrong address: " + shown.problem + "\n")
                   << difference(shown.bytes, expected.substr(2)) << "---- listing ----\n"
                   << listing;
        }
        total_bytes += expected.size() - 2;
        total_branches += static_cast<uint64_t>(program.branches);
        total_labels += static_cast<uint64_t>(program.labels);
    }
    std::cout << "oracle: " << programs << " programs agree (" << total_bytes << " bytes, " << total_labels
              << " labels, " << total_branches << " branches)\n";
}

}  // namespace
}  // namespace tarvok::e2e
