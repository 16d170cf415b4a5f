#include "assembler/context.h"

namespace tarvok {

namespace {

int32_t lookup(const std::unordered_map<std::string, int32_t>& map, std::string_view name) {
    auto it = map.find(std::string(name));
    return it == map.end() ? -1 : it->second;
}

}  // namespace

void SymbolIndex::clear() {
    first_variable.clear();
    first_label.clear();
    last_label.clear();
    label_on_line.clear();
}

void SymbolIndex::index_variables(const std::vector<VariableEntry>& variables) {
    first_variable.clear();
    first_variable.reserve(variables.size());
    for (int32_t i = 0; i < static_cast<int32_t>(variables.size()); ++i) {
        first_variable.try_emplace(variables[i].name, i);
    }
}

void SymbolIndex::index_labels(const std::vector<LabelEntry>& labels, int32_t line_count) {
    first_label.clear();
    last_label.clear();
    first_label.reserve(labels.size());
    last_label.reserve(labels.size());
    label_on_line.assign(static_cast<std::size_t>(line_count) + 1, -1);
    for (int32_t i = 0; i < static_cast<int32_t>(labels.size()); ++i) {
        const LabelEntry& label = labels[i];
        first_label.try_emplace(label.name, i);
        last_label[label.name] = i;
        if (label.line >= 0 && label.line <= line_count && label_on_line[label.line] < 0) {
            label_on_line[label.line] = i;
        }
    }
}

int32_t SymbolIndex::variable(std::string_view name) const { return lookup(first_variable, name); }
int32_t SymbolIndex::label(std::string_view name) const { return lookup(first_label, name); }
int32_t SymbolIndex::last_label_named(std::string_view name) const { return lookup(last_label, name); }

}  // namespace tarvok
