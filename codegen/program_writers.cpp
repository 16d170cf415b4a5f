#include "codegen/program_writers.h"

#include <array>

#include "assembler/literals.h"
#include "assembler/messages.h"
#include "runtime/file/file.h"
#include "runtime/text/text.h"
#include "runtime/window/window.h"

namespace tarvok {

namespace {

constexpr std::string_view SaveTitle = "Save Assembled Prg File";
constexpr std::size_t P00HeaderSize = 26;
constexpr std::size_t C64NameLength = 16;
constexpr std::size_t C64NameOffset = 8;

void progress_to_zero(AssemblyContext& ctx) {
    ctx.progress = 0;
    show_progress(ctx);
}

// The load address and every byte of the image, behind an optional header.
std::string program_bytes(const AssemblyContext& ctx, const std::vector<uint8_t>& header) {
    std::string bytes(header.begin(), header.end());
    bytes.push_back(static_cast<char>(ctx.start_address & 0xFF));
    bytes.push_back(static_cast<char>((ctx.start_address >> 8) & 0xFF));
    const std::size_t image_start = bytes.size();
    bytes.resize(image_start + ctx.object_image.size());
    // Through plain pointers: a char store through the string could alias its own buffer pointer,
    // which would keep the compiler from converting many image words at once.
    const uint16_t* in = ctx.object_image.data();
    const uint16_t* const end = in + ctx.object_image.size();
    char* out = bytes.data() + image_start;
    while (in != end) {
        *out++ = static_cast<char>(*in++ & 0xFF);
    }
    return bytes;
}

// The path with the extension added when it holds no such text anywhere (case-sensitive), unless
// the caller names the file exactly.
std::string with_extension(const AssemblyContext& ctx, std::string path, std::string_view extension) {
    if (ctx.keep_output_name == 0 && find_text(path, extension) == 0) {
        path += extension;
    }
    return path;
}

// Writes the file, replacing any earlier one only once the new one is complete; false after
// telling the user why it could not be written.
bool write_program(AssemblyContext& ctx, const std::string& path, const std::string& bytes) {
    switch (replace_file(path, bytes)) {
        case ReplaceResult::Written:
            ctx.output_written = 1;
            return true;
        case ReplaceResult::NotCreated:
            show_message("I/O Error.", "Couldn't open the file!", ButtonsOk);
            return false;
        case ReplaceResult::NotWritten:
            show_message("I/O Error.", "Couldn't write the file!", ButtonsOk);
            return false;
    }
    return false;
}

void report_nothing_to_save(AssemblyContext& ctx) {
    show_message("Save Error", "Nothing To Assemble/Save", ButtonsOk);
    progress_to_zero(ctx);
}

}  // namespace

void write_prg_file(AssemblyContext& ctx, SourceDocument& doc) {
    if (ctx.object_image.empty()) {
        report_nothing_to_save(ctx);
        return;
    }
    doc.source_path = choose_save_file(SaveTitle, doc.default_path, "PrgFiles (*.*)|*.prg", 0);
    if (doc.source_path.empty()) {
        progress_to_zero(ctx);
        return;
    }
    const std::string path = with_extension(ctx, doc.source_path, ".prg");
    if (!write_program(ctx, path, program_bytes(ctx, {}))) {
        reset_assembly(ctx, doc);
        return;
    }
    progress_to_zero(ctx);
}

void write_p00_file(AssemblyContext& ctx, SourceDocument& doc) {
    ctx.p00_header.assign(P00HeaderSize, 0);
    constexpr std::string_view magic = "C64File";
    std::copy(magic.begin(), magic.end(), ctx.p00_header.begin());

    if (ctx.object_image.empty()) {
        report_nothing_to_save(ctx);
        reset_assembly(ctx, doc);
        return;
    }
    const std::string answer = ask_text("C64 File Name.", "Please Enter The Name Of the C64 File.",
                                        "Maximum 16 Characters");
    if (answer.empty()) {
        progress_to_zero(ctx);
        reset_assembly(ctx, doc);
        return;
    }
    // Longer names are cut to the 16 characters a C64 file name holds, without a message.
    const std::string name = left_text(upper_text(answer), static_cast<int32_t>(C64NameLength));
    for (std::size_t i = 0; i < name.size(); ++i) {
        // Built by appending: GCC 12 at -O3 reports a false -Wrestrict for "\"" + std::string.
        std::string quoted = "\"";
        quoted += name[i];
        quoted += '"';
        ctx.p00_header[C64NameOffset + i] =
            static_cast<uint8_t>(literal_value(ctx, quoted) & 0xFF);
    }

    doc.source_path = choose_save_file(SaveTitle, doc.default_path, "P00Files (*.*)|*.p00", 0);
    if (doc.source_path.empty()) {
        progress_to_zero(ctx);
        reset_assembly(ctx, doc);
        return;
    }
    const std::string path = with_extension(ctx, doc.source_path, ".p00");
    if (!write_program(ctx, path, program_bytes(ctx, ctx.p00_header))) {
        reset_assembly(ctx, doc);
        return;
    }
    progress_to_zero(ctx);
}

}  // namespace tarvok
