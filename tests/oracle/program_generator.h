#pragma once
// Random 6502 programs written twice: once in Tarvok's dialect and once for 64tass, restricted to
// the forms on which the two assemblers must produce the same bytes. The differential test feeds
// both versions to both assemblers; the benchmarks use the Tarvok half to build long sources.
//
// What the programs use: a "*=" start address from $0801 up (so every label is an absolute
// address), every real addressing mode of the 56 mnemonics, two-digit "$" operands for zero page
// and four-digit ones for absolute addresses, "#" immediates in every notation, labels without
// colons (with uses in any letter case), zero-page, absolute and "#" variables, "label+N" and
// "label-N", "<" and ">" byte selections, branches both ways up to their limits, and "byte",
// "word", "dbyte" and "text" lines.

#include <cstdint>
#include <string>

namespace tarvok {

struct GeneratorSettings {
    // Statement lines to write (instructions and data), not counting padding before branches.
    int32_t statements = 160;
    // When above 0: the Tarvok source stops before it would hold more characters than this
    // (line breaks count one each); statements is then only an upper bound.
    int32_t max_source_chars = 0;
    // Chance in percent that a statement line carries a trailing comment.
    int32_t comment_percent = 15;
    // Chance, in percent of a statement line, of one more variable definition line between the
    // statements (the program always starts with a few).
    int32_t variable_percent = 2;
    // Chance in percent that a statement line carries a new label (forward branch targets come
    // on top).
    int32_t label_percent = 22;
    // Words in each comment (picked one by one from a list of short phrases).
    int32_t comment_words = 1;
    // Load address of the program; 0 picks one ($0801 or somewhere up to $C000).
    int32_t start_address = 0;
    // Also write the 64tass translation.
    bool with_tass = true;
};

struct GeneratedProgram {
    uint64_t seed = 0;
    int32_t start_address = 0;
    int32_t byte_count = 0;  // program bytes after the load address
    std::string tarvok;      // Tarvok source, "\n" line breaks
    std::string tass;        // the same program for 64tass ("" without with_tass)
    int32_t line_count = 0;  // lines of the Tarvok source
    int32_t labels = 0;
    int32_t variables = 0;
    int32_t branches = 0;
};

// The program of a seed: the same seed and settings always give the same program. The code always
// ends below $10000.
GeneratedProgram generate_program(uint64_t seed, const GeneratorSettings& settings);

// Settings for a long source as a programmer writes one, of at most max_chars characters: labels
// on most statements, comments after most of them and on lines of their own, blank lines, code
// from $0801. A source at the editor's limit (1,000,000 characters) still fits below $FFFF.
GeneratorSettings realistic_source_settings(int32_t max_chars);

}  // namespace tarvok
