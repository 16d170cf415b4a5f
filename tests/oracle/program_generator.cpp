#include "tests/oracle/program_generator.h"

#include <array>
#include <cstdio>
#include <random>
#include <string_view>
#include <vector>

namespace tarvok {
namespace {

// The addressing modes of the real 6502, as the generator writes them.
enum class Mode {
    Implied,
    Accumulator,
    Immediate,
    ZeroPage,
    ZeroPageX,
    ZeroPageY,
    Absolute,
    AbsoluteX,
    AbsoluteY,
    IndirectX,
    IndirectY,
    Indirect,
    Relative,
};

int32_t mode_length(Mode m) {
    switch (m) {
        case Mode::Implied:
        case Mode::Accumulator: return 1;
        case Mode::Absolute:
        case Mode::AbsoluteX:
        case Mode::AbsoluteY:
        case Mode::Indirect: return 3;
        default: return 2;
    }
}

struct Instruction {
    std::string_view name;
    std::vector<Mode> modes;
};

using enum Mode;
// Every mnemonic with every mode it really has.
const std::vector<Instruction>& instructions() {
    static const std::vector<Instruction> table = [] {
        const std::vector<Mode> all8 = {Immediate, ZeroPage,  ZeroPageX, Absolute,
                                        AbsoluteX, AbsoluteY, IndirectX, IndirectY};
        const std::vector<Mode> shift = {Accumulator, ZeroPage, ZeroPageX, Absolute, AbsoluteX};
        const std::vector<Mode> implied = {Implied};
        std::vector<Instruction> t = {
            {"adc", all8},
            {"and", all8},
            {"asl", shift},
            {"bit", {ZeroPage, Absolute}},
            {"brk", implied},
            {"clc", implied},
            {"cld", implied},
            {"cli", implied},
            {"clv", implied},
            {"cmp", all8},
            {"cpx", {Immediate, ZeroPage, Absolute}},
            {"cpy", {Immediate, ZeroPage, Absolute}},
            {"dec", {ZeroPage, ZeroPageX, Absolute, AbsoluteX}},
            {"dex", implied},
            {"dey", implied},
            {"eor", all8},
            {"inc", {ZeroPage, ZeroPageX, Absolute, AbsoluteX}},
            {"inx", implied},
            {"iny", implied},
            {"jmp", {Absolute, Indirect}},
            {"jsr", {Absolute}},
            {"lda", all8},
            {"ldx", {Immediate, ZeroPage, ZeroPageY, Absolute, AbsoluteY}},
            {"ldy", {Immediate, ZeroPage, ZeroPageX, Absolute, AbsoluteX}},
            {"lsr", shift},
            {"nop", implied},
            {"ora", all8},
            {"pha", implied},
            {"php", implied},
            {"pla", implied},
            {"plp", implied},
            {"rol", shift},
            {"ror", shift},
            {"rti", implied},
            {"rts", implied},
            {"sbc", all8},
            {"sec", implied},
            {"sed", implied},
            {"sei", implied},
            {"sta", {ZeroPage, ZeroPageX, Absolute, AbsoluteX, AbsoluteY, IndirectX, IndirectY}},
            {"stx", {ZeroPage, ZeroPageY, Absolute}},
            {"sty", {ZeroPage, ZeroPageX, Absolute}},
            {"tax", implied},
            {"tay", implied},
            {"tsx", implied},
            {"txa", implied},
            {"txs", implied},
            {"tya", implied},
        };
        return t;
    }();
    return table;
}

constexpr std::array<std::string_view, 8> BranchNames = {"bcc", "bcs", "beq", "bmi",
                                                          "bne", "bpl", "bvc", "bvs"};

// Words for comments: none holds "=", "*=", "include" or a quote.
constexpr std::array<std::string_view, 12> CommentWords = {
    "loop", "next", "set colour", "store pointer", "count down", "fetch",
    "done", "init", "raster", "keep x", "sprite", "wait"};

std::string hex2(int32_t v) {
    char b[8];
    std::snprintf(b, sizeof b, "$%02x", static_cast<unsigned>(v & 0xFF));
    return b;
}

std::string hex4(int32_t v) {
    char b[8];
    std::snprintf(b, sizeof b, "$%04x", static_cast<unsigned>(v & 0xFFFF));
    return b;
}

std::string binary(int32_t v, int32_t digits) {
    std::string s = "%";
    for (int32_t bit = digits - 1; bit >= 0; --bit) s += ((v >> bit) & 1) ? '1' : '0';
    return s;
}

std::string upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return s;
}

struct Symbol {
    std::string name;
    int32_t value = 0;
};

// One operand in both notations.
struct Operand {
    std::string tarvok;
    std::string tass;
};

class Generator {
public:
    Generator(uint64_t seed, const GeneratorSettings& settings) : rng_(seed), settings_(settings) {
        program_.seed = seed;
    }

