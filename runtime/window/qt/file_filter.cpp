#include "runtime/window/qt/file_filter.h"

namespace tarvok {

namespace {

std::vector<std::string> split_patterns(std::string_view pattern) {
    std::vector<std::string> patterns;
    std::string current;
    auto finish = [&]() {
        if (current.empty()) return;
        patterns.push_back(current == "*.*" ? std::string("*") : current);
        current.clear();
    };
    for (const char c : pattern) {
        if (c == ';' || c == ' ') {
            finish();
        } else {
            current.push_back(c);
        }
    }
    finish();
    if (patterns.empty()) patterns.emplace_back("*");
    return patterns;
}

bool valid_name(std::string_view name) {
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20) return false;
        for (const char bad : {'"', '\\', '/', ':', '*', '?', '<', '>', '|'}) {
            if (c == bad) return false;
        }
    }
    return true;
}

}  // namespace

std::vector<FileFilter> parse_file_filters(std::string_view filter) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= filter.size()) {
        const std::size_t bar = filter.find('|', start);
        const std::size_t end = bar == std::string_view::npos ? filter.size() : bar;
        parts.push_back(filter.substr(start, end - start));
        if (bar == std::string_view::npos) break;
        start = bar + 1;
    }
    // A trailing "|" ends the list; it does not start another pair.
    if (!parts.empty() && parts.back().empty()) parts.pop_back();
    std::vector<FileFilter> filters;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        filters.push_back(FileFilter{std::string(parts[i]), split_patterns(parts[i + 1])});
    }
    return filters;
}

DefaultFile split_default_file(std::string_view default_file) {
    DefaultFile result;
    const std::size_t cut = default_file.find_last_of("\\/");
    std::string_view name = default_file;
    if (cut != std::string_view::npos) {
        // A name right after the root keeps the root as its folder.
        result.folder = cut == 0 ? std::string(default_file.substr(0, 1))
                                 : std::string(default_file.substr(0, cut));
        name = default_file.substr(cut + 1);
    }
    if (valid_name(name)) result.name = std::string(name);
    return result;
}

}  // namespace tarvok
