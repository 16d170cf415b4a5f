#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "runtime/file/file.h"
#include "runtime/window/script.h"
#include "tests/support/assembly_fixture.h"

namespace tarvok::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* Program = "*=$1000\nstart lda #$01\n sta $d020\n rts\n";
constexpr const char* ProgramBytes = "A9 01 8D 20 D0 60";

class WriterTest : public AssemblyFixture {
protected:
    void SetUp() override {
        AssemblyFixture::SetUp();
        std::string pattern = (fs::temp_directory_path() / "tarvok-writers-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder = pattern;
    }
    void TearDown() override {
        fs::remove_all(folder);
        AssemblyFixture::TearDown();
    }
    std::string file_hex(const fs::path& path) const {
        const auto content = read_whole_file(path.string());
        if (!content) {
            return "<missing>";
        }
        return hex_bytes(std::vector<uint8_t>(content->begin(), content->end()));
    }

    fs::path folder;
};

TEST_F(WriterTest, APrgFileIsTheLoadAddressAndTheBytes) {
    script_file_answer((folder / "game.prg").string());
    assemble_for_output(Program);
    EXPECT_TRUE(message_log().empty()) << only_message();
    EXPECT_EQ(file_hex(folder / "game.prg"), std::string("00 10 ") + ProgramBytes);
    EXPECT_EQ(ctx.output_written, 1);
    EXPECT_EQ(doc.source_path, (folder / "game.prg").string());
    EXPECT_EQ(ctx.labels.size(), 1u);  // a written file leaves the symbols of the run
    ASSERT_EQ(requester_log().size(), 1u);
    EXPECT_EQ(requester_log()[0].title, "Save Assembled Prg File");
    EXPECT_EQ(requester_log()[0].filter, "PrgFiles (*.*)|*.prg");
    EXPECT_EQ(requester_log()[0].prompt_or_default, "c:");
}

TEST_F(WriterTest, TheExtensionIsAddedUnlessThePathHoldsItAnywhere) {
    fs::create_directory(folder / "x.prgs");
    const struct {
        const char* chosen;
        const char* written;
    } rows[] = {
        {"prog", "prog.prg"},
        {"prog.PRG", "prog.PRG.prg"},   // the test is case-sensitive
        {"x.prgs/game", "x.prgs/game"}, // ".prg" anywhere in the path
        {"prog.prg", "prog.prg"},
    };
    for (const auto& row : rows) {
        script_file_answer((folder / row.chosen).string());
        assemble_for_output(Program);
        EXPECT_EQ(file_hex(folder / row.written), std::string("00 10 ") + ProgramBytes) << row.chosen;
    }
}

TEST_F(WriterTest, TheCommandLineNamesItsFileExactly) {
    ctx.keep_output_name = 1;
    script_file_answer((folder / "out.bin").string());
    assemble_for_output(Program);
    EXPECT_EQ(file_hex(folder / "out.bin"), std::string("00 10 ") + ProgramBytes);
    EXPECT_FALSE(fs::exists(folder / "out.bin.prg"));
}

TEST_F(WriterTest, AP00FileHasItsHeaderInFront) {
    script_text_answer("demo");
    script_file_answer((folder / "demo").string());
    assemble_for_output("*=$1000\n lda #$01\n rts", OutputKind::P00);
    EXPECT_TRUE(message_log().empty()) << only_message();
    EXPECT_EQ(file_hex(folder / "demo.p00"),
              "43 36 34 46 69 6C 65 00 44 45 4D 4F 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
              "00 10 A9 01 60");
    ASSERT_EQ(requester_log().size(), 2u);
    EXPECT_EQ(requester_log()[0].title, "C64 File Name.");
    EXPECT_EQ(requester_log()[0].prompt_or_default, "Please Enter The Name Of the C64 File.");
    EXPECT_EQ(requester_log()[0].default_text, "Maximum 16 Characters");
    EXPECT_EQ(requester_log()[1].title, "Save Assembled Prg File");
    EXPECT_EQ(requester_log()[1].filter, "P00Files (*.*)|*.p00");
}

TEST_F(WriterTest, TheC64NameIsUpperCasedAndCutTo16Characters) {
    const struct {
        const char* answer;
        const char* name_bytes;
    } rows[] = {
        {"Maximum 16 Characters", "4D 41 58 49 4D 55 4D 20 31 36 20 43 48 41 52 41"},
        {"abcdefghijklmnopqrst", "41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50"},
        {"a b", "41 20 42 00 00 00 00 00 00 00 00 00 00 00 00 00"},
        {"\xA3", "5C 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"},
    };
    for (const auto& row : rows) {
        script_text_answer(row.answer);
        script_file_answer((folder / "named.p00").string());
        assemble_for_output("*=$1000\n rts", OutputKind::P00);
        const std::string all = file_hex(folder / "named.p00");
        ASSERT_GE(all.size(), 24u * 3) << row.answer;
        EXPECT_EQ(all.substr(8 * 3, 16 * 3 - 1), row.name_bytes) << row.answer;
        EXPECT_EQ(all.substr(24 * 3, 5), "00 00") << row.answer;
    }
}

TEST_F(WriterTest, CancellingWritesNothing) {
    assemble_for_output(Program);  // no answer queued: the save requester is cancelled
    EXPECT_TRUE(message_log().empty());
    EXPECT_EQ(doc.source_path, "");
    EXPECT_EQ(ctx.output_written, 0);
    EXPECT_EQ(ctx.labels.size(), 1u);  // the PRG writer keeps the run's symbols
    EXPECT_EQ(get_control_state(45), 0);

    assemble_for_output(Program, OutputKind::P00);  // the name question is cancelled
    EXPECT_EQ(ctx.output_written, 0);
    EXPECT_TRUE(ctx.labels.empty());  // the P00 writer clears the run
    EXPECT_EQ(requester_log().size(), 1u);

    script_text_answer("name");
    assemble_for_output(Program, OutputKind::P00);  // then the file requester
    EXPECT_EQ(ctx.output_written, 0);
    EXPECT_TRUE(ctx.labels.empty());
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(WriterTest, NothingToSave) {
    for (OutputKind kind : {OutputKind::Prg, OutputKind::P00}) {
        assemble_for_output("*=$1000\nv = 1\n", kind);
        EXPECT_EQ(only_message(), "Save Error|Nothing To Assemble/Save");
        EXPECT_TRUE(requester_log().empty());
        EXPECT_EQ(ctx.output_written, 0);
    }
}

TEST_F(WriterTest, AFileThatCannotBeCreatedIsReportedAndTheRunCleared) {
    for (OutputKind kind : {OutputKind::Prg, OutputKind::P00}) {
        if (kind == OutputKind::P00) {
            script_text_answer("x");
        }
        script_file_answer((folder / "no-such-folder" / "game.prg").string());
        assemble_for_output(Program, kind);
        EXPECT_EQ(only_message(), "I/O Error.|Couldn't open the file!");
        EXPECT_EQ(ctx.output_written, 0);
        EXPECT_TRUE(ctx.labels.empty());
    }
}

TEST_F(WriterTest, AFailedWriteKeepsWhatWasThereAndLeavesNoHalfFile) {
    struct Row {
        std::string path;
        const char* message;
    };
    // A folder stands where the program file should go: no file of that name can be opened. A
    // link to a full device: the device is written into, takes no byte, and stays a device.
    fs::create_directory(folder / "taken.prg");
    fs::create_symlink("/dev/full", folder / "full.prg");
    const Row rows[] = {
        {(folder / "taken.prg").string(), "I/O Error.|Couldn't open the file!"},
        {(folder / "full.prg").string(), "I/O Error.|Couldn't write the file!"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        clear_logs();
        script_file_answer(row.path);
        assemble_for_output(Program);
        EXPECT_EQ(only_message(), row.message);
        EXPECT_EQ(ctx.output_written, 0);
        EXPECT_TRUE(fs::is_directory(folder / "taken.prg"));
        EXPECT_TRUE(fs::is_character_file("/dev/full"));
        EXPECT_TRUE(fs::is_symlink(folder / "full.prg"));
        int entries = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder)) {
            ++entries;
        }
        EXPECT_EQ(entries, 2) << "a temporary file was left behind";
    }
}

TEST_F(WriterTest, AnEarlierFileIsReplacedWhole) {
    const fs::path path = folder / "game.prg";
    ASSERT_TRUE(write_file_replacing(path.string(), std::string(100, 'x')));
    script_file_answer(path.string());
    assemble_for_output(Program);
    EXPECT_EQ(file_hex(path), std::string("00 10 ") + ProgramBytes);
}

}  // namespace
}  // namespace tarvok::testing
