#include "app/cli_report.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace tarvok {

std::string message_line(std::string_view source, const MessageRecord& message) {
    std::string line(source);
    if (message.selected_line >= 0) {
        line += ':' + std::to_string(static_cast<int64_t>(message.selected_line) + 1);
    }
    line += ": " + message.title + ": " + message.text;
    return line;
}

std::string symbol_listing(const AssemblyContext& ctx) {
    std::string out;
    for (const VariableEntry& v : ctx.variables) {
        out += "variable " + v.name + ' ' + std::to_string(v.value) + ' ' +
               std::to_string(static_cast<int64_t>(v.line) + 1) + '\n';
    }
    for (const LabelEntry& l : ctx.labels) {
        out += "label " + l.name + ' ' + std::to_string(l.address) + ' ' +
               std::to_string(static_cast<int64_t>(l.line) + 1) + '\n';
    }
    return out;
}

std::string vice_label_file(const AssemblyContext& ctx) {
    constexpr int32_t FirstAddress = 256;
    constexpr int32_t LastAddress = 0xFFFF;
    std::vector<std::pair<int32_t, const std::string*>> names;
    names.reserve(ctx.labels.size() + ctx.variables.size());
    for (const LabelEntry& l : ctx.labels) {
        // A label lies after the program's last byte when nothing follows it; a program that runs
        // past $FFFF has no such address to name.
        if (l.address >= 0 && l.address <= LastAddress) {
            names.emplace_back(l.address, &l.name);
        }
    }
    for (const VariableEntry& v : ctx.variables) {
        if (v.value >= FirstAddress && v.value <= LastAddress) {
            names.emplace_back(v.value, &v.name);
        }
    }
    std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first < b.first : *a.second < *b.second;
    });
    std::string out;
    out.reserve(names.size() * 24);
    for (const auto& [address, name] : names) {
        char line[16];
        std::snprintf(line, sizeof line, "al C:%04x .", static_cast<unsigned>(address));
        out += line;
        out += *name;
        out += '\n';
    }
    return out;
}

}  // namespace tarvok
