#include "tests/support/assembly_fixture.h"

#include <cstdio>

#include "assembler/display_ids.h"
#include "assembler/driver.h"
#include "codegen/instruction_table.h"
#include "runtime/window/window.h"

namespace tarvok::testing {

void AssemblyFixture::SetUp() {
    int argc = 0;
    start_window_layer(argc, nullptr);
    open_window(0, 0, 0, 786, 487, "Tarvok", WindowCentreOnScreen);
    create_text_field(CurrentSourceField, 10, 20, 620, 20, "Current Source", FieldReadOnly);
    create_editor(MainEditorId, 10, 40, 620, 390);
    create_text_field(CodeStartDecimal, 630, 320, 70, 20, "4096", FieldReadOnly);
    create_text_field(CodeEndDecimal, 710, 320, 70, 20, "4096", FieldReadOnly);
    create_text_field(CodeStartHex, 630, 340, 70, 20, "$1000", FieldReadOnly);
    create_text_field(CodeEndHex, 710, 340, 70, 20, "$1000", FieldReadOnly);
    create_progress_bar(ProgressBar, 10, 440, 620, 20, 0, 20);
    load_opcode_table();
}

void AssemblyFixture::TearDown() { stop_window_layer(); }

void AssemblyFixture::assemble_quietly(std::string_view source) {
    clear_logs();
    ASSERT_TRUE(set_control_text(MainEditorId, source));
    ctx.quiet = 1;
    assemble(ctx, doc);
}

void AssemblyFixture::assemble_for_output(std::string_view source, OutputKind kind) {
    clear_logs();
    ASSERT_TRUE(set_control_text(MainEditorId, source));
    ctx.quiet = 0;
    ctx.output_kind = kind;
    assemble(ctx, doc);
}

std::vector<uint8_t> AssemblyFixture::bytes() const {
    std::vector<uint8_t> out;
    out.reserve(ctx.object_image.size());
    for (uint16_t b : ctx.object_image) {
        out.push_back(static_cast<uint8_t>(b & 0xFF));
    }
    return out;
}

std::string AssemblyFixture::only_message() const {
    const auto& log = message_log();
    if (log.empty()) {
        return "";
    }
    EXPECT_EQ(log.size(), 1u) << "more than one message; first: " << log[0].title << "|" << log[0].text;
    return log[0].title + "|" + log[0].text;
}

std::string hex_bytes(const std::vector<uint8_t>& bytes) {
    std::string out;
    char buffer[4];
    for (uint8_t b : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02X", b);
        if (!out.empty()) {
            out += ' ';
        }
        out += buffer;
    }
    return out;
}

}  // namespace tarvok::testing
