#pragma once
// The state of one assembly run. One AssemblyContext lives for the whole program; every run sets
// it up again, and the symbol list and the program file writers read what the last run left.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "assembler/statement_entry.h"

namespace tarvok {

// How the driver handles each line; the numbers are the stored values.
enum LineKind : uint8_t {
    Open = 0,             // a statement line still to be assembled
    IncludeLine = 1,      // an include directive; never assembled
    Consumed = 2,         // blank, comment-only or variable definition
    StartLine = 3,        // the accepted start address line
    Assignment = 20,      // holds "=" but not "*="
    StartCandidate = 21,  // holds "*="
};

enum class StatementClass : uint8_t { NoStatement, DataStatement, InstructionStatement };

enum class OutputKind : uint8_t { Prg = 0, P00 = 1 };

inline constexpr uint32_t UnknownSize = UINT32_MAX;

inline constexpr uint32_t NoMark = UINT32_MAX;

struct SourceLine {
    std::string_view text;  // the editor line without its line break, lower-cased (in source_text)
    // Length of text without its comment (strip_comment), once the label pass has cut it.
    uint32_t code_size = UnknownSize;
    // Where the first ";" of text is (NoMark: none), and whether text holds a tab or a double
    // quote: found when the text is read, so that the passes need not search every line for them.
    uint32_t semicolon = NoMark;
    uint8_t has_tab = 0;
    uint8_t has_quote = 0;
    // Set when "te" or "wo" starts before the first ";": every data word ("text", "byte", "dbyte",
    // "word") holds one of them, so a code field of a line without one holds no data word.
    uint8_t data_word_pair = 0;
    // The label pass's look at the first word of the line's code, for the statement pass: its
    // table row, -1 for a label, UnknownRow when the label pass has not looked (or found no word).
    int8_t word_row = UnknownRow;
    // Where the first byte other than blank and tab is (text's size when there is none), once
    // mark_blank_lines has looked at the line; UnknownSize before.
    uint32_t indent = UnknownSize;
};

struct VariableEntry {
    std::string name;
    int32_t value = 0;      // 0..65535
    int32_t line = 0;       // 0-based editor line
    int32_t size = 1;       // 1 when value <= 255, else 2
    uint8_t immediate = 0;  // the value was written with "#"
};

struct LabelEntry {
    std::string name;
    int32_t ordinal = 0;    // statement number of the labelled line
    int32_t address = -1;   // -1 until label addresses are estimated
    int32_t line = 0;       // 0-based editor line
};

// The assembled bytes in address order; each is kept as a 16-bit slot, the writers use the low 8.
using ObjectImage = std::vector<uint16_t>;

// Names to their first and last index in a list, by open addressing in a power-of-two table.
// The index keeps its own copy of the names, one after the other in one text, and a slot is one
// 64-bit word (the name's hash and its first index): a lookup reads a slot and compares the name
// in that text, all of it small enough to stay in the processor's cache for a long program.
class NameIndex {
public:
    void clear();
    // Indexes the names of entries[0..n), which have a `name` field (LabelEntry, VariableEntry).
    template <typename Entry>
    void build(const std::vector<Entry>& entries);
    // Index of the first / last entry of that name, -1 when there is none.
    int32_t first(std::string_view name) const;
    int32_t last(std::string_view name) const;
    // Index of the last entry with the name of entry `first` (a first index), -1 for -1.
    int32_t last_of(int32_t first) const { return first < 0 ? -1 : last_[static_cast<std::size_t>(first)]; }
    // True when some name is the name of more than one entry.
    bool has_repeats() const { return repeats_; }

private:
    std::string_view name_at(uint32_t i) const {
        return std::string_view(names_).substr(starts_[i], starts_[i + 1] - starts_[i]);
    }

    // The first bytes and the lengths the names have: a name that differs in either from all of
    // them is not looked for in the table (most numbers looked up as names end there).
    bool may_hold(std::string_view name) const {
        const auto first = static_cast<unsigned char>(name.empty() ? 0 : name.front());
        const std::size_t length = name.size() < 63 ? name.size() : 63;
        return ((first_bytes_[first >> 6] >> (first & 63)) & 1) != 0 && ((lengths_ >> length) & 1) != 0;
    }