    GeneratedProgram run();

private:
    int32_t pick(int32_t n) { return n <= 1 ? 0 : static_cast<int32_t>(rng_() % static_cast<uint64_t>(n)); }
    int32_t between(int32_t lo, int32_t hi) { return lo + pick(hi - lo + 1); }
    bool chance(int32_t percent) { return pick(100) < percent; }

    // Source text in the letter case the user happened to type.
    std::string typed(const std::string& s) { return chance(15) ? upper(s) : s; }

    bool room_for(std::size_t extra) const {
        return settings_.max_source_chars <= 0 ||
               program_.tarvok.size() + extra + 1 <= static_cast<std::size_t>(settings_.max_source_chars);
    }
    void line(const std::string& tarvok, const std::string& tass) {
        program_.tarvok += tarvok;
        program_.tarvok += '\n';
        ++program_.line_count;
        if (settings_.with_tass) {
            program_.tass += tass;
            program_.tass += '\n';
        }
    }

    std::string comment() {
        std::string text(CommentWords[static_cast<std::size_t>(pick(CommentWords.size()))]);
        for (int32_t i = 1; i < settings_.comment_words; ++i) {
            text += i % 3 == 0 ? ", " : " ";
            text += CommentWords[static_cast<std::size_t>(pick(CommentWords.size()))];
        }
        return text;
    }

    void define_variables();
    void define_variable(int32_t kind);
    void statement_line(const std::string& mnemonic_tarvok, const std::string& operand_tarvok,
                        const std::string& tass_body, int32_t length, bool allow_comment = true);
    std::string take_label();
    std::string new_label_name();

    void instruction();
    void branch();
    void data_line();
    void text_line();
    void pad_with_nops(int32_t count);
    void pad_to_forward_limit();

    Operand operand_for(std::string_view mnemonic, Mode mode);
    Operand immediate(std::string_view mnemonic);
    Operand zero_page(const char* index);
    Operand absolute(const char* index, bool indexed);
    const Symbol& any_label();
    std::string label_use(const std::string& name) { return chance(20) ? upper(name) : name; }

