#include "assembler/includes.h"

#include <sys/stat.h>

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "assembler/display_ids.h"
#include "assembler/messages.h"
#include "assembler/source_files.h"
#include "runtime/file/file.h"
#include "runtime/text/text.h"
#include "runtime/window/window.h"

namespace tarvok {

namespace {

constexpr std::string_view IncludeTitle = "Include Error";

// The directive a line holds, with every occurrence of its word taken out of the line; false when
// it holds none. Only the lower-case words count.
bool take_directive(std::string& text, IncludeKind& kind) {
    if (text.find('i') == std::string::npos) {
        return false;
    }
    static constexpr struct {
        std::string_view word;
        IncludeKind kind;
    } directives[] = {{"includebinary", IncludeKind::Binary},
                      {"includeprg", IncludeKind::Prg},
                      {"include", IncludeKind::Source}};
    for (const auto& directive : directives) {
        if (find_text(text, directive.word) != 0) {
            text = remove_text(text, directive.word);
            kind = directive.kind;
            return true;
        }
    }
    return false;
}

// Everything after the first double quote except the line's last character: the name between
// the quotes when the closing quote ends the line.
std::string file_name_of(const std::string& rest) {
    if (rest.empty()) {
        return "";
    }
    const std::size_t after_quote = rest.find('"') + 1;
    return rest.substr(after_quote, rest.size() - 1 - after_quote);
}

}  // namespace

std::string include_file_path(std::string_view name, const SourceDocument& doc) {
    std::string path(name);
    if (path.empty() || path.front() == '/' || file_exists(path) || doc.loaded_folder.empty()) {
        return path;
    }
    std::string beside_source = doc.loaded_folder;
    if (beside_source.back() != '/') {
        beside_source += '/';
    }
    beside_source += path;
    return file_exists(beside_source) ? beside_source : path;
}

std::size_t find_include_word(std::string_view text, std::size_t from) {
    constexpr std::string_view Word = "include";
    std::size_t at = from;
#if defined(__SSE2__)
    // Sixty-four places at a time: an "i" with a "u" four bytes on is rare in source text, so the
    // places are told apart, and the whole word compared, only where there is one.
    constexpr std::size_t Places = 64;
    const char* const base = text.data();
    const __m128i first = _mm_set1_epi8('i');
    const __m128i fifth = _mm_set1_epi8('u');
    const auto candidates = [&](std::size_t p) {
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(base + p));
        const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(base + p + 4));
        return _mm_and_si128(_mm_cmpeq_epi8(a, first), _mm_cmpeq_epi8(b, fifth));
    };
    const auto bits = [](__m128i v) { return static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(v))); };
    if (text.size() >= Places + Word.size()) {
        // Up to here every word that starts among the places ends inside the text.
        const std::size_t last = text.size() - Places - Word.size();
        for (; at <= last; at += Places) {
            const __m128i c0 = candidates(at);
            const __m128i c1 = candidates(at + 16);
            const __m128i c2 = candidates(at + 32);
            const __m128i c3 = candidates(at + 48);
            if (_mm_movemask_epi8(_mm_or_si128(_mm_or_si128(c0, c1), _mm_or_si128(c2, c3))) == 0) {
                continue;
            }
            for (uint64_t found = bits(c0) | bits(c1) << 16 | bits(c2) << 32 | bits(c3) << 48; found != 0;
                 found &= found - 1) {
                const std::size_t hit = at + static_cast<std::size_t>(__builtin_ctzll(found));
                if (text.compare(hit, Word.size(), Word) == 0) {
                    return hit;
                }
            }
        }
    }
#endif
    return text.find(Word, at);
}

void IncludeExpansion::expand() {
    ctx_.source_saved = 0;
    // Every directive word holds "include": the scan reads the whole text at once and goes from
    // one line holding it to the next, counting the lines between. An expansion inserts lines
    // below the directive's line, so the text up to that line stays as it was: the scan reads the
    // text again and goes on from the same place. line_count grows with every expansion, so the
    // lines of an included source are scanned too. The text is read lower-cased, as the next step
    // takes it, so the scan stops at "INCLUDE" too; only the line as the editor has it tells
    // whether it holds a directive.
    std::string& text = lines_;
    text = get_editor_lines(MainEditorId, lower_bytes);
    lines_current_ = true;
    std::size_t line_start = 0;  // where line i starts in text
    int32_t i = 0;
    for (;;) {
        const std::size_t hit = find_include_word(text, line_start);
        if (hit == std::string::npos) {
            break;
        }
        for (std::size_t p = text.find('\n', line_start); p < hit; p = text.find('\n', p + 1)) {
            line_start = p + 1;
            ++i;
        }
        if (i > ctx_.line_count) {
            break;
        }
        const std::size_t line_end = text.find('\n', hit);
        while (!open_.empty() && open_.back().end_line <= i) {
            open_.pop_back();
        }
        std::string rest = get_item_text(MainEditorId, i);
        line_start = line_end + 1;
        IncludeKind kind = IncludeKind::Source;
        if (!take_directive(rest, kind)) {
            ++i;
            continue;
        }
        if (!rest.empty() && count_text(rest, "\"") != 2) {
            show_error(IncludeTitle, "File name Error");
            ctx_.error = 1;
            return;
        }
        std::string name = file_name_of(rest);
        ctx_.includes_expanded = 1;
        ctx_.insert_line = i + 1;
        ctx_.include_lines.push_back(i);
        if (ctx_.source_saved == 0) {
            if (!save_editor_text()) {
                return;
            }
            ctx_.source_saved = 1;
        }
        if (name.empty()) {
            name = ask_for_name(kind, i);
            if (name.empty()) {
                ctx_.error = 1;
                return;
            }
        }
        const bool go_on = kind == IncludeKind::Source ? include_source(name, i) : include_data(name, kind, i);
        ctx_.line_count = count_items(MainEditorId);
        if (!go_on) {
            break;
        }
        text = get_editor_lines(MainEditorId, lower_bytes);
        lines_current_ = true;
        ++i;
    }
    if (ctx_.includes_expanded == 1) {
        // The inserted text took the colour of the text before it.
        paint_editor(doc_);
    }
}

