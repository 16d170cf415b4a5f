#pragma once
// One whole assembly run through the driver over the in-memory window layer, as the desktop
// program's assemble commands make it: the text goes into the editor, the run's requesters are
// answered from a script, and what the run showed and wrote is collected.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "assembler/context.h"
#include "runtime/window/script.h"

namespace tarvok::e2e {

struct RunSettings {
    OutputKind kind = OutputKind::Prg;
    std::string p00_name = "demo";  // answer to the C64 file name question
    bool cancel_save = false;       // answer the save requester with a cancel
};

struct AssemblyRun {
    bool written = false;      // the driver reported a written program file
    std::string file;          // the bytes of that file ("" when none)
    std::vector<MessageRecord> messages;
    std::vector<RequesterRecord> requesters;
    std::vector<VariableEntry> variables;
    std::vector<LabelEntry> labels;
    int32_t start_address = 0;
    std::string editor_text;   // the editor's text after the run ("\n" line breaks)
    std::string code_start_hex, code_end_hex;  // what the code fields show after the run
};

// Assembles the text (set as the editor's whole text, line breaks as Load Source reads them).
AssemblyRun assemble_source(std::string_view text, const RunSettings& settings = {});

// Bytes as a string, for comparing with file contents.
std::string bytes(std::initializer_list<int> values);
// A PRG file: the load address, then the bytes.
std::string prg(int32_t load_address, std::initializer_list<int> values);
// Readable hexadecimal dump ("A9 10 60") for failure messages.
std::string hex_dump(std::string_view data);
// The messages as "line|title|text" rows, line 1-based or "-" when no line was selected.
std::vector<std::string> message_rows(const std::vector<MessageRecord>& messages);

}  // namespace tarvok::e2e
