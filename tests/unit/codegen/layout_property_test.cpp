// Zero-page programs whose labels lie below and around 256, where an operand naming a label is one
// byte or two depending on where the label ends up. A seeded generator writes them; every program
// that assembles is read back as 6502 code, and each label must be the address of its line's first
// byte and each operand must name that address. A program that does not assemble must have been
// refused for a branch out of range, or for a layout that cannot settle on a line whose operand
// shrinks as its label moves up (a label after the start, subtracted or divided by).
#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>
#include <random>
#include <string>
#include <vector>

#include "runtime/window/script.h"
#include "tests/support/assembly_fixture.h"

namespace tarvok::testing {
namespace {

constexpr uint64_t FirstSeed = 256;
constexpr int Programs = 3000;

enum class Form {
    Implied,         // " nop", one byte, no label
    Fixed,           // an operand without a label: " lda $fb", " sta $0400", " lda #1"
    Label,           // " lda L"
    LabelPlus,       // " lda L+N"
    LabelMinus,      // " lda L-N"
    LabelOver,       // " lda L/N"
    NumberTimes,     // " lda N*L"
    NumberMinus,     // " lda N-L": shrinks as L moves up
    NumberOver,      // " lda N/L": shrinks as L moves up
    LabelIndexed,    // " lda L,x"
    LowByte,         // " lda #<L"
    HighByte,        // " lda #>L"
    Branch,          // " bne L"
    DataByte,        // " byte L"
    DataWord,        // " word L"
    DataSelections,  // " byte <L,>L"
    FormCount,
};

struct Line {
    std::string text;
    Form form = Form::Implied;
    int label = -1;  // the label the operand names
    int32_t n = 0;   // the number beside it
    int defines = -1;  // the label written in front of the line
};

struct Program {
    int32_t start = 0;
    std::vector<Line> lines;  // the statement lines, after the "*=" line
    int labels = 0;
    std::string source;
};

// "l" and the label's number. Built by appending: GCC 12 at -O3 reports a false -Wrestrict for
// "l" + std::string.
std::string label_name(int number) {
    std::string name = "l";
    name += std::to_string(number);
    return name;
}

Program generate(uint64_t seed) {
    std::mt19937_64 rng(seed);
    auto pick = [&rng](int32_t lo, int32_t hi) {
        return std::uniform_int_distribution<int32_t>(lo, hi)(rng);
    };
    Program p;
    p.start = pick(0x90, 0xFF);
    const int count = pick(3, 70);
    for (int i = 0; i < count; ++i) {
        Line line;
        if (pick(0, 99) < 40 || (i == count - 1 && p.labels == 0)) {
            line.defines = p.labels++;
        }
        p.lines.push_back(line);
    }
    const char* const loads[] = {"lda", "ldx", "ldy", "cmp", "adc", "sta", "ora", "eor"};
    const char* const fixed[] = {" lda $fb", " sta $0400", " lda #1", " ldy $fe,x", " lda ($fb),y"};
    for (Line& line : p.lines) {
        line.form = static_cast<Form>(pick(0, static_cast<int>(Form::FormCount) - 1));
        line.label = pick(0, p.labels - 1);
        const std::string l = label_name(line.label);
        std::string s;
        switch (line.form) {
            case Form::Implied: s = " nop"; break;
            case Form::Fixed: s = fixed[pick(0, 4)]; break;
            case Form::Label: s = std::string(" ") + loads[pick(0, 7)] + " " + l; break;
            case Form::LabelPlus: line.n = pick(0, 300); s = " lda " + l + "+" + std::to_string(line.n); break;
            case Form::LabelMinus: line.n = pick(0, 300); s = " lda " + l + "-" + std::to_string(line.n); break;
            case Form::LabelOver: line.n = pick(1, 4); s = " lda " + l + "/" + std::to_string(line.n); break;
            case Form::NumberTimes: line.n = pick(1, 3); s = " lda " + std::to_string(line.n) + "*" + l; break;
            case Form::NumberMinus: line.n = pick(200, 600); s = " lda " + std::to_string(line.n) + "-" + l; break;
            case Form::NumberOver: line.n = pick(300, 65535); s = " lda " + std::to_string(line.n) + "/" + l; break;
            case Form::LabelIndexed: s = " lda " + l + ",x"; break;
            case Form::LowByte: s = " lda #<" + l; break;
            case Form::HighByte: s = " lda #>" + l; break;
            case Form::Branch: s = " bne " + l; break;
            case Form::DataByte: s = " byte " + l; break;
            case Form::DataWord: s = " word " + l; break;
            case Form::DataSelections: s = " byte <" + l + ",>" + l; break;
            case Form::FormCount: break;
        }
        line.text = (line.defines >= 0 ? label_name(line.defines) : "") + s;
        if (line.form == Form::Implied || line.form == Form::Fixed) {
            line.label = -1;
        }
    }
    char start[16];
    std::snprintf(start, sizeof start, "*=$%04x\n", static_cast<unsigned>(p.start));
    p.source = start;
    for (const Line& line : p.lines) {
        p.source += line.text + "\n";
    }
    return p;
}

// Length of a 6502 instruction from its opcode alone (the documented opcodes).
int opcode_length(uint8_t op) {
    const int cc = op & 3;
    const int bbb = (op >> 2) & 7;
    if (op == 0x20 || bbb == 3 || bbb == 7 || (cc == 1 && bbb == 6)) {
        return 3;  // jsr, absolute, absolute indexed
    }
    if ((bbb == 2 || bbb == 6) && cc != 1) {
        return 1;  // implied and accumulator
    }
    if (cc == 0 && bbb == 0) {
        return op == 0xA0 || op == 0xC0 || op == 0xE0 ? 2 : 1;  // ldy/cpy/cpx # or brk, rti, rts
    }
    return 2;
}

// Reads the program back, line by line; "" when it matches its labels, else what is wrong.
std::string check(const Program& p, const std::vector<uint8_t>& f, const std::vector<LabelEntry>& labels) {
    auto byte = [&f](std::size_t at) { return at < f.size() ? static_cast<int32_t>(f[at]) : -1; };
    // First pass: where each line begins, from the opcodes and data sizes alone.
    std::vector<int32_t> line_address;
    std::vector<int32_t> label_address(static_cast<std::size_t>(p.labels), -1);
    std::size_t at = 0;
    for (const Line& line : p.lines) {
        const int32_t address = p.start + static_cast<int32_t>(at);
        line_address.push_back(address);
        if (line.defines >= 0) {
            label_address[static_cast<std::size_t>(line.defines)] = address;
        }
        const bool data = line.form == Form::DataByte || line.form == Form::DataWord || line.form == Form::DataSelections;
        at += data ? (line.form == Form::DataByte ? 1 : 2) : static_cast<std::size_t>(opcode_length(static_cast<uint8_t>(byte(at))));
    }
    if (at != f.size()) {
        return "the opcodes account for " + std::to_string(at) + " bytes, the image holds " + std::to_string(f.size());
    }
    for (const LabelEntry& label : labels) {
        const int index = std::stoi(label.name.substr(1));
        if (label.address != label_address[static_cast<std::size_t>(index)]) {
            return "label " + label.name + " is " + std::to_string(label.address) + ", its line starts at " +
                   std::to_string(label_address[static_cast<std::size_t>(index)]);
        }
    }
    // Second pass: every operand names where its label really is.
    for (std::size_t i = 0; i < p.lines.size(); ++i) {
        const Line& line = p.lines[i];
        if (line.label < 0) {
            continue;
        }
        const int32_t a = label_address[static_cast<std::size_t>(line.label)];
        const std::size_t pos = static_cast<std::size_t>(line_address[i] - p.start);
        std::vector<int32_t> expected;  // the bytes the line must hold after its opcode (data: from its start)
        std::size_t from = pos + 1;
        int32_t v = a;
        switch (line.form) {
            case Form::LabelPlus: v = a + line.n; break;
            case Form::LabelMinus: v = a - line.n; break;
            case Form::LabelOver: v = a / line.n; break;
            case Form::NumberTimes: v = line.n * a; break;
            case Form::NumberMinus: v = line.n - a; break;
            case Form::NumberOver: v = line.n / a; break;
            case Form::LowByte: v = a & 0xFF; break;
            case Form::HighByte: v = (a >> 8) & 0xFF; break;
            case Form::Branch: v = (a - line_address[i] - 2) & 0xFF; break;
            case Form::DataByte: from = pos; expected = {a > 255 ? (a >> 8) & 0xFF : a}; break;
            case Form::DataWord: from = pos; expected = {a & 0xFF, (a >> 8) & 0xFF}; break;
            case Form::DataSelections: from = pos; expected = {a & 0xFF, (a >> 8) & 0xFF}; break;
            default: break;
        }
        if (expected.empty()) {
            const int length = opcode_length(static_cast<uint8_t>(byte(pos)));
            if (length == 2 && v > 255) {
                return "line " + std::to_string(i + 2) + " holds " + std::to_string(v) + " in one byte";
            }
            expected = {v & 0xFF};
            if (length == 3) {
                expected.push_back((v >> 8) & 0xFF);
            }
        }
        for (std::size_t k = 0; k < expected.size(); ++k) {
            if (byte(from + k) != expected[k]) {
                return "line " + std::to_string(i + 2) + " (" + line.text + ") does not name its label at " +
                       std::to_string(a);
            }
        }
    }
    return "";
}

using ZeroPageLayout = AssemblyFixture;

TEST_F(ZeroPageLayout, EveryLabelIsTheAddressOfItsByteAndEveryRefusalHasItsCause) {
    int assembled = 0, layout_refused = 0, branch_refused = 0;
    for (int k = 0; k < Programs; ++k) {
        const uint64_t seed = FirstSeed + static_cast<uint64_t>(k);
        const Program p = generate(seed);
        assemble_quietly(p.source);
        if (ctx.error == 0) {
            ++assembled;
            ASSERT_EQ(ctx.start_address, p.start);
            const std::string fault = check(p, bytes(), ctx.labels);
            ASSERT_EQ(fault, "") << "seed " << seed << ": " << hex_bytes(bytes()) << "\n" << p.source;
            continue;
        }
        ASSERT_EQ(messages().size(), 1u) << "seed " << seed << "\n" << p.source;
        const MessageRecord& m = messages()[0];
        const int32_t line = m.selected_line - 1;  // the "*=" line comes first
        ASSERT_TRUE(line >= 0 && line < static_cast<int32_t>(p.lines.size())) << "seed " << seed;
        const Form form = p.lines[static_cast<std::size_t>(line)].form;
        if (m.title == "Branch Error.") {
            ++branch_refused;
            EXPECT_EQ(form, Form::Branch) << "seed " << seed << "\n" << p.source;
        } else {
            ++layout_refused;
            EXPECT_EQ(m.title, "Layout Error.") << "seed " << seed << "\n" << p.source;
            EXPECT_TRUE(form == Form::NumberMinus || form == Form::NumberOver) << "seed " << seed << "\n" << p.source;
        }
    }
    std::cout << "zero-page layout: " << Programs << " programs from seed " << FirstSeed << ", " << assembled
              << " assembled, " << layout_refused << " refused as unsettled, " << branch_refused
              << " for a branch out of range\n";
    EXPECT_GT(assembled, Programs * 3 / 4);
    EXPECT_GT(layout_refused, 0);
}

}  // namespace
}  // namespace tarvok::testing
