// Expression evaluation: one operand, arbitrary text, in a small program with variables and
// labels of both sizes, used by an instruction or a data directive chosen by the first byte.
// The symbol-list run (quiet) assembles it without a requester.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "assembler/driver.h"
#include "fuzz/fuzz_support.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"
#include "shell/control_ids.h"

namespace {

using namespace tarvok;

ShellState& state = fuzzing::program().state;
AssemblyContext& ctx = fuzzing::program().ctx;

constexpr std::array<std::string_view, 12> Users = {" lda ", " ldx ", " sta ", " jmp ", " bne ", " byte ",
                                                      " word ", " dbyte ", " lda #", " ora (", " inc ", " cpy "};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    std::string operand(fuzzing::text_of(data + 1, size - 1));
    operand = operand.substr(0, operand.find_first_of("\r\n"));  // one line
    const std::string source = "*=$c000\nzp = $fb\nw = $1234\nn = #7\nstart" + std::string(Users[data[0] % Users.size()]) +
                               operand + "\n sta w\nlab rts\nlast word lab\n";
    clear_script();
    clear_logs();
    set_control_text(SourceEditor, source);
    ctx.quiet = 1;
    assemble(ctx, state);
    return 0;
}
