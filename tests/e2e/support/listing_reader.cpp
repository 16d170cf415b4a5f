#include "tests/e2e/support/listing_reader.h"

#include <cctype>
#include <cstdlib>

namespace tarvok::e2e {

namespace {

bool is_hex(std::string_view text) {
    for (char c : text) {
        if (std::isxdigit(static_cast<unsigned char>(c)) == 0) return false;
    }
    return !text.empty();
}

}  // namespace

ListingBytes listing_bytes(std::string_view listing, int32_t load_address) {
    ListingBytes result;
    std::size_t from = 0;
    while (from < listing.size()) {
        std::size_t end = listing.find('\n', from);
        if (end == std::string_view::npos) end = listing.size();
        const std::string_view row = listing.substr(from, end - from);
        from = end + 1;
        if (row.size() < 12 || !is_hex(row.substr(8, 4))) continue;
        const long address = std::strtol(std::string(row.substr(8, 4)).c_str(), nullptr, 16);
        if (result.problem.empty() && address != load_address + static_cast<long>(result.bytes.size())) {
            result.problem = std::string(row);
        }
        const bool numbered = row[5] != ' ';
        const std::string_view field = row.size() > 14 ? row.substr(14, numbered ? 8 : std::string_view::npos) : "";
        for (std::size_t at = 0; at < field.size(); at += 3) {
            const std::string_view pair = field.substr(at, 2);
            if (pair.size() != 2 || !is_hex(pair)) break;
            result.bytes.push_back(static_cast<char>(std::strtol(std::string(pair).c_str(), nullptr, 16)));
        }
    }
    return result;
}

}  // namespace tarvok::e2e
