#include "shell/symbol_list.h"

#include <string>
#include <vector>

#include "assembler/driver.h"
#include "assembler/messages.h"
#include "runtime/text/text.h"
#include "runtime/window/window.h"
#include "shell/control_ids.h"

namespace tarvok {

namespace {

constexpr int32_t VariablesTab = 0;
constexpr int32_t LabelsTab = 1;

// One symbol as the panel sees it: variables and labels alike have a name, a value (a label's is
// its address) and the editor line that defines it.
struct SymbolView {
    bool found = false;
    int32_t value = 0;
    int32_t line = 0;
};

// The last entry of that name in the table of the tab, in definition order; none when no entry
// has it (the placeholder item, or a symbol gone since the list was filled).
template <typename Entry, typename ValueOf>
SymbolView last_named(const std::vector<Entry>& table, const std::string& name, ValueOf value_of) {
    for (auto entry = table.rbegin(); entry != table.rend(); ++entry) {
        if (entry->name == name) {
            return {true, value_of(*entry), entry->line};
        }
    }
    return {};
}

// Remembers the text of the selected list item and finds its entry in the selected tab's table.
// Without a selected item nothing is found.
SymbolView selected_symbol_entry(ShellState& state, const AssemblyContext& ctx) {
    const int32_t index = get_control_state(SymbolList);
    std::string& name = state.symbol_list.selected_symbol;
    name = index < 0 ? std::string() : get_item_text(SymbolList, index);
    if (index < 0) {
        return {};
    }
    if (get_control_state(SymbolTabs) == VariablesTab) {
        return last_named(ctx.variables, name, [](const VariableEntry& v) { return v.value; });
    }
    return last_named(ctx.labels, name, [](const LabelEntry& l) { return l.address; });
}

template <typename Entry>
void list_names(const std::vector<Entry>& table, std::string_view placeholder) {
    if (table.empty()) {
        add_item(SymbolList, 0, placeholder);
        return;
    }
    int32_t position = 0;
    for (const Entry& entry : table) {
        add_item(SymbolList, position++, entry.name);
    }
}

// At least four hexadecimal digits: shorter texts get leading zeros, longer ones stay whole.
std::string value_hex_text(int32_t value) {
    std::string hex = format_hex(value);
    if (hex.size() < 4) {
        hex.insert(0, 4 - hex.size(), '0');
    }
    return hex;
}

}  // namespace

void refresh_symbols(ShellState& state, AssemblyContext& ctx) {
    if (ctx.quiet == 0) {
        return;
    }
    const int32_t tab = get_control_state(SymbolTabs);
    if (tab == VariablesTab || tab == LabelsTab) {
        clear_items(SymbolList);
        if (state.symbol_list.refresh_from_button == 1) {
            assemble(ctx, state);  // quiet: the symbol tables only, no program file
        }
        if (tab == VariablesTab) {
            list_names(ctx.variables, "No Variables");
        } else {
            list_names(ctx.labels, "No Lables");
        }
    }
    set_control_text(CodeStartDecimal, format_decimal(ctx.start_address));
    set_control_text(CodeStartHex, address_hex_text(ctx.start_address));
    ctx.quiet = 0;
}

void show_symbol_value(ShellState& state, const AssemblyContext& ctx) {
    const SymbolView symbol = selected_symbol_entry(state, ctx);
    if (!symbol.found) {
        return;  // the value and line fields keep their text
    }
    set_control_text(SymbolValueField,
                     format_decimal(symbol.value) + "   $" + value_hex_text(symbol.value));
    set_control_text(SymbolLineField, format_decimal(symbol.line));
}

void goto_symbol(ShellState& state, AssemblyContext& ctx) {
    // A quiet run first, so that the line numbers belong to the text as it is now.
    ctx.quiet = 1;
    assemble(ctx, state);
    const SymbolView symbol = selected_symbol_entry(state, ctx);
    if (symbol.found) {
        goto_source_line(symbol.line);
    }
}

}  // namespace tarvok
