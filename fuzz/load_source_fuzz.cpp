// Load Source over a file of arbitrary bytes, then Save Source and Load Source again: the editor
// takes the text up to the first zero byte with every byte 1-255 unchanged (and says so when text
// follows that zero byte), the saved file holds those bytes again (line breaks as CR LF), and
// loading it back gives the same lines. A file the editor cannot take is refused with a message
// and the editor keeps its text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/editor_text.h"
#include "fuzz/fuzz_support.h"
#include "runtime/file/file.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"
#include "shell/control_ids.h"
#include "shell/source_file_commands.h"

namespace {

using namespace tarvok;

ShellState& state = fuzzing::program().state;
AssemblyContext& ctx = fuzzing::program().ctx;

std::string with_crlf(const std::string& text) {
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        bytes += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes = fuzzing::text_of(data, size);
    const std::string path = fuzzing::put_file("source.asm", bytes);
    const std::string earlier = "*=$c000\n rts";
    set_control_text(SourceEditor, earlier);
    clear_script();
    clear_logs();
    load_source(state, ctx, path);
    const std::string loaded = editor_text();
    const bool refused = !message_log().empty() && message_log().front().title == "Load Error.";
    const bool warned = !message_log().empty() && message_log().front().title == "Load Warning.";
    if (warned != (bytes.find('\0') != std::string_view::npos &&
                   bytes.find_first_not_of('\0', bytes.find('\0')) != std::string_view::npos)) {
        fuzzing::fail("the zero-byte warning does not match the file");
    }
    if (refused) {
        if (loaded != earlier) {
            fuzzing::fail("a refused load changed the editor text");
        }
        return 0;
    }
    if (loaded != fuzzing::as_editor_text(bytes)) {
        fuzzing::fail("the editor does not hold the file's text");
    }
    const std::string saved_path = fuzzing::private_folder() + "/saved.asm";
    save_source(state, ctx, saved_path);
    const auto saved = read_whole_file(saved_path);
    const std::string expected = with_crlf(loaded);
    if (!saved || saved->compare(0, expected.size(), expected) != 0 ||
        saved->find_first_not_of("\r\n", expected.size()) != saved->size() - 1 || saved->back() != '\0') {
        fuzzing::fail("the saved file does not hold the editor's text");
    }
    clear_logs();
    load_source(state, ctx, saved_path);
    if (editor_text().compare(0, loaded.size(), loaded) != 0 || !message_log().empty()) {
        fuzzing::fail("loading the saved file did not give the text back");
    }
    return 0;
}
