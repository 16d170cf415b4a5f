// The whole assembly of an arbitrary editor text, as Assemble To Prg File runs it in the desktop
// program: every requester is cancelled (so nothing is saved), and include directives find a few
// small files in the private folder: sources (one that includes itself), data and PRG files of
// 0 to 20 bytes, a folder and a FIFO. After every run the editor holds exactly the text it held
// before, and the private copy the include expansion made is gone.
#include <cstddef>
#include <cstdint>
#include <string>
#include <sys/stat.h>

#include "assembler/driver.h"
#include "fuzz/fuzz_support.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"
#include "shell/control_ids.h"

namespace {

using namespace tarvok;

ShellState& state = fuzzing::program().state;
AssemblyContext& ctx = fuzzing::program().ctx;

void make_include_files() {
    using fuzzing::put_file;
    put_file("lib.asm", "libstart lda #1\r\n sta $d020\r\n rts\r\n");
    put_file("nest.asm", "include \"lib.asm\"\r\nnested nop\r\n");
    put_file("self.asm", "include \"self.asm\"\r\n");
    put_file("data.bin", std::string("\x00\x01\x7f\x80\xff\x10\x20\x30\x40\x50\x60\x70\x80\x90\xa0\xb0\xc0\xd0\xe0\xf0", 20));
    put_file("game.prg", std::string("\x01\x08\xa9\x00\x60", 5));
    put_file("tiny.prg", "\x01");
    put_file("empty.bin", "");
    ::mkdir((fuzzing::private_folder() + "/dir.asm").c_str(), 0755);
    ::mkfifo((fuzzing::private_folder() + "/fifo.asm").c_str(), 0600);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    static const bool ready = [] {
        make_include_files();
        state.loaded_folder = fuzzing::private_folder();
        return true;
    }();
    static_cast<void>(ready);
    clear_script();
    clear_logs();
    if (!set_control_text(SourceEditor, fuzzing::text_of(data, size))) {
        return 0;  // more text than the editor holds: refused before any assembly
    }
    const std::string before = editor_text();
    ctx.output_kind = size % 2 == 0 ? OutputKind::Prg : OutputKind::P00;
    ctx.quiet = 0;
    assemble(ctx, state);
    if (editor_text() != before) {
        fuzzing::fail("the editor text changed during an assembly");
    }
    if (fuzzing::temporary_files_left() != 0) {
        fuzzing::fail("a temporary file was left behind");
    }
    return 0;
}
