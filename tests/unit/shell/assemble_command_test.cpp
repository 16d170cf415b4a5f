// The Assemble commands run the assembler on the editor's text and write the program file the
// user names.
#include <string>
#include <vector>

#include "shell/control_ids.h"
#include "tests/unit/shell/shell_fixture.h"

namespace tarvok::testing {
namespace {

constexpr std::string_view SmallProgram = "*=$1000\n lda #$01\n rts";

struct AssembleRow {
    const char* name;
    int32_t kind;
    int32_t id;
    const char* answered_path;  // what the save requester answers
    const char* written_file;   // the file the program ends up in
    bool p00;
};

void PrintTo(const AssembleRow& row, std::ostream* out) { *out << row.name; }

class AssembleCommandTest : public ShellTest, public ::testing::WithParamInterface<AssembleRow> {};

TEST_P(AssembleCommandTest, WritesTheProgramFile) {
    const AssembleRow& row = GetParam();
    start();
    set_control_text(SourceEditor, SmallProgram);
    // A leftover symbol refresh and the other output kind must not matter.
    ctx.quiet = 1;
    ctx.output_kind = row.p00 ? OutputKind::Prg : OutputKind::P00;
    if (row.p00) {
        script_text_answer("test");  // the C64 file name, asked before the file
    }
    script_file_answer(path_of(row.answered_path));
    post_and_run(row.kind, MainWindow, row.id);

    EXPECT_EQ(ctx.quiet, 0);
    EXPECT_EQ(ctx.output_kind, row.p00 ? OutputKind::P00 : OutputKind::Prg);
    const std::string program("\x00\x10\xA9\x01\x60", 5);
    const std::string bytes = read_file(row.written_file);
    if (row.p00) {
        ASSERT_EQ(bytes.size(), 26u + program.size());
        EXPECT_EQ(bytes.substr(0, 8), std::string("C64File\0", 8));
        EXPECT_EQ(bytes.substr(8, 5), std::string("TEST\0", 5));
        EXPECT_EQ(bytes.substr(26), program);
    } else {
        EXPECT_EQ(bytes, program);
    }
    EXPECT_EQ(get_control_text(CodeStartDecimal), "4096");
    EXPECT_EQ(get_control_text(CodeStartHex), "$1000");
    EXPECT_EQ(get_control_text(CodeEndDecimal), "4099");
    EXPECT_EQ(get_control_text(CodeEndHex), "$1003");
    EXPECT_EQ(get_control_state(ProgressBar), 0);
    EXPECT_EQ(editor_text(), SmallProgram);
    EXPECT_EQ(state.event_handled, row.kind == EventControl ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, AssembleCommandTest,
    ::testing::Values(
        AssembleRow{"MenuPrg", EventMenuCommand, MenuAssemblePrg, "out", "out.prg", false},
        AssembleRow{"ButtonPrg", EventControl, AssemblePrgButton, "out.prg", "out.prg", false},
        AssembleRow{"MenuP00", EventMenuCommand, MenuAssembleP00, "out", "out.p00", true},
        AssembleRow{"ButtonP00", EventControl, AssembleP00Button, "out.p00", "out.p00", true}),
    [](const ::testing::TestParamInfo<AssembleRow>& info) { return std::string(info.param.name); });

using AssembleStartUpTextTest = ShellTest;

TEST_F(AssembleStartUpTextTest, TheExampleLineAloneGivesNothingToSave) {
    start();
    script_file_answer(path_of("empty.prg"));
    post_and_run(EventMenuCommand, MainWindow, MenuAssemblePrg);
    bool reported = false;
    for (const MessageRecord& message : message_log()) {
        reported = reported || (message.title == "Save Error" &&
                                message.text == "Nothing To Assemble/Save");
    }
    EXPECT_TRUE(reported);
    EXPECT_TRUE(read_file("empty.prg").empty());
    EXPECT_EQ(get_control_text(CodeStartDecimal), "4096");
    EXPECT_EQ(get_control_state(ProgressBar), 0);
}

}  // namespace
}  // namespace tarvok::testing