    std::mt19937_64 rng_;
    GeneratorSettings settings_;
    GeneratedProgram program_;
    int32_t address_ = 0;
    std::vector<Symbol> zero_page_vars_, absolute_vars_, immediate_vars_;
    std::vector<Symbol> labels_;  // placed labels, in address order
    // A label that forward branches already use and that the next statements must carry; its
    // address is the address of the first branch that uses it.
    std::string pending_;
    int32_t pending_since_ = 0;
    bool pending_to_limit_ = false;
    bool force_pending_ = false;
    int32_t label_counter_ = 0;
};

// One variable definition line of the given kind: 0 zero page, 1 absolute, 2 "#" constant.
void Generator::define_variable(int32_t kind) {
    std::string value;
    std::string tass_value;
    Symbol s;
    if (kind == 0) {
        s = {"zp" + std::to_string(zero_page_vars_.size()), between(2, 0xF0)};
        switch (pick(4)) {
            case 0: value = std::to_string(s.value); break;
            case 1: value = binary(s.value, 8); break;
            default: value = hex2(s.value); break;
        }
        tass_value = hex2(s.value);
    } else if (kind == 1) {
        s = {"ab" + std::to_string(absolute_vars_.size()), between(0x100, 0xFFFF)};
        switch (pick(4)) {
            case 0: value = std::to_string(s.value); break;
            case 1: value = binary(s.value, 16); break;
            default: value = hex4(s.value); break;
        }
        tass_value = hex4(s.value);
    } else {
        s = {"im" + std::to_string(immediate_vars_.size()), between(0, 0xFF)};
        switch (pick(3)) {
            case 0: value = "#" + std::to_string(s.value); break;
            case 1: value = "#" + binary(s.value, 8); break;
            default: value = "#" + hex2(s.value); break;
        }
        tass_value = hex2(s.value);
    }
    std::string def = chance(50) ? s.name + " = " + value : s.name + "=" + value;
    if (chance(15)) def = s.name + "\t=\t" + value;
    std::string tass = s.name + " = " + tass_value;
    if (chance(15)) {
        const std::string note = " ; " + comment();
        def += note;
        tass += note;
    }
    line(typed(def), tass);
    (kind == 0 ? zero_page_vars_ : kind == 1 ? absolute_vars_ : immediate_vars_).push_back(s);
    ++program_.variables;
}

void Generator::define_variables() {
    const int32_t zp = between(2, 6), ab = between(2, 5), im = between(1, 4);
    for (int32_t i = 0; i < zp; ++i) define_variable(0);
    for (int32_t i = 0; i < ab; ++i) define_variable(1);
    for (int32_t i = 0; i < im; ++i) define_variable(2);
}

// A label name not used before, in one of a few shapes a programmer would write.
std::string Generator::new_label_name() {
    static constexpr std::array<std::string_view, 8> prefixes = {"l", "loop", "next", "skip",
                                                                 "tab_", "irq", "fb", "x"};
    return std::string(prefixes[static_cast<std::size_t>(pick(prefixes.size()))]) +
           std::to_string(label_counter_++);
}

// The label the next statement carries: the pending forward target when there is one, sometimes
// a fresh one, else none.
std::string Generator::take_label() {
    if (!pending_.empty()) {
        const int32_t distance = address_ - pending_since_;
        // Statements are at most 16 bytes long, so waiting longer could leave the target too far.
        const bool must = force_pending_ || (pending_to_limit_ ? distance == 127 : distance + 16 > 127);
        const bool may = !pending_to_limit_ && chance(30);
        if (must || may) {
            std::string name = pending_;
            labels_.push_back({name, address_});
            pending_.clear();
            return name;
        }
        return "";
    }
    if (chance(settings_.label_percent)) {
        std::string name = new_label_name();
        labels_.push_back({name, address_});
        ++program_.labels;
        return name;
    }
    return "";
}

void Generator::statement_line(const std::string& mnemonic_tarvok, const std::string& operand_tarvok,
                               const std::string& tass_body, int32_t length, bool allow_comment) {
    const std::string label = take_label();
    std::string t;
    if (!label.empty()) {
        t = chance(20) ? upper(label) : label;
        t += chance(15) ? "\t" : std::string(static_cast<std::size_t>(between(1, 3)), ' ');
    } else {
        t = chance(20) ? "\t" : std::string(static_cast<std::size_t>(between(1, 8)), ' ');
    }
    t += mnemonic_tarvok;
    if (!operand_tarvok.empty()) t += std::string(static_cast<std::size_t>(between(1, 2)), ' ') + operand_tarvok;
    std::string tass = label + " " + tass_body;
    if (allow_comment && chance(settings_.comment_percent)) {
        const std::string note = "; " + comment();
        t += std::string(static_cast<std::size_t>(between(1, 6)), ' ') + note;
        tass += " " + note;
    }
    line(t, tass);
    address_ += length;
}

const Symbol& Generator::any_label() { return labels_[static_cast<std::size_t>(pick(static_cast<int32_t>(labels_.size())))]; }

Operand Generator::immediate(std::string_view mnemonic) {
    (void)mnemonic;
    const int32_t v = between(0, 255);
    switch (pick(10)) {
        case 0: return {"#" + std::to_string(v), "#" + std::to_string(v)};
        case 1: return {"#" + binary(v, 8), "#" + binary(v, 8)};
        case 2: {
            const char c = static_cast<char>('a' + pick(26));
            return {std::string("#\"") + c + "\"", hex2(c - 32).insert(0, "#")};
        }
        case 3:
            if (!immediate_vars_.empty()) {
                const Symbol& s = immediate_vars_[static_cast<std::size_t>(pick(static_cast<int32_t>(immediate_vars_.size())))];
                return {typed(s.name), "#" + s.name};
            }
            break;
        case 4:
        case 5:
            if (!labels_.empty()) {
                const Symbol& s = any_label();
                const char* sel = pick(2) ? "<" : ">";
                const char* hash = chance(60) ? "#" : "";
                return {hash + std::string(sel) + label_use(s.name), std::string("#") + sel + s.name};
            }
            break;
        case 6:
            if (!absolute_vars_.empty()) {
                const Symbol& s = absolute_vars_[static_cast<std::size_t>(pick(static_cast<int32_t>(absolute_vars_.size())))];
                const char* sel = pick(2) ? "<" : ">";
                return {"#" + std::string(sel) + typed(s.name), std::string("#") + sel + s.name};
            }
            break;
        case 7:
            if (!zero_page_vars_.empty()) {
                const Symbol& s = zero_page_vars_[static_cast<std::size_t>(pick(static_cast<int32_t>(zero_page_vars_.size())))];
                const char* sel = pick(2) ? "<" : ">";
                const char* hash = chance(50) ? "#" : "";
                return {hash + std::string(sel) + typed(s.name), std::string("#") + sel + s.name};
            }
            break;
        default: break;
    }
    const std::string h = hex2(v);
    return {"#" + typed(h), "#" + h};
}

Operand Generator::zero_page(const char* index) {
    if (!zero_page_vars_.empty() && chance(40)) {
        const Symbol& s = zero_page_vars_[static_cast<std::size_t>(pick(static_cast<int32_t>(zero_page_vars_.size())))];
        if (*index == 0 && chance(20)) {
            const int32_t n = between(1, 255 - s.value < 15 ? 255 - s.value : 15);
            return {typed(s.name) + "+" + std::to_string(n), s.name + "+" + std::to_string(n)};
        }
        return {typed(s.name) + index, s.name + index};
    }
    const int32_t v = between(0, 255);
    const std::string h = (v < 16 && *index == 0 && chance(20)) ? "$" + std::string(1, "0123456789abcdef"[v]) : hex2(v);
    return {typed(h) + index, h + index};
}

Operand Generator::absolute(const char* index, bool indexed) {
    switch (pick(8)) {
        case 0:
        case 1:
            if (!labels_.empty()) {
                const Symbol& s = any_label();
                std::string suffix;
                if (chance(30)) suffix = (chance(75) ? "+" : "-") + std::to_string(between(1, 40));
                return {label_use(s.name) + suffix + index, s.name + suffix + index};
            }
            break;
        case 2:
            if (!pending_.empty() && !indexed) return {label_use(pending_), pending_};
            break;
        case 3:
            if (!absolute_vars_.empty()) {
                const Symbol& s = absolute_vars_[static_cast<std::size_t>(pick(static_cast<int32_t>(absolute_vars_.size())))];
                std::string suffix;
                // An offset that keeps the address within 256..65535.
                if (chance(25)) {
                    const int32_t n = between(1, 30);
                    if (s.value + n <= 0xFFFF && chance(50)) suffix = "+" + std::to_string(n);
                    else if (s.value - n >= 0x100) suffix = "-" + std::to_string(n);
                }
                return {typed(s.name) + suffix + index, s.name + suffix + index};
            }
            break;
        case 4: {
            const int32_t v = between(256, 65535);
            return {std::to_string(v) + index, std::to_string(v) + index};
        }
        default: break;
    }
    const int32_t v = chance(20) ? between(0, 255) : between(0, 0xFFFF);
    const std::string h = hex4(v);
    return {typed(h) + index, (v < 256 ? "@w " : "") + h + index};
}

Operand Generator::operand_for(std::string_view mnemonic, Mode mode) {
    switch (mode) {
        case Implied: return {};
        case Accumulator: return pick(2) ? Operand{typed("a"), "a"} : Operand{"", "a"};
        case Immediate: return immediate(mnemonic);
        case ZeroPage: return zero_page("");
        case ZeroPageX: return zero_page(",x");
        case ZeroPageY: return zero_page(",y");
        case Absolute: return absolute("", false);
        case AbsoluteX: return absolute(",x", true);
        case AbsoluteY: return absolute(",y", true);
        case IndirectX: {
            Operand z = zero_page("");
            if (z.tass.find('+') != std::string::npos) z = {hex2(between(0, 255)), ""}, z.tass = z.tarvok;
            return {"(" + z.tarvok + ",x)", "(" + z.tass + ",x)"};
        }
        case IndirectY: {
            Operand z = zero_page("");
            if (z.tass.find('+') != std::string::npos) z = {hex2(between(0, 255)), ""}, z.tass = z.tarvok;
            return {"(" + z.tarvok + "),y", "(" + z.tass + "),y"};
        }
        case Indirect: {
            if (!labels_.empty() && chance(30)) {
                const Symbol& s = any_label();
                return {"(" + label_use(s.name) + ")", "(" + s.name + ")"};
            }
            if (!absolute_vars_.empty() && chance(30)) {
                const Symbol& s = absolute_vars_[static_cast<std::size_t>(pick(static_cast<int32_t>(absolute_vars_.size())))];
                return {"(" + typed(s.name) + ")", "(" + s.name + ")"};
            }
            const std::string h = hex4(between(0, 0xFFFF));
            return {"(" + typed(h) + ")", "(" + h + ")"};
        }
        case Relative: return {};
    }
    return {};
}

void Generator::instruction() {
    const auto& table = instructions();
    const Instruction& ins = table[static_cast<std::size_t>(pick(static_cast<int32_t>(table.size())))];
    const Mode mode = ins.modes[static_cast<std::size_t>(pick(static_cast<int32_t>(ins.modes.size())))];
    const Operand op = operand_for(ins.name, mode);
    std::string tass_body(ins.name);
    if (!op.tass.empty()) tass_body += " " + op.tass;
    statement_line(typed(std::string(ins.name)), op.tarvok, tass_body, mode_length(mode));
}

void Generator::pad_with_nops(int32_t count) {
    for (int32_t i = 0; i < count; ++i) statement_line(typed("nop"), "", "nop", 1);
}

void Generator::branch() {
    const std::string name(BranchNames[static_cast<std::size_t>(pick(BranchNames.size()))]);
    ++program_.branches;
    // Backward, to a label at most 126 bytes back (sometimes exactly 126, after padding).
    if (!labels_.empty() && chance(50)) {
        std::vector<const Symbol*> near;
        for (auto it = labels_.rbegin(); it != labels_.rend() && address_ - it->value <= 126; ++it)
            near.push_back(&*it);
        if (!near.empty()) {
            const Symbol target = *near[static_cast<std::size_t>(pick(static_cast<int32_t>(near.size())))];
            // Now and then pad with single bytes so that the branch reaches exactly 126 bytes back.
            const int32_t gap = 126 - (address_ - target.value);
            if (pending_.empty() && gap <= 24 && chance(40)) pad_with_nops(gap);
            const bool as_number = target.value <= 0xFFFF && chance(10);
            const std::string t = as_number ? hex4(target.value) : label_use(target.name);
            statement_line(typed(name), t, name + " " + (as_number ? hex4(target.value) : target.name), 2);
            return;
        }
    }
    // Forward, to the pending label (a new one when none is pending).
    if (pending_.empty()) {
        pending_ = new_label_name();
        ++program_.labels;
        pending_since_ = address_;
        pending_to_limit_ = chance(15);
    }
    const std::string target = pending_;
    statement_line(typed(name), label_use(target), name + " " + target, 2);
}

// A forward target meant to sit exactly 127 bytes after its first branch: once ordinary
// statements could overshoot, single bytes fill the rest of the way.
void Generator::pad_to_forward_limit() {
    if (pending_.empty() || !pending_to_limit_) return;
    const int32_t distance = address_ - pending_since_;
    if (distance + 16 > 127) pad_with_nops(127 - distance);
}

void Generator::data_line() {
    const int32_t kind = pick(3);  // byte, word, dbyte
    const char* word = kind == 0 ? "byte" : kind == 1 ? "word" : "dbyte";
    const int32_t fields = between(1, 6);
    std::string t, tass;
    int32_t length = 0;
    auto add = [&](const std::string& tf, const std::string& tassf, int32_t n) {
        if (!t.empty()) t += chance(20) ? ", " : ",";
        if (!tass.empty()) tass += ",";
        t += tf;
        tass += tassf;
        length += n;
    };
    for (int32_t f = 0; f < fields; ++f) {
        const int32_t choice = pick(10);
        if (choice <= 2 && !labels_.empty()) {
            const Symbol& s = any_label();
            const std::string use = label_use(s.name);
            const int32_t sel = pick(3);  // 0 none, 1 low, 2 high
            const std::string prefix = sel == 1 ? "<" : sel == 2 ? ">" : "";
            if (kind == 0) {
                add(prefix + use, (sel == 1 ? "<" : ">") + s.name, 1);
            } else if (kind == 1) {
                if (sel == 0) add(use, "<" + s.name + ",>" + s.name, 2);
                else add(prefix + use, prefix + s.name, 1);
            } else {
                add(prefix + use, ">" + s.name + ",<" + s.name, 2);
            }
            continue;
        }
        if (choice == 3 && !absolute_vars_.empty()) {
            const Symbol& s = absolute_vars_[static_cast<std::size_t>(pick(static_cast<int32_t>(absolute_vars_.size())))];
            const int32_t sel = pick(3);
            const std::string prefix = sel == 1 ? "<" : sel == 2 ? ">" : "";
            const int32_t v = sel == 1 ? (s.value & 0xFF) : sel == 2 ? (s.value >> 8) : s.value;
            if (kind == 0) add(prefix + typed(s.name), hex2(v > 255 ? v >> 8 : v), 1);
            else if (kind == 1) {
                if (sel == 0) add(typed(s.name), hex2(v >> 8) + "," + hex2(v), 2);
                else add(prefix + typed(s.name), hex2(v), 1);
            } else add(prefix + typed(s.name), hex2(v) + "," + hex2(v >> 8), 2);
            continue;
        }
        if (choice == 4 && !zero_page_vars_.empty()) {
            const Symbol& s = zero_page_vars_[static_cast<std::size_t>(pick(static_cast<int32_t>(zero_page_vars_.size())))];
            if (kind == 0) add(typed(s.name), hex2(s.value), 1);
            else if (kind == 1) add(typed(s.name), "0," + hex2(s.value), 2);
            else add(typed(s.name), hex2(s.value) + ",0", 2);
            continue;
        }
        // A number, in any notation; for "word" and "dbyte" any 16-bit value.
        const int32_t v = kind == 0 ? between(0, 255) : (chance(30) ? between(0, 255) : between(0, 0xFFFF));
        std::string text;
        switch (pick(5)) {
            case 0: text = std::to_string(v); break;
            case 1: text = binary(v, v > 255 ? 16 : 8); break;
            case 2:
                if (kind == 0) {
                    const char c = static_cast<char>('a' + pick(26));
                    add(std::string("\"") + c + "\"", hex2(c - 32), 1);
                    continue;
                }
                text = hex4(v);
                break;
            default: text = v > 255 ? hex4(v) : hex2(v); break;
        }
        if (kind == 0) {
            add(typed(text), hex2(v), 1);
        } else if (kind == 1) {
            if (v > 255 && chance(25)) {
                const bool low = pick(2);
                add((low ? "<" : ">") + typed(text), hex2(low ? v : v >> 8), 1);
            } else {
                add(typed(text), hex2(v >> 8) + "," + hex2(v), 2);
            }
        } else {
            add(typed(text), hex2(v) + "," + hex2(v >> 8), 2);
        }
    }
    statement_line(typed(word), t, ".byte " + tass, length);
}

void Generator::text_line() {
    const bool screen = chance(40);
    const int32_t n = between(1, 14);
    std::string s, tass;
    for (int32_t i = 0; i < n; ++i) {
        char c;
        const int32_t r = pick(10);
        if (r < 7) c = static_cast<char>('a' + pick(26));
        else if (r == 7) c = static_cast<char>('0' + pick(10));
        else if (r == 8) c = ' ';
        else c = "!?.-:/"[pick(6)];
        s += c;
    }
    // Keep clear of the words the operand field check refuses and of directive words.
    for (std::string_view bad : {"text", "byte", "word", "dbyte", "include"})
        if (s.find(bad) != std::string::npos) s = "ok";
    const std::string written = chance(15) ? upper(s) : s;
    for (char c : written) {
        int32_t code = static_cast<unsigned char>(c);
        if (screen) {
            if (code >= 64 && code <= 91) code -= 64;
            else if (code >= 97 && code <= 122) code -= 96;
        } else if (code >= 'a' && code <= 'z') {
            code -= 32;
        }
        if (!tass.empty()) tass += ",";
        tass += hex2(code);
    }
    const char q = screen ? '`' : '"';
    // A comment after the string must follow it with exactly one blank: the string's characters
    // run up to the last character before the comment.
    std::string label = take_label();
    std::string t = label.empty() ? std::string(static_cast<std::size_t>(between(1, 4)), ' ') : label + " ";
    t += typed("text") + " " + q + written + q;
    tass = label + " .byte " + tass;
    if (chance(settings_.comment_percent)) {
        const std::string note = comment();
        t += " ;" + note;
        tass += " ;" + note;
    }
    line(t, tass);
    address_ += static_cast<int32_t>(written.size());
}

GeneratedProgram Generator::run() {
    program_.start_address = settings_.start_address > 0      ? settings_.start_address
                             : chance(50)                     ? 0x0801
                                                              : between(0x0801, 0xC000);
    const std::string start = hex4(program_.start_address);
    std::string start_line = chance(20) ? "*= " + start : "*=" + start;
    if (chance(20)) start_line += " ; start";
    line(typed(start_line), "*=" + start);
    address_ = program_.start_address;
    define_variables();

    for (int32_t i = 0; i < settings_.statements; ++i) {
        if (!room_for(400)) break;
        if (address_ > 0xFF00) break;
        pad_to_forward_limit();
        const int32_t r = pick(100 + settings_.variable_percent);
        if (r < 62) instruction();
        else if (r < 74) branch();
        else if (r < 86) data_line();
        else if (r < 91) text_line();
        else if (r < 93) line("", "");
        else if (r < 93 + settings_.variable_percent) define_variable(pick(3));
        else {
            const std::string note = "; " + comment();
            line(std::string(static_cast<std::size_t>(pick(3)), ' ') + note, note);
        }
    }
    // Give a still pending forward target its statement.
    if (!pending_.empty()) {
        force_pending_ = true;
        statement_line(typed("rts"), "", "rts", 1);
    }
    program_.byte_count = address_ - program_.start_address;
    return program_;
}

}  // namespace

GeneratedProgram generate_program(uint64_t seed, const GeneratorSettings& settings) {
    return Generator(seed, settings).run();
}

GeneratorSettings realistic_source_settings(int32_t max_chars) {
    GeneratorSettings settings;
    settings.statements = 10'000'000;  // the character limit ends the source
    settings.max_source_chars = max_chars;
    settings.comment_percent = 60;
    settings.comment_words = 4;
    settings.variable_percent = 3;
    settings.label_percent = 85;
    settings.start_address = 0x0801;
    return settings;
}

}  // namespace tarvok
