// Merge Binary, Merge PRG and Merge Source over a file of arbitrary bytes, inserted after the first
// line of a small source. A binary or PRG file becomes "byte " lines that give back its bytes (a
// PRG file without its first two); a source file goes in as its text up to the first zero byte. A
// file the editor cannot take is refused with a message and the editor keeps its text.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/editor_text.h"
#include "fuzz/fuzz_support.h"
#include "runtime/text/text.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"
#include "shell/control_ids.h"
#include "shell/merge_commands.h"

namespace {

using namespace tarvok;

ShellState& state = fuzzing::program().state;
AssemblyContext& ctx = fuzzing::program().ctx;

constexpr std::string_view First = "*=$1000";
constexpr std::string_view Rest = " nop\n rts";

// The bytes that "byte " lines stand for; "?" when a line is not a data line.
std::string bytes_of_data_lines(std::string_view lines) {
    std::string bytes;
    std::size_t start = 0;
    while (start < lines.size()) {
        std::size_t end = lines.find('\n', start);
        end = end == std::string_view::npos ? lines.size() : end;
        std::string_view line = lines.substr(start, end - start);
        if (line.substr(0, 5) != "byte ") {
            return "?";
        }
        line.remove_prefix(5);
        std::size_t value_start = 0;
        while (value_start <= line.size()) {
            std::size_t comma = line.find(',', value_start);
            comma = comma == std::string_view::npos ? line.size() : comma;
            const int32_t value = parse_decimal(line.substr(value_start, comma - value_start));
            if (value < 0 || value > 255 || format_decimal(value) != line.substr(value_start, comma - value_start)) {
                return "?";
            }
            bytes.push_back(static_cast<char>(value));
            value_start = comma + 1;
        }
        start = end + 1;
    }
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const int kind = data[0] % 3;  // 0 binary, 1 PRG, 2 source
    const std::string_view bytes = fuzzing::text_of(data + 1, size - 1);
    const std::string path = fuzzing::put_file(kind == 0 ? "merge.bin" : kind == 1 ? "merge.prg" : "merge.asm", bytes);
    const std::string before = std::string(First) + "\n" + std::string(Rest);
    set_control_text(SourceEditor, before);
    set_editor_caret(1, 1);
    clear_script();
    clear_logs();
    ctx.includes_expanded = 0;
    script_file_answer(path);
    if (kind == 2) {
        merge_source(state, ctx, "");
    } else {
        merge_binary(state, ctx, kind == 0 ? MergeBinaryMode : MergePrgMode);
    }
    const std::string after = editor_text();
    if (!message_log().empty()) {
        if (after != before) {
            fuzzing::fail("a refused merge changed the editor text");
        }
        return 0;
    }
    const std::string_view data_bytes = bytes.substr(kind == 1 ? std::min<std::size_t>(2, bytes.size()) : 0);
    if (kind != 2 && data_bytes.empty()) {
        if (after != before) {
            fuzzing::fail("a file without data bytes changed the editor text");
        }
        return 0;
    }
    const std::string head = std::string(First) + "\n";
    const std::string tail = "\n" + std::string(Rest);
    if (after.compare(0, head.size(), head) != 0 || after.size() < head.size() + tail.size() ||
        after.compare(after.size() - tail.size(), tail.size(), tail) != 0) {
        fuzzing::fail("the merged text is not between the first line and the rest");
    }
    const std::string inserted = after.substr(head.size(), after.size() - head.size() - tail.size());
    if (kind == 2) {
        if (inserted != fuzzing::as_editor_text(bytes)) {
            fuzzing::fail("a merged source is not its text");
        }
    } else if (bytes_of_data_lines(inserted) != data_bytes) {
        fuzzing::fail("the data lines do not give back the file's bytes");
    }
    return 0;
}
