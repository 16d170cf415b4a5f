#pragma once
// Settling operand values that name a variable or a label, once label addresses are estimated.

#include <string>
#include <string_view>
#include <vector>

#include "assembler/context.h"

namespace tarvok {

// remove_text(s, pattern) in place, for a non-empty pattern: occurrences found left to right in
// the text as it was, none overlapping, and what comes together after a removal not searched
// again. The label search cuts its names this way without a new string for every cut.
void remove_in_place(std::string& s, std::string_view pattern);

// Operands that are a variable's name (possibly behind "<" or ">") get its value or selected byte.
void fix_variable_values(AssemblyContext& ctx);

// A statement whose operand names a label: the label's index and the byte the operand selects.
struct LabelUse {
    int32_t statement = 0;
    int32_t label = 0;
    int32_t select = SelectNone;
};

// Every statement whose operand names a label. What it finds depends only on the statements'
// operands, so a layout that fixes label values round after round finds them once.
std::vector<LabelUse> find_label_uses(const AssemblyContext& ctx);

// Each use gets its label's current address, or the address's low or high byte, and its size.
void apply_label_values(AssemblyContext& ctx, const std::vector<LabelUse>& uses);

// Operands that name a label get its address, or its low or high byte, and their size. Returns
// the label operands it found, for the layout to give them new addresses.
std::vector<LabelUse> fix_label_values(AssemblyContext& ctx);

}  // namespace tarvok