void IncludeExpansion::restore() {
    if (ctx_.includes_expanded == 0) {
        saved_.remove();
        return;
    }
    if (saved_.exists()) {
        const auto text = read_whole_file(saved_.path());
        if (!text || !set_control_text(MainEditorId, *text)) {
            show_error("Load Error.", "Couldn't open the file!");
        }
        saved_.remove();
    }
    doc_.find_start = 0;
    ctx_.progress = 0;
    show_progress(ctx_);
    paint_editor(doc_);
    ctx_.error = 0;
    set_control_file_name(CurrentSourceField, doc_.loaded_path);
}

bool IncludeExpansion::save_editor_text() {
    const int32_t count = count_items(MainEditorId);
    std::string text;
    for (int32_t i = 0; i < count; ++i) {
        if (i > 0) {
            text += "\r\n";
        }
        text += get_item_text(MainEditorId, i);
    }
    if (!saved_.create("tarvok-source-", text)) {
        show_error("Save Error.", "Couldn't Save A Copy Of The Source,Nothing Was Included.");
        ctx_.error = 1;
        return false;
    }
    return true;
}

std::string IncludeExpansion::ask_for_name(IncludeKind kind, int32_t line) {
    if (ctx_.ask_include_names == 0) {
        stop(IncludeTitle, "No File Name,Put The Name In Double Quotes.", line);
        return "";
    }
    switch (kind) {
        case IncludeKind::Source:
            return choose_open_file("Select Source File To Include", doc_.default_path, doc_.file_pattern, 0);
        case IncludeKind::Prg:
            return choose_open_file("Select PRG File To Include", doc_.default_path,
                                    "Prg Files (*.prg)|*.prg", 0);
        case IncludeKind::Binary:
            return choose_open_file("Select Binary File To Include", doc_.default_path,
                                    "Bin Files (*.bin)|*.bin", 0);
    }
    return "";
}

bool IncludeExpansion::include_source(const std::string& name, int32_t line) {
    doc_.find_start = 0;
    doc_.source_path = name;
    const std::string path = include_file_path(name, doc_);
    struct stat info {};
    const bool known = ::stat(path.c_str(), &info) == 0;
    if (known) {
        for (const OpenInclude& open : open_) {
            if (open.device == info.st_dev && open.inode == info.st_ino) {
                stop(IncludeTitle, "Include Loop,This File Is Already Being Included.", line);
                return false;
            }
        }
    }
    if (open_.size() >= MaxIncludeDepth) {
        stop(IncludeTitle, "Includes Nested Too Deep,At Most 16 Levels.", line);
        return false;
    }
    const SourceFile file = read_source_file(path, EditorTextLimit);
    if (file.status == SourceFileStatus::Unreadable) {
        show_error("Merge Error.", "Couldn't Find File,Must be In Same Dir As Source.");
        ctx_.error = 1;
        return true;
    }
    const int32_t added = file.status == SourceFileStatus::Read ? insert_text(file.text, name) : -1;
    if (added < 0) {
        stop(IncludeTitle, TooMuchTextMessage, line);
        return false;
    }
    if (known && added > 0) {
        open_.push_back({info.st_dev, info.st_ino, ctx_.insert_line + added, parts_.size() - 1});
    }
    return true;
}

bool IncludeExpansion::include_data(const std::string& name, IncludeKind kind, int32_t line) {
    const SourceFile data =
        read_data_file(include_file_path(name, doc_), kind == IncludeKind::Prg, EditorTextLimit);
    if (data.status == SourceFileStatus::Unreadable) {
        show_error("I/O Error.", "Couldn't open the file!.");
        ctx_.error = 1;
        return false;
    }
    const std::string lines = data.status == SourceFileStatus::Read ? data_lines(data.text) : "";
    if (data.status == SourceFileStatus::Read && lines.empty()) {
        return true;  // no bytes, no lines
    }
    const int32_t added = data.status == SourceFileStatus::Read ? insert_text(lines, name) : -1;
    if (added < 0) {
        stop(IncludeTitle, TooMuchTextMessage, line);
        return false;
    }
    ctx_.insert_line += added;
    return true;
}

std::string IncludeExpansion::editor_lines() {
    if (!lines_current_) {
        return get_editor_lines(MainEditorId, lower_bytes);
    }
    lines_current_ = false;
    return std::move(lines_);
}

int32_t IncludeExpansion::insert_text(std::string_view text, const std::string& name) {
    const int32_t before = count_items(MainEditorId);
    lines_current_ = false;
    if (!add_item(MainEditorId, ctx_.insert_line, text)) {
        return -1;
    }
    const int32_t added = count_items(MainEditorId) - before;
    // The inserted lines belong to every source file still being scanned.
    for (OpenInclude& open : open_) {
        open.end_line += added;
        parts_[open.part].line_count += added;
    }
    if (added > 0) {
        parts_.push_back({name, ctx_.insert_line, added});
    }
    return added;
}

void IncludeExpansion::stop(std::string_view title, std::string_view text, int32_t line) {
    goto_source_line(line);
    show_error(title, text);
    ctx_.error = 1;
}

}  // namespace tarvok
