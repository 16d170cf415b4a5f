#include "app/cli_report.h"

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

}  // namespace tarvok
