// The settings reader over arbitrary bytes as "tarc.bin": truncated, huge, without line ends.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "shell/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace tarvok;
    fuzzing::put_file(SettingsFileName, fuzzing::text_of(data, size));
    ShellState loaded;
    load_settings(loaded);
    if (loaded.settings_loaded != 1) {
        fuzzing::fail("a readable settings file was not taken");
    }
    return 0;
}
