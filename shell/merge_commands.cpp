#include "shell/merge_commands.h"

#include "shell/not_available.h"

namespace tarvok {

void merge_source(ShellState& /*state*/, AssemblyContext& /*ctx*/, std::string_view /*name*/) {
    show_not_available("Merge Source File");
}

void merge_binary(ShellState& /*state*/, AssemblyContext& /*ctx*/, int32_t mode) {
    show_not_available(mode == MergePrgMode ? "Merge Prg Into Source" : "Merge Binary Into Source");
}

}  // namespace tarvok
