#pragma once
// One statement of the program: an instruction line, or one byte of a data directive.

#include <cstdint>
#include <string_view>

#include "assembler/table_words.h"

namespace tarvok {

// Operand shapes and opcode table columns; Plain is used only while an operand is classified.
enum AddressingMode : int32_t {
    Immediate = 0,
    ZeroPage = 1,
    ZeroPageIndexed = 2,
    Absolute = 3,
    AbsoluteX = 4,
    AbsoluteY = 5,
    IndirectX = 6,
    IndirectY = 7,
    Plain = 8,
};

// `mode` of a statement written without an operand.
inline constexpr int32_t NoOperandMode = 10;

// operand_kind values.
inline constexpr int32_t OperandLabel = 0;        // instruction operand naming a label
inline constexpr int32_t OperandNumber = 1;       // number or variable
inline constexpr int32_t DataLabelHigh = 10;      // data byte: high byte of a label's address
inline constexpr int32_t DataLabelLow = 11;       // data byte: low byte of a label's address
inline constexpr int32_t DataLabelWhole = 12;     // data byte: a label's address (high byte if > 255)

// `row` of a record without a word, and `shape_mode` of one whose operand shape has not been
// kept.
inline constexpr int8_t UnknownRow = -2;
inline constexpr int8_t UnknownShape = -1;
// `label` of a record whose operand has not been looked up as a label name.
inline constexpr int32_t UnknownLabel = -2;

// byte_select values.
inline constexpr int32_t SelectNone = 0;
inline constexpr int32_t SelectLow = 1;
inline constexpr int32_t SelectHigh = 2;

// The byte of value that a byte selection picks: the low or high byte, or the whole value.
inline int32_t selected_byte(int32_t value, int32_t byte_select) {
    if (byte_select == SelectLow) {
        return value & 0xFF;
    }
    if (byte_select == SelectHigh) {
        return (value >> 8) & 0xFF;
    }
    return value;
}

// A long program has one record per data byte, tens of thousands of them: the small fields take
// a byte each and the fields are ordered by size, so that a record has no holes.
struct StatementEntry {
    int32_t address = 0;        // program counter at the statement's first byte
    int32_t value = 0;          // operand value; -1 without operand; displacement for branches
    int32_t line_number = 0;    // 0-based editor line
    // The first label named exactly as operand, as the statement pass looked it up (-1: none), so
    // that the label fix-ups and the data bytes need not look the name up again.
    int32_t label = UnknownLabel;
    // The operand as written, blanks removed, "" when there is none: operand_length bytes at
    // operand_at in the program's operand text (operand_of and set_operand reach it). A record
    // holds no text of its own, so that it stays small.
    uint32_t operand_at = 0;
    uint32_t operand_length = 0;
    uint8_t opcode = 0;
    int8_t mode = 0;            // AddressingMode of the operand's shape; 10 without operand
    int8_t operand_kind = 0;
    int8_t byte_select = SelectNone;
    int8_t operand_size = 0;    // 1 or 2 bytes
    uint8_t zero_page = 0;      // operand names a variable that addresses zero page
    uint8_t plain_operand = 0;  // label, or number written without "$", "%" or quotes
    uint8_t has_expression = 0;
    // The statement's word as its table row (mnemonic_list), -1 for a byte of a data directive.
    // Kept by the statement pass, so that opcode selection need not look them up again: the
    // AddressingMode classify_operand_shape gives for operand with whether its stripped text is
    // empty.
    int8_t row = UnknownRow;
    int8_t shape_mode = UnknownShape;
    uint8_t shape_empty = 0;

    bool has_operand() const { return operand_length != 0; }
    bool is_data() const { return row == -1; }
    // The table word, "data" for a data byte, "" for a record without a word.
    std::string_view mnemonic() const {
        if (row >= 0) {
            return mnemonic_list()[static_cast<std::size_t>(row)];
        }
        return row == -1 ? std::string_view("data") : std::string_view();
    }
};

}  // namespace tarvok
