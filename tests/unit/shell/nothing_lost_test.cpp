// Nothing lost: seeded random sources with include directives (good ones, loops, a chain too deep,
// missing files, bare ones that ask), merged files and damaged lines, assembled from the main
// window with the requesters answered or cancelled. Whatever happens, the editor afterwards holds
// exactly the text the user had before the assembly, the private copy of it is gone and no
// "tempinc.txt" appears.
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "shell/control_ids.h"
#include "tests/unit/shell/shell_fixture.h"

namespace tarvok::testing {
namespace {

namespace fs = std::filesystem;

const std::vector<std::string> GoodLines = {
    "zp = $fb", "w = $1234", "start lda #1", " sta $d020", "loop dex", " bne loop", " lda (zp),y", " jmp (w)",
    " word start", " dbyte $1234", " byte 1,$ff,%00000101", " text \"hi\"", " rts", "", ";comment", " lda w+1",
    "; caf\xC3\xA9 \xFF\x80", " lda #1 ;include later", "INCLUDE \"lib.asm\"",
};
const std::vector<std::string> IncludeLines = {
    " include \"lib.asm\"", " includebinary \"data.bin\"", " includeprg \"game.prg\"", " includeprg \"tiny.prg\"",
    " include \"self.asm\"", " include \"d1.asm\"", " include \"missing.asm\"", "include",
    " include \"lib.asm\" ;with a comment",
};
const std::vector<std::string> BadLines = {" lda 10/0", " lda #", "x = ", " lda foo", "lab", "*=$2000", " lda ($1234),y"};
const std::vector<std::string> Splices = {"\"", "(", ")", ",x", "$", "#", "*=", "=", ";", "\t", "\xE9", "include",
                                          " ", "\r", "\n"};

std::string generated_source(std::mt19937& random) {
    const int count = std::uniform_int_distribution<int>(0, 12)(random);
    std::string text = random() % 10 == 0 ? "" : "*=$c000\n";
    for (int i = 0; i < count; ++i) {
        const int pool = std::uniform_int_distribution<int>(0, 19)(random);
        const std::vector<std::string>& lines = pool < 13 ? GoodLines : pool < 18 ? IncludeLines : BadLines;
        std::string line = lines[random() % lines.size()];
        if (random() % 10 == 0) {
            const std::size_t at = random() % (line.size() + 1);
            line.insert(at, Splices[random() % Splices.size()]);
        }
        text += line + (random() % 5 == 0 ? "\r\n" : "\n");
    }
    text += " rts";
    return text;
}

class NothingLost : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        const char* tmpdir = std::getenv("TMPDIR");
        previous_tmpdir_ = tmpdir != nullptr ? tmpdir : "";
        fs::create_directory(path_of("private"));
        setenv("TMPDIR", path_of("private").c_str(), 1);
    }
    void TearDown() override {
        if (previous_tmpdir_.empty()) {
            unsetenv("TMPDIR");
        } else {
            setenv("TMPDIR", previous_tmpdir_.c_str(), 1);
        }
        ShellTest::TearDown();
    }

private:
    std::string previous_tmpdir_;
};

TEST_F(NothingLost, TheEditorTextIsTheSameAfterEveryAssembly) {
    start();
    write_file("lib.asm", "libstart lda #2\r\n rts\r\n");
    write_file("self.asm", " nop\n include \"self.asm\"\n");
    for (int i = 1; i <= 20; ++i) {
        write_file("d" + std::to_string(i) + ".asm", " include \"d" + std::to_string(i + 1) + ".asm\"\n");
    }
    write_file("data.bin", std::string("\x00\x01\x80\xFF\x10\x20\x30\x40\x50\x60", 10));
    write_file("game.prg", std::string("\x01\x08\xA9\x00\x60", 5));
    write_file("tiny.prg", "\x01");
    write_file("merge.asm", "merged lda #3\r\n; \xC3\xA9\r\n");

    std::mt19937 random(20261213);
    int written = 0;
    int expanded = 0;
    for (int run = 0; run < 300; ++run) {
        const std::string source = generated_source(random);
        SCOPED_TRACE("run " + std::to_string(run) + ":\n" + source);
        ASSERT_TRUE(set_control_text(SourceEditor, source));
        clear_logs();
        // Some runs merge a file first, at a random line: the merged text belongs to the user.
        const int merge = std::uniform_int_distribution<int>(0, 5)(random);
        if (merge < 3) {
            set_editor_caret(1, static_cast<int32_t>(random() % (count_items(SourceEditor) + 1) + 1));
            script_file_answer(path_of(merge == 0 ? "data.bin" : merge == 1 ? "game.prg" : "merge.asm"));
            post_and_run(EventMenuCommand, MainWindow,
                         merge == 0 ? MenuMergeBinary : merge == 1 ? MenuMergePrg : MenuMergeSource);
        }
        const std::string before = editor_text();

        // The requesters: all cancelled, or the program saved as PRG or P00. A run with a
        // directive that asks for its file has every requester cancelled.
        clear_script();
        clear_logs();
        const bool asks = before.find("include\n") != std::string::npos ||
                          before.find("include\r") != std::string::npos ||
                          (before.size() >= 7 && before.compare(before.size() - 7, 7, "include") == 0);
        const int answers = asks ? 0 : std::uniform_int_distribution<int>(0, 2)(random);
        const bool p00 = answers == 2;
        if (p00) script_text_answer("demo");
        if (answers > 0) script_file_answer(path_of(p00 ? "out.p00" : "out.prg"));
        std::error_code ignored;
        fs::remove(path_of("out.prg"), ignored);
        fs::remove(path_of("out.p00"), ignored);
        post_and_run(EventMenuCommand, MainWindow, p00 ? MenuAssembleP00 : MenuAssemblePrg);
        clear_script();

        EXPECT_EQ(editor_text(), before);
        EXPECT_TRUE(fs::is_empty(path_of("private")));
        EXPECT_FALSE(fs::exists(path_of("tempinc.txt")));
        written += fs::exists(path_of("out.prg")) || fs::exists(path_of("out.p00")) ? 1 : 0;
        expanded += ctx.includes_expanded;
    }
    // The runs must reach both ends: programs written, and include directives expanded.
    EXPECT_GT(written, 15) << expanded;
    EXPECT_GT(expanded, 60);
}

}  // namespace
}  // namespace tarvok::testing
