#pragma once
// Reading back the listing tarvok-asm writes with --list.

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvok::e2e {

struct ListingBytes {
    std::string bytes;    // the bytes of every row, in row order
    std::string problem;  // the first row whose address is not load address + bytes before it
};

// The bytes the listing's rows show: a row with an address in columns 9-12 holds up to three
// bytes in columns 15-22 when it has a line number, or up to eight from column 15 when it goes on
// with a data line's bytes.
ListingBytes listing_bytes(std::string_view listing, int32_t load_address);

}  // namespace tarvok::e2e
