#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "assembler/labels.h"
#include "assembler/line_marks.h"
#include "assembler/messages.h"
#include "assembler/source_lines.h"
#include "assembler/statement_pass.h"
#include "assembler/table_words.h"
#include "assembler/variables.h"
#include "runtime/text/text.h"
#include "runtime/window/script.h"
#include "tests/support/assembly_fixture.h"

namespace tarvok::testing {
namespace {

// Random text of the bytes the line reader and the passes after it look for.
std::string random_text(std::mt19937& random, std::size_t size) {
    static const std::string bytes = "\n\n\n;;=\t\"  ,,tewoTEWOxa*$#()\r1i\xC9";
    std::string text;
    for (std::size_t k = 0; k < size; ++k) {
        text.push_back(bytes[random() % bytes.size()]);
    }
    return text;
}

std::string marks_text(const ChunkMarks& m) {
    return std::to_string(m.breaks) + " " + std::to_string(m.semicolons) + " " + std::to_string(m.blanks) + " " +
           std::to_string(m.pairs) + " " + std::to_string(m.rare) + " " + std::to_string(m.commas);
}

// Every way this processor has marks the chunks of a text as the plain way a byte at a time does,
// one chunk or many at a time.
TEST(LineMarks, EveryWayMarksTheBytesAsTheBytewiseWay) {
    std::mt19937 random(7);
    const std::vector<ChunkMarker> markers = chunk_markers();
    ASSERT_GE(markers.size(), 2u);
    for (int round = 0; round < 400; ++round) {
        const std::size_t count = 1 + random() % 8;
        const std::string text = random_text(random, count * MarkChunk + 1);
        std::vector<ChunkMarks> expected(count);
        markers[0](text.data(), count, expected.data());
        for (std::size_t way = 1; way < markers.size(); ++way) {
            std::vector<ChunkMarks> marks(count);
            markers[way](text.data(), count, marks.data());
            for (std::size_t k = 0; k < count; ++k) {
                ASSERT_EQ(marks_text(marks[k]), marks_text(expected[k])) << "way " << way << " chunk " << k;
            }
        }
    }
}

// A word's table row is its place in the list of table words: over every three-letter word a-z,
// and over the table words with each byte changed to the bytes next to the letters.
TEST(TableWords, TheRowIsTheWordsPlaceInTheList) {
    const auto plain_row = [](std::string_view word) {
        const auto& list = mnemonic_list();
        const auto at = std::find(list.begin(), list.end(), word);
        return at == list.end() ? -1 : static_cast<int32_t>(at - list.begin());
    };
    std::vector<std::string> words = {"", "a", "lda ", "bytes", "dbyt", "texts", "wor"};
    for (char a = 'a'; a <= 'z'; ++a) {
        for (char b = 'a'; b <= 'z'; ++b) {
            for (char c = 'a'; c <= 'z'; ++c) {
                words.push_back(std::string{a, b, c});
            }
        }
    }
    for (const std::string_view word : mnemonic_list()) {
        for (std::size_t i = 0; i < word.size(); ++i) {
            for (const char c : std::string("`{@[AZaz\x80\xE1\xFF\x01 ")) {
                std::string changed(word);
                changed[i] = c;
                words.push_back(changed);
            }
        }
    }
    for (const std::string& word : words) {
        ASSERT_EQ(table_word_row(word), plain_row(word)) << word;
    }
}

// What the line reader notes of a line, found again by plain searches of the line.
std::string line_text(const AssemblyContext& ctx, std::size_t i) {
    const SourceLine& l = ctx.lines[i];
    return "'" + std::string(l.text) + "' ; " + std::to_string(l.semicolon) + " tab " + std::to_string(l.has_tab) +
           " quote " + std::to_string(l.has_quote) + " pair " + std::to_string(l.data_word_pair) + " indent " +
           std::to_string(l.indent) + " kind " + std::to_string(ctx.line_kind[i]);
}

std::string plain_line_text(std::string_view t, bool includes_expanded) {
    const std::size_t semicolon = t.find(';');
    const std::string_view code = t.substr(0, semicolon);
    const bool pair = code.find("te") != std::string_view::npos || code.find("wo") != std::string_view::npos;
    const std::size_t indent = std::min(t.find_first_not_of(" \t"), t.size());
    int kind = Open;
    if (t.find('=') != std::string_view::npos) {
        kind = t.find("*=") != std::string_view::npos ? StartCandidate : Assignment;
    }
    if (includes_expanded && t.find("include") != std::string_view::npos) {
        kind = IncludeLine;
    }
    return "'" + std::string(t) + "' ; " +
           std::to_string(semicolon == std::string_view::npos ? NoMark : static_cast<uint32_t>(semicolon)) +
           " tab " + std::to_string(t.find('\t') != std::string_view::npos) + " quote " +
           std::to_string(t.find('"') != std::string_view::npos) + " pair " + std::to_string(pair) + " indent " +
           std::to_string(indent) + " kind " + std::to_string(kind);
}

// Over random texts of up to a few groups of chunks, with fewer, as many or more editor lines
// than the text holds: each line, its marks and its kind are what plain searches of it give.
TEST(SourceLines, TheScanNotesWhatEachLineHolds) {
    std::mt19937 random(11);
    for (int round = 0; round < 600; ++round) {
        const std::size_t size = round % 3 == 0 ? random() % 7000 : random() % 200;
        const std::string text = random_text(random, size);
        std::string lower = text;
        lower_text_in_place(lower);
        std::vector<std::string_view> plain;
        for (std::size_t start = 0; !lower.empty();) {
            const std::size_t end = std::min(lower.find('\n', start), lower.size());
            plain.push_back(std::string_view(lower).substr(start, end - start));
            if (end == lower.size()) break;
            start = end + 1;
        }
        if (!lower.empty() && lower.back() == '\n') plain.pop_back();
        AssemblyContext ctx;
        ctx.line_count = static_cast<int32_t>(plain.size()) + static_cast<int32_t>(random() % 5) - 2;
        if (ctx.line_count < 0) ctx.line_count = 0;
        ctx.includes_expanded = static_cast<uint8_t>(random() % 2);
        ctx.line_kind.assign(static_cast<std::size_t>(ctx.line_count) + 1, Open);
        read_source_lines(ctx, lower);
        ASSERT_EQ(ctx.lines.size(), static_cast<std::size_t>(ctx.line_count) + 1);
        for (std::size_t i = 0; i < ctx.lines.size(); ++i) {
            const std::string_view t = i < plain.size() ? plain[i] : std::string_view();
            std::string expected = plain_line_text(t, ctx.includes_expanded == 1);
            if (i >= plain.size()) {
                // Past the text a line has not been looked at.
                expected.replace(expected.find(" indent ") + 8, 1, std::to_string(UnknownSize));
            }
            ASSERT_EQ(line_text(ctx, i), expected) << "round " << round << " line " << i;
        }
        if (plain.size() <= ctx.lines.size()) {
            EXPECT_EQ(ctx.source_commas, static_cast<std::size_t>(std::count(text.begin(), text.end(), ',')));
        }
    }
}

using StatementFieldsTest = AssemblyFixture;

std::string fields_text(const StatementFields& f) {
    return "'" + std::string(f.text) + "' word '" + std::string(f.word) + "' operand '" + std::string(f.operand) +
           "' row " + std::to_string(f.row) + " data '" + std::string(f.data_word) + "'";
}

// A random statement line: blanks, tabs and carriage returns around labels (some of them table
// words), table words in both cases, operands and comments that hold data words, quotes and ";".
std::string random_line(std::mt19937& random) {
    static const std::vector<std::string> indents = {"", "", " ", "   ", "\t", " \t ", "\r", " \r"};
    static const std::vector<std::string> labels = {"", "", "", "start", "loop1", "lda", "x", "text", "te", "a\rb"};
    static const std::vector<std::string> gaps = {" ", " ", "  ", "\t", " \t", "\r"};
    static const std::vector<std::string> words = {"lda", "LDA", "sta", "nop", "rts", "byte", "word", "dbyte",
                                                   "text", "TexT", "jmp", "foo", "", "ldaa", "by\tte", "asl"};
    static const std::vector<std::string> operands = {"", "#1", "#$ff", "start", "zp,x", "($10),y", "\"a\"",
                                                      "\";\"", "textptr", "keyword", "1,2,3", "\"te wo\"", "a\tb",
                                                      "  x ", "\r#1", "dbytes", "sword", "bytebyte", "\"\t;\"",
                                                      "by\tt\te", "w\tord", "#\"=\""};
    static const std::vector<std::string> comments = {"", "", " ; c", ";te", " ; \";\" x", ";\ttab", "; wo te", ";",
                                                      " ; byte", ";word", " ;x=1"};
    const auto pick = [&](const std::vector<std::string>& list) { return list[random() % list.size()]; };
    std::string line = pick(indents) + pick(labels);
    line += pick(gaps) + pick(words);
    line += pick(gaps) + pick(operands) + pick(comments);
    return line;
}

// Over random programs run through the passes before the statement pass: every Open line's fields
// the short way (what the label pass found, sixteen bytes at a time) are the full way's (each cut
// made again by its plain rule).
TEST_F(StatementFieldsTest, TheShortWayCutsEveryLineAsTheFullWay) {
    std::mt19937 random(5);
    std::size_t compared = 0;
    for (int program = 0; program < 300; ++program) {
        std::string source = "*=$1000\nv = 5\nw=$10\n";
        for (int k = 0; k < 40; ++k) {
            source += random_line(random) + "\n";
        }
        clear_logs();
        clear_assembly_lists(ctx);
        ctx.error = 0;
        ctx.includes_expanded = 0;
        ctx.line_count = static_cast<int32_t>(std::count(source.begin(), source.end(), '\n'));
        ctx.line_kind.assign(static_cast<std::size_t>(ctx.line_count) + 1, Open);
        ctx.line_has_label.assign(static_cast<std::size_t>(ctx.line_count) + 1, 0);
        lower_text_in_place(source);
        read_source_lines(ctx, source);
        mark_blank_lines(ctx);
        collect_variables(ctx);
        if (ctx.error == 0) collect_labels(ctx);
        std::string short_buffer;
        std::string full_buffer;
        for (int32_t i = 0; i < static_cast<int32_t>(ctx.lines.size()); ++i) {
            if (ctx.line_kind[i] != Open) continue;
            ctx.current_line = i;
            const std::string short_way = fields_text(statement_fields(ctx, i, short_buffer, true));
            ASSERT_EQ(short_way, fields_text(statement_fields(ctx, i, full_buffer, false)))
                << "program " << program << " line " << i << " '" << ctx.lines[static_cast<std::size_t>(i)].text << "'";
            ++compared;
        }
    }
    EXPECT_GT(compared, 8000u);
}

}  // namespace
}  // namespace tarvok::testing
