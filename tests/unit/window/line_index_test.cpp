// The lazily rebuilt line index against lines found by a plain scan, through many random edits.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "runtime/window/headless/line_index.h"

namespace tarvok::headless {
namespace {

std::vector<int32_t> scanned_starts(const std::string& text) {
    std::vector<int32_t> starts{0};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') starts.push_back(static_cast<int32_t>(i) + 1);
    }
    return starts;
}

void expect_matches_scan(const LineIndex& index, const std::string& text) {
    const std::vector<int32_t> starts = scanned_starts(text);
    const auto count = static_cast<int32_t>(starts.size());
    ASSERT_EQ(index.line_count(text), count);
    for (int32_t line = 0; line < count; ++line) {
        const int32_t start = starts[static_cast<std::size_t>(line)];
        const int32_t end = line + 1 < count ? starts[static_cast<std::size_t>(line) + 1] - 1
                                             : static_cast<int32_t>(text.size());
        ASSERT_EQ(index.line_start(text, line), start) << "line " << line;
        ASSERT_EQ(index.line_length(text, line), end - start) << "line " << line;
        ASSERT_EQ(index.line_of(text, start), line);
        ASSERT_EQ(index.line_of(text, end), line) << "a break belongs to the line it ends";
    }
}

TEST(LineIndex, FollowsRandomEdits) {
    std::mt19937 random(64);
    std::string text = "lda #1\nsta $d020\n\nrts";
    LineIndex index;
    expect_matches_scan(index, text);
    const std::string pieces[] = {"\n", "a", "lda #$10\n", "\n\n", "x\ny", "", "ldx", "sta $d021"};
    for (int step = 0; step < 400; ++step) {
        const auto position = static_cast<int32_t>(random() % (text.size() + 1));
        const auto removed = static_cast<int32_t>(
            std::min<std::size_t>(random() % 4, text.size() - static_cast<std::size_t>(position)));
        const std::string& piece = pieces[random() % std::size(pieces)];
        // Edits that neither remove nor insert a line break only move the later lines.
        const bool within_line =
            piece.find('\n') == std::string::npos &&
            text.substr(static_cast<std::size_t>(position), static_cast<std::size_t>(removed))
                    .find('\n') == std::string::npos;
        text.replace(static_cast<std::size_t>(position), static_cast<std::size_t>(removed), piece);
        if (within_line && step % 2 == 0) {
            index.text_replaced_within_line(position, removed, static_cast<int32_t>(piece.size()));
        } else {
            index.text_changed_from(position);
        }
        if (step % 3 == 0) expect_matches_scan(index, text);  // questions between some edits only
    }
    expect_matches_scan(index, text);
}

TEST(LineIndex, EdgesOfTheText) {
    const std::string text = "ab\ncd";
    LineIndex index;
    EXPECT_EQ(index.line_start(text, -3), 0);
    EXPECT_EQ(index.line_start(text, 2), 5) << "past the last line is the end of the text";
    EXPECT_EQ(index.line_length(text, 2), 0);
    EXPECT_EQ(index.line_length(text, -1), 0);
    EXPECT_EQ(index.line_of(text, 99), 1);
    EXPECT_EQ(index.line_of(text, -4), 0);
    const std::string empty;
    index.reset();
    EXPECT_EQ(index.line_count(empty), 1);
}

}  // namespace
}  // namespace tarvok::headless
