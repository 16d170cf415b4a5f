#include "assembler/context.h"

#include <cstring>

namespace tarvok {

namespace {

constexpr uint64_t FreeSlot = ~uint64_t{0};

// The name's bytes taken eight at a time (the last up to seven as two overlapping four-byte
// reads, or three single bytes), each mixed in by a multiplication: a short name costs a few
// instructions instead of a few per byte. The high half of the last product is the hash.
uint32_t name_hash(std::string_view name) {
    constexpr uint64_t Mix = 0x9E3779B97F4A7C15u;
    const char* const p = name.data();
    const std::size_t n = name.size();
    uint64_t h = n * Mix;
    const auto take = [&h](uint64_t word) {
        h = (h ^ word) * Mix;
        h ^= h >> 29;
    };
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t word;
        std::memcpy(&word, p + i, 8);
        take(word);
    }
    const std::size_t rest = n - i;
    if (rest >= 4) {
        uint32_t front;
        uint32_t back;
        std::memcpy(&front, p + i, 4);
        std::memcpy(&back, p + n - 4, 4);
        take(uint64_t{front} << 32 | back);
    } else if (rest > 0) {
        const auto byte = [p](std::size_t at) { return uint64_t{static_cast<unsigned char>(p[at])}; };
        take(byte(i) << 16 | byte(i + rest / 2) << 8 | byte(n - 1));
    }
    return static_cast<uint32_t>((h * Mix) >> 32);
}

}  // namespace

void NameIndex::clear() {
    first_bytes_[0] = first_bytes_[1] = first_bytes_[2] = first_bytes_[3] = 0;
    lengths_ = 0;
    names_.clear();
    starts_.clear();
    slots_.clear();
    last_.clear();
    repeats_ = false;
}

template <typename Entry>
void NameIndex::build(const std::vector<Entry>& entries) {
    clear();
    const std::size_t count = entries.size();
    std::size_t letters = 0;
    for (const Entry& entry : entries) {
        letters += entry.name.size();
    }
    names_.resize(letters);
    starts_.resize(count + 1);
    // At most half the slots in use keeps the probe runs short.
    std::size_t size = 16;
    while (size < count * 2) {
        size *= 2;
    }
    slots_.assign(size, FreeSlot);
    last_.assign(count, -1);
    const std::size_t mask = size - 1;
    uint32_t at = 0;
    starts_[0] = 0;
    for (uint32_t i = 0; i < count; ++i) {
        const std::string_view name = entries[i].name;
        const auto first_byte = static_cast<unsigned char>(name.empty() ? 0 : name.front());
        first_bytes_[first_byte >> 6] |= uint64_t{1} << (first_byte & 63);
        lengths_ |= uint64_t{1} << (name.size() < 63 ? name.size() : 63);
        name.copy(names_.data() + at, name.size());
        at += static_cast<uint32_t>(name.size());
        starts_[i + 1] = at;
        // The first entry of a name takes a free slot, a later one becomes the last entry of that
        // name.
        const uint32_t hash = name_hash(name);
        for (std::size_t s = hash & mask;; s = (s + 1) & mask) {
            const uint64_t slot = slots_[s];
            if (slot == FreeSlot) {
                slots_[s] = uint64_t{hash} << 32 | i;
                last_[i] = static_cast<int32_t>(i);
                break;
            }
            const auto first = static_cast<uint32_t>(slot);
            if (static_cast<uint32_t>(slot >> 32) == hash && name_at(first) == name) {
                last_[first] = static_cast<int32_t>(i);
                repeats_ = true;
                break;
            }
        }
    }
}

template void NameIndex::build(const std::vector<LabelEntry>& entries);
template void NameIndex::build(const std::vector<VariableEntry>& entries);

int32_t NameIndex::first(std::string_view name) const {
    if (slots_.empty() || !may_hold(name)) {
        return -1;
    }
    const std::size_t mask = slots_.size() - 1;
    const uint32_t hash = name_hash(name);
    for (std::size_t s = hash & mask;; s = (s + 1) & mask) {
        const uint64_t slot = slots_[s];
        if (slot == FreeSlot) {
            return -1;
        }
        const auto first = static_cast<uint32_t>(slot);
        if (static_cast<uint32_t>(slot >> 32) == hash && name_at(first) == name) {
            return static_cast<int32_t>(first);
        }
    }
}

int32_t NameIndex::last(std::string_view name) const {
    const int32_t i = first(name);
    return i < 0 ? -1 : last_[static_cast<std::size_t>(i)];
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
