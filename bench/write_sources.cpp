// Writes one generated program twice, as the comparison with 64tass needs it:
//   bench_write_sources SEED CHARACTERS TARVOK_FILE TASS_FILE
// TARVOK_FILE gets the source in Tarvok's dialect (at most CHARACTERS characters, "\n" line
// breaks), TASS_FILE the same program for 64tass. One line on standard output tells the size:
// characters, lines, labels, variables and program bytes.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "tests/oracle/program_generator.h"

namespace {

bool write_file(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: bench_write_sources SEED CHARACTERS TARVOK_FILE TASS_FILE\n";
        return 2;
    }
    const uint64_t seed = std::strtoull(argv[1], nullptr, 10);
    const long chars = std::strtol(argv[2], nullptr, 10);
    if (chars <= 0 || chars > 100'000'000) {
        std::cerr << "bench_write_sources: CHARACTERS must be a positive number\n";
        return 2;
    }
    const tarvok::GeneratedProgram program =
        tarvok::generate_program(seed, tarvok::realistic_source_settings(static_cast<int32_t>(chars)));
    if (!write_file(argv[3], program.tarvok) || !write_file(argv[4], program.tass)) {
        std::cerr << "bench_write_sources: cannot write the sources\n";
        return 1;
    }
    std::cout << program.tarvok.size() << " characters, " << program.line_count << " lines, "
              << program.labels << " labels, " << program.variables << " variables, "
              << program.byte_count << " bytes from $" << std::hex << program.start_address << '\n';
    return 0;
}
