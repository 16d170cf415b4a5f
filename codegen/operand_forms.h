#pragma once
// The common written forms of an instruction operand, read in one look at their bytes.

#include <cstdint>
#include <string_view>

#include "assembler/statement_entry.h"

namespace tarvok {

// What the full resolution of an operand finds in it (resolve_operand_in_full), for an operand of
// a common form. The texts view the operand.
struct OperandForm {
    std::string_view full;              // the operand as read_operand_form was given it
    std::string_view name;              // looked up as a variable, then a label, else read as a number
    int32_t mode = Plain;               // AddressingMode of the operand's shape
    int32_t byte_select = SelectNone;   // "<" or ">" in front of the name
    bool expression = false;            // an operator and its right term were cut from the name
    bool dollar = false;                // the operand holds "$"
    bool binary = false;                // the operand holds "%"
    bool quoted = false;                // the operand is a double-quoted character
};

// Reads an operand given without the blanks around it (and with none inside) in one of these
// forms, where a name is a run of lower-case letters, digits, "_" and ".", and a number is a name
// with "$" or "%" (of 8 or 16 bytes) in front of it or a name alone:
//   [#]number-or-name[,x|,y]                       "lda #$10", "sta zp,x", "lda %01010101"
//   [#]name-or-$number (+|-|*|/) name [,x|,y]      "lda tab+3,y", "sta $d0-1"
//   [#](<|>)number-or-name                         "lda #<irq", "lda >$1234"
//   (name-or-$number),y  (name-or-$number,x)  (name-or-$number)
//   [#]"c" with c a byte of a name
// False for every other operand (also for "").
bool read_operand_form(std::string_view full, OperandForm& form);

}  // namespace tarvok
