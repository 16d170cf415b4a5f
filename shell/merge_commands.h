#pragma once
// Merging files into the source text: other sources, PRG files and raw binary files.

#include <cstdint>
#include <string_view>

#include "assembler/context.h"
#include "shell/shell_state.h"

namespace tarvok {

inline constexpr int32_t MergeBinaryMode = 1;
inline constexpr int32_t MergePrgMode = 2;

// An empty name asks the user for the file.
void merge_source(ShellState& state, AssemblyContext& ctx, std::string_view name);
// mode: MergeBinaryMode or MergePrgMode.
void merge_binary(ShellState& state, AssemblyContext& ctx, int32_t mode);

}  // namespace tarvok
