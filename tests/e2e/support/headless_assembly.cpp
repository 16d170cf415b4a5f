#include "tests/e2e/support/headless_assembly.h"

#include <cstdio>

#include "app/cli_window.h"
#include "assembler/display_ids.h"
#include "assembler/driver.h"
#include "assembler/source_document.h"
#include "codegen/instruction_table.h"
#include "runtime/window/window.h"
#include "tests/e2e/support/temp_folder.h"

namespace tarvok::e2e {

AssemblyRun assemble_source(std::string_view text, const RunSettings& settings) {
    AssemblyRun run;
    TempFolder folder;
    const std::string output = folder.file(settings.kind == OutputKind::P00 ? "out.p00" : "out.prg");

    static char name[] = "e2e";
    char* argv[] = {name, nullptr};
    int argc = 1;
    start_window_layer(argc, argv);
    open_assembly_window();
    set_control_text(MainEditorId, text);
    clear_script();
    clear_logs();
    if (settings.kind == OutputKind::P00) {
        script_text_answer(settings.p00_name);
    }
    script_file_answer(settings.cancel_save ? "" : output);

    AssemblyContext ctx;
    SourceDocument doc;
    ctx.output_kind = settings.kind;
    ctx.quiet = 0;
    ctx.keep_output_name = 1;
    load_opcode_table();
    assemble(ctx, doc);

    run.written = ctx.output_written != 0;
    run.file = read_bytes(output);
    run.messages = message_log();
    run.requesters = requester_log();
    run.variables = ctx.variables;
    run.labels = ctx.labels;
    run.start_address = ctx.start_address;
    run.editor_text = editor_text();
    run.code_start_hex = get_control_text(CodeStartHex);
    run.code_end_hex = get_control_text(CodeEndHex);
    clear_script();
    stop_window_layer();
    return run;
}

std::string bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) {
        s.push_back(static_cast<char>(v & 0xFF));
    }
    return s;
}

std::string prg(int32_t load_address, std::initializer_list<int> values) {
    return bytes({load_address & 0xFF, (load_address >> 8) & 0xFF}) + bytes(values);
}

std::string hex_dump(std::string_view data) {
    std::string s;
    char b[4];
    for (unsigned char c : data) {
        std::snprintf(b, sizeof b, "%02X", c);
        if (!s.empty()) {
            s += ' ';
        }
        s += b;
    }
    return s;
}

std::vector<std::string> message_rows(const std::vector<MessageRecord>& messages) {
    std::vector<std::string> rows;
    for (const MessageRecord& m : messages) {
        const std::string line = m.selected_line < 0 ? "-" : std::to_string(m.selected_line + 1);
        rows.push_back(line + "|" + m.title + "|" + m.text);
    }
    return rows;
}

}  // namespace tarvok::e2e
