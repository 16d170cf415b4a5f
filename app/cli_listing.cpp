#include "app/cli_listing.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvok {

namespace {

constexpr std::size_t NumberWidth = 6;
constexpr std::size_t AddressWidth = 4;
constexpr std::size_t FirstRowBytes = 3;
constexpr std::size_t BytesWidth = FirstRowBytes * 3 - 1;
constexpr std::size_t MoreRowBytes = 8;

std::string hex(int32_t value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*X", digits, static_cast<unsigned>(value));
    return text;
}

void pad_to(std::string& row, std::size_t width) {
    if (row.size() < width) {
        row.append(width - row.size(), ' ');
    }
}

// The columns filled as given, separated by two blanks; the row without trailing blanks.
void add_row(std::string& out, std::string_view number, std::string_view address, std::string_view bytes,
             std::string_view text) {
    std::string row;
    if (number.size() < NumberWidth) {
        row.append(NumberWidth - number.size(), ' ');
    }
    row += number;
    row += "  ";
    row += address;
    pad_to(row, NumberWidth + 2 + AddressWidth);
    row += "  ";
    row += bytes;
    pad_to(row, NumberWidth + 2 + AddressWidth + 2 + BytesWidth);
    row += "  ";
    row += text;
    row.erase(row.find_last_not_of(' ') + 1);
    out += row;
    out += '\n';
}

// Where each line's bytes are in the object image, as offsets [first, second): the first
// statement of a line starts its bytes, the first statement of the next line that has one ends
// them. Lines without statements get an empty range.
std::vector<std::pair<std::size_t, std::size_t>> line_bytes(const AssemblyContext& ctx, std::size_t line_count) {
    std::vector<std::pair<std::size_t, std::size_t>> ranges(line_count, {0, 0});
    const std::size_t size = ctx.object_image.size();
    std::size_t open_line = line_count;  // the line whose range is still open; none yet
    std::size_t offset = 0;
    for (const StatementEntry& rec : ctx.statements) {
        const auto line = static_cast<std::size_t>(rec.line_number);
        if (rec.line_number < 0 || line >= line_count || line == open_line) {
            continue;
        }
        const int64_t at = static_cast<int64_t>(rec.address) - ctx.start_address;
        offset = std::clamp<std::size_t>(static_cast<std::size_t>(std::max<int64_t>(at, 0)), offset, size);
        if (open_line < line_count) {
            ranges[open_line].second = offset;
        }
        ranges[line] = {offset, offset};
        open_line = line;
    }
    if (open_line < line_count) {
        ranges[open_line].second = size;
    }
    return ranges;
}

std::string byte_text(const ObjectImage& image, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to; ++i) {
        if (i > from) {
            text += ' ';
        }
        text += hex(image[i] & 0xFF, 2);
    }
    return text;
}

}  // namespace

std::string assembly_listing(const AssemblyContext& ctx, const ExpandedSource& source) {
    const std::size_t line_count = source.lines.size();
    const auto ranges = line_bytes(ctx, line_count);

    // The included parts that start on a line in the order they were expanded (an enclosing file
    // first), and those that end on a line the other way round.
    std::vector<std::pair<int32_t, int32_t>> starts, ends;
    for (std::size_t i = 0; i < source.parts.size(); ++i) {
        const IncludedPart& part = source.parts[i];
        starts.emplace_back(part.first_line, static_cast<int32_t>(i));
        ends.emplace_back(part.first_line + part.line_count - 1, -static_cast<int32_t>(i));
    }
    std::sort(starts.begin(), starts.end());
    std::sort(ends.begin(), ends.end());
    auto next_start = starts.begin();
    auto next_end = ends.begin();

    std::string out;
    out.reserve(line_count * 40);
    for (std::size_t line = 0; line < line_count; ++line) {
        const auto index = static_cast<int32_t>(line);
        for (; next_start != starts.end() && next_start->first <= index; ++next_start) {
            add_row(out, "", "", "", "; file " + source.parts[next_start->second].name);
        }
        const auto [from, to] = ranges[line];
        const std::string number = std::to_string(line + 1);
        if (from == to) {
            add_row(out, number, "", "", source.lines[line]);
        } else {
            std::size_t row_end = std::min(to, from + FirstRowBytes);
            add_row(out, number, hex(ctx.start_address + static_cast<int32_t>(from), AddressWidth),
                    byte_text(ctx.object_image, from, row_end), source.lines[line]);
            for (std::size_t at = row_end; at < to; at = row_end) {
                row_end = std::min(to, at + MoreRowBytes);
                add_row(out, "", hex(ctx.start_address + static_cast<int32_t>(at), AddressWidth),
                        byte_text(ctx.object_image, at, row_end), "");
            }
        }
        for (; next_end != ends.end() && next_end->first <= index; ++next_end) {
            add_row(out, "", "", "", "; end of " + source.parts[-next_end->second].name);
        }
    }
    return out;
}

}  // namespace tarvok
