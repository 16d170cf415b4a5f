#include <string>
#include <vector>

#include "assembler/display_ids.h"
#include "assembler/driver.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"
#include "tests/support/assembly_fixture.h"

namespace tarvok::testing {
namespace {

class DriverTest : public AssemblyFixture {
protected:
    void SetUp() override {
        AssemblyFixture::SetUp();
        set_state_observer([this](int32_t id, int32_t value) {
            if (id == ProgressBar && (progress.empty() || progress.back() != value)) {
                progress.push_back(value);
            }
        });
    }
    std::vector<int32_t> progress;
};

TEST_F(DriverTest, ACleanRunMovesTheBarThroughEveryStepAndBackToZero) {
    assemble_quietly("*=$1000\n lda #$01\n rts\n");
    EXPECT_EQ(ctx.error, 0);
    EXPECT_EQ(progress, (std::vector<int32_t>{0, 1, 2, 3, 5, 7, 9, 11, 13, 14, 16, 17, 19, 0}));
    EXPECT_EQ(get_control_state(ProgressBar), 0);
}

TEST_F(DriverTest, TheBarStopsMovingAtTheStepThatFails) {
    const struct {
        const char* source;
        std::vector<int32_t> bar;
    } rows[] = {
        {" rts", {0, 1, 0}},                                            // start address
        {"*=$1000\nbig = 70000\n rts", {0, 1, 2, 3, 0}},                // variables
        {"*=$1000\nalone\n rts", {0, 1, 2, 3, 5, 0}},                   // labels
        {"*=$1000\n lda nowhere", {0, 1, 2, 3, 5, 7, 0}},               // statement pass
        {"*=$1000\n bne $2000", {0, 1, 2, 3, 5, 7, 9, 11, 13, 14, 16, 0}},  // branches
        {"*=$1000\n lda 1+2+3", {0, 1, 2, 3, 5, 7, 9, 11, 13, 14, 16, 17, 0}},  // expressions
        {"*=$1000\n lda $10,y", {0, 1, 2, 3, 5, 7, 9, 11, 13, 14, 16, 17, 0}},  // opcode selection
    };
    for (const auto& row : rows) {
        progress.clear();
        assemble_for_output(row.source);
        EXPECT_EQ(progress, row.bar) << row.source;
    }
}

TEST_F(DriverTest, AQuietRunWritesNoFileAndAsksNothing) {
    assemble_quietly("*=$1000\n lda #$01\n rts\n");
    EXPECT_TRUE(requester_log().empty());
    EXPECT_TRUE(message_log().empty());
    EXPECT_EQ(ctx.output_written, 0);
}

TEST_F(DriverTest, TwoRunsOverTheSameTextGiveTheSameResults) {
    const std::string source =
        "*=$c000\ncount = #3\nstart ldx count\nloop dex\n bne loop\n jmp start\n byte <start,>start\n";
    assemble_quietly(source);
    const auto first_bytes = bytes();
    const auto first_labels = ctx.labels.size();
    const auto first_statements = ctx.statements.size();
    assemble_quietly(source);
    EXPECT_EQ(bytes(), first_bytes);
    EXPECT_EQ(ctx.labels.size(), first_labels);
    EXPECT_EQ(ctx.statements.size(), first_statements);
    EXPECT_EQ(ctx.variables.size(), 1u);
    EXPECT_EQ(hex_bytes(first_bytes), "A2 03 CA D0 FD 4C 00 C0 00 C0");
}

TEST_F(DriverTest, AnErrorKeepsWhatTheStepsBeforeItBuilt) {
    assemble_quietly("*=$1000\nv = 1\nfirst nop\n lda missing\n");
    EXPECT_EQ(ctx.error, 1);
    EXPECT_EQ(ctx.variables.size(), 1u);
    EXPECT_EQ(ctx.labels.size(), 1u);
    EXPECT_EQ(ctx.labels[0].address, -1);  // the label step got no further
    EXPECT_TRUE(ctx.object_image.empty());
}

TEST_F(DriverTest, TheEditorIsRepaintedInTheDocumentColours) {
    doc.text_colour = 0x0000FF;
    doc.background_colour = 0x202020;
    assemble_quietly("*=$1000\n rts");
    EXPECT_EQ(editor_colour_at(0), 0x0000FF);
    EXPECT_EQ(editor_colour_at(8), 0x0000FF);
    EXPECT_EQ(editor_background(), 0x202020);

    // A colour that was never chosen is left alone.
    doc.text_colour = NoColour;
    doc.background_colour = NoColour;
    assemble_quietly("*=$1000\n rts");
    EXPECT_EQ(editor_colour_at(0), 0);
    EXPECT_EQ(editor_background(), 0x202020);
}

TEST_F(DriverTest, GoingToALineFarDownPutsTheCaretBelowItFirst) {
    std::string source = "*=$1000\n";
    for (int i = 0; i < 100; ++i) {
        source += " nop\n";
    }
    source += " lda nowhere\n";
    set_control_text(MainEditorId, source);
    set_editor_caret(1, 60);  // the user works far down the text
    clear_logs();
    ctx.quiet = 1;
    assemble(ctx, doc);
    ASSERT_EQ(message_log().size(), 1u);
    EXPECT_EQ(message_log()[0].selected_line, 101);
    EXPECT_EQ(current_editor_line(), 101);  // the line break before line 101 lies on line 100
}

}  // namespace
}  // namespace tarvok::testing