    uint64_t first_bytes_[4] = {0, 0, 0, 0};
    uint64_t lengths_ = 0;           // bit n: a name of n bytes (63: of 63 or more)
    std::string names_;              // every name, one after the other
    std::vector<uint32_t> starts_;   // entry i's name is names_[starts_[i], starts_[i + 1])
    std::vector<uint64_t> slots_;    // hash << 32 | first index of the name; all ones when free
    std::vector<int32_t> last_;      // by the first index of a name: its last index
    bool repeats_ = false;
};

// Lookups by name, built once per run when the lists are complete. Each keeps the entry that a
// walk through the list in definition order would stop at.
struct SymbolIndex {
    NameIndex variable_names;  // over ctx.variables
    NameIndex label_names;     // over ctx.labels
    std::vector<int32_t> label_on_line;  // line -> index of the first label of that line, or -1

    void clear();
    // Builds the variable lookups from ctx.variables.
    void index_variables(const std::vector<VariableEntry>& variables);
    // Builds the label lookups from ctx.labels, for lines 0..line_count.
    void index_labels(const std::vector<LabelEntry>& labels, int32_t line_count);

    // Index of the first variable / label of that name, -1 when there is none.
    int32_t variable(std::string_view name) const;
    int32_t label(std::string_view name) const;
    int32_t last_label_named(std::string_view name) const;
    // Index of the last label with the name of label `first` (a first index as label() gives it).
    int32_t last_label_like(int32_t first) const { return label_names.last_of(first); }
};

struct AssemblyContext {
    // The editor's lines as one lower-cased text, each line followed by "\n"; lines views into it.
    std::string source_text;
    std::vector<SourceLine> lines;
    std::size_t source_commas = 0;  // commas in the text read (room for the data bytes)
    int32_t line_count = 0;
    std::vector<uint8_t> line_kind;       // LineKind per line, line_count + 1 entries
    std::vector<uint8_t> line_has_label;  // 1 where a label was defined on the line
    std::vector<VariableEntry> variables;
    std::vector<LabelEntry> labels;
    std::vector<StatementEntry> statements;
    // The statements' operands one after the other (StatementEntry::operand_at).
    std::string operand_text;
    ObjectImage object_image;
    std::vector<int32_t> include_lines;
    int32_t start_address = 0;
    uint8_t error = 0;
    uint8_t quiet = 0;
    OutputKind output_kind = OutputKind::Prg;
    uint8_t includes_expanded = 0;
    uint8_t source_saved = 0;
    int32_t insert_line = 0;
    int32_t current_line = 0;
    int16_t progress = 0;
    // While a box of show_error_then_goto is up: the line selected once it is answered; else -1.
    int32_t line_selected_after_box = -1;

    // Statement pass: the class of the line being handled, and the instruction record created
    // for it (-1 while the line has none).
    StatementClass statement_class = StatementClass::NoStatement;
    int32_t current_record = -1;
    // Mode found by the last operand shape classification.
    int32_t current_mode = 0;

    // Low and high byte of the start address, stored when the bytes are emitted.
    uint8_t load_address_low = 0;
    uint8_t load_address_high = 0;
    // The 26-byte header of a P00 file, prepared by its writer.
    std::vector<uint8_t> p00_header;

    SymbolIndex symbols;

    // Set by the command-line assembler, which names its output file exactly: the writers then add
    // no extension to the path the save requester answers.
    uint8_t keep_output_name = 0;
    // 0 for the command-line assembler, which cannot show a file requester: an include directive
    // without a file name is an error there.
    uint8_t ask_include_names = 1;
    // Set by a writer when it has written the program file of this run.
    uint8_t output_written = 0;
};

inline std::string_view operand_of(const AssemblyContext& ctx, const StatementEntry& rec) {
    return std::string_view(ctx.operand_text).substr(rec.operand_at, rec.operand_length);
}

// Makes text the operand of rec. text must not view ctx.operand_text. The two bytes of a "word" or
// "dbyte" label field name the same label: the second record shares the first one's text.
inline void set_operand(AssemblyContext& ctx, StatementEntry& rec, std::string_view text) {
    if (!std::string_view(ctx.operand_text).ends_with(text)) {
        ctx.operand_text += text;
    }
    rec.operand_at = static_cast<uint32_t>(ctx.operand_text.size() - text.size());
    rec.operand_length = static_cast<uint32_t>(text.size());
}

}  // namespace tarvok
