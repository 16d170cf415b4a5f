#include "assembler/context.h"

namespace tarvok {

namespace {

// FNV-1a over the name's bytes.
uint32_t name_hash(std::string_view name) {
    uint32_t hash = 2166136261u;
    for (char c : name) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return hash;
}

}  // namespace

void NameIndex::clear() {
    slots_.clear();
    names_.clear();
    repeats_ = false;
}

void NameIndex::build_names(std::vector<std::string_view> names) {
    names_ = std::move(names);
    repeats_ = false;
    // At most half the slots in use keeps the probe runs short.
    std::size_t size = 16;
    while (size < names_.size() * 2) {
        size *= 2;
    }
    slots_.assign(size, Slot{});
    const std::size_t mask = size - 1;
    for (int32_t i = 0; i < static_cast<int32_t>(names_.size()); ++i) {
        const std::string_view name = names_[static_cast<std::size_t>(i)];
        const uint32_t hash = name_hash(name);
        for (std::size_t s = hash & mask;; s = (s + 1) & mask) {
            Slot& slot = slots_[s];
            if (slot.first < 0) {
                slot = Slot{hash, i, i};
                break;
            }
            if (slot.hash == hash && names_[static_cast<std::size_t>(slot.first)] == name) {
                slot.last = i;
                repeats_ = true;
                break;
            }
        }
    }
}

const NameIndex::Slot* NameIndex::find(std::string_view name) const {
    if (slots_.empty()) {
        return nullptr;
    }
    const std::size_t mask = slots_.size() - 1;
    const uint32_t hash = name_hash(name);
    for (std::size_t s = hash & mask;; s = (s + 1) & mask) {
        const Slot& slot = slots_[s];
        if (slot.first < 0) {
            return nullptr;
        }
        if (slot.hash == hash && names_[static_cast<std::size_t>(slot.first)] == name) {
            return &slot;
        }
    }
}

int32_t NameIndex::first(std::string_view name) const {
    const Slot* slot = find(name);
    return slot != nullptr ? slot->first : -1;
}

int32_t NameIndex::last(std::string_view name) const {
    const Slot* slot = find(name);
    return slot != nullptr ? slot->last : -1;
}

void SymbolIndex::clear() {
    variable_names.clear();
    label_names.clear();
    label_on_line.clear();
}

void SymbolIndex::index_variables(const std::vector<VariableEntry>& list) { variable_names.build(list); }

void SymbolIndex::index_labels(const std::vector<LabelEntry>& list, int32_t line_count) {
    label_names.build(list);
    label_on_line.assign(static_cast<std::size_t>(line_count) + 1, -1);
    for (int32_t i = 0; i < static_cast<int32_t>(list.size()); ++i) {
        const LabelEntry& label = list[static_cast<std::size_t>(i)];
        if (label.line >= 0 && label.line <= line_count && label_on_line[label.line] < 0) {
            label_on_line[label.line] = i;
        }
    }
}

int32_t SymbolIndex::variable(std::string_view name) const { return variable_names.first(name); }
int32_t SymbolIndex::label(std::string_view name) const { return label_names.first(name); }
int32_t SymbolIndex::last_label_named(std::string_view name) const { return label_names.last(name); }

}  // namespace tarvok
