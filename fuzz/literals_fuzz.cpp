// literal_to_decimal over arbitrary texts: every notation, and whatever else a line may hold
// where a number is expected. The answer is always decimal text that parse_decimal reads.
#include <cstddef>
#include <cstdint>
#include <string>

#include "assembler/literals.h"
#include "fuzz/fuzz_support.h"
#include "runtime/text/text.h"
#include "runtime/window/script.h"

namespace {

using namespace tarvok;

AssemblyContext& ctx = fuzzing::program().ctx;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    clear_logs();
    ctx.error = 0;
    const std::string decimal = literal_to_decimal(ctx, fuzzing::text_of(data, size));
    const bool digits = !decimal.empty() && decimal.find_first_not_of("-0123456789") == std::string::npos;
    if (!digits) {
        fuzzing::fail("literal_to_decimal gave no decimal number: " + decimal);
    }
    if (ctx.error != 0 && (decimal != "0" || message_log().empty())) {
        fuzzing::fail("a refused literal must give 0 and a message");
    }
    hex_to_decimal(fuzzing::text_of(data, size < 4 ? size : 4));
    return 0;
}
