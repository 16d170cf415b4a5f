// Include directives in an assembly started from the main window: the included files end up in
// the program, every error has its box, and after every run the editor holds exactly the text it
// held before, with no temporary file left anywhere.
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "assembler/display_ids.h"
#include "shell/control_ids.h"
#include "tests/support/unprivileged.h"
#include "tests/unit/shell/shell_fixture.h"

namespace tarvok::testing {
namespace {

namespace fs = std::filesystem;

using Files = std::vector<std::pair<std::string, std::string>>;

std::string counting(int from, int to) {
    std::string bytes;
    for (int i = from; i <= to; ++i) bytes.push_back(static_cast<char>(i));
    return bytes;
}

std::string prg(std::string bytes) { return std::string("\x00\x10", 2) + bytes; }

class IncludeTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        const char* tmpdir = std::getenv("TMPDIR");
        had_tmpdir_ = tmpdir != nullptr;
        if (had_tmpdir_) previous_tmpdir_ = tmpdir;
        // The private copy of the text goes to TMPDIR: a folder of this test's own, watched.
        fs::create_directory(path_of("private"));
        setenv("TMPDIR", path_of("private").c_str(), 1);
        start();
        state.loaded_path = path_of("main.asm");
    }
    void TearDown() override {
        if (had_tmpdir_) {
            setenv("TMPDIR", previous_tmpdir_.c_str(), 1);
        } else {
            unsetenv("TMPDIR");
        }
        ShellTest::TearDown();
    }

    // Puts the text into the editor and chooses "Assemble To  Prg File"; the file requesters of
    // the include directives get the open answers, the save requester "out.prg".
    void assemble_text(const std::string& text, const std::vector<std::string>& open_answers) {
        ASSERT_TRUE(set_control_text(SourceEditor, text));
        set_control_text(CurrentSourceField, "as before");
        clear_logs();
        for (const std::string& answer : open_answers) script_file_answer(answer.empty() ? "" : path_of(answer));
        script_file_answer(path_of("out.prg"));
        post_and_run(EventMenuCommand, MainWindow, MenuAssemblePrg);
    }

    // After any run: the text as before, nothing left in the private folder, no "tempinc.txt".
    void expect_restored(const std::string& text) {
        EXPECT_EQ(editor_text(), text);
        EXPECT_TRUE(fs::is_empty(path_of("private")));
        EXPECT_FALSE(fs::exists(path_of("tempinc.txt")));
        EXPECT_EQ(get_control_state(ProgressBar), 0);
    }

    static std::vector<std::string> boxes() {
        std::vector<std::string> rows;
        for (const MessageRecord& m : message_log()) rows.push_back(m.title + "|" + m.text);
        return rows;
    }
    static std::vector<std::string> requester_titles() {
        std::vector<std::string> titles;
        for (const RequesterRecord& r : requester_log()) titles.push_back(r.title);
        return titles;
    }

private:
    bool had_tmpdir_ = false;
    std::string previous_tmpdir_;
};

// ---- One table of runs --------------------------------------------------------------------------

struct IncludeRow {
    const char* name;
    Files files;
    std::string source;
    std::vector<std::string> open_answers;  // "" cancels
    std::string program;                    // the PRG file written, "" for none
    std::vector<std::string> boxes;         // "TITLE|TEXT"
    std::vector<std::string> requesters;    // titles of the include requesters
    bool expands;                           // a directive changed the text during the run
};

void PrintTo(const IncludeRow& row, std::ostream* out) { *out << row.name; }

class IncludeRunTest : public IncludeTest, public ::testing::WithParamInterface<IncludeRow> {};

TEST_P(IncludeRunTest, AssemblesTheExpandedTextAndPutsTheOldOneBack) {
    const IncludeRow& row = GetParam();
    for (const auto& [name, bytes] : row.files) write_file(name, bytes);
    const std::string text = row.source;
    assemble_text(text, row.open_answers);

    EXPECT_EQ(read_file("out.prg"), row.program);
    EXPECT_EQ(boxes(), row.boxes);
    std::vector<std::string> requesters = row.requesters;
    if (!row.program.empty()) requesters.push_back("Save Assembled Prg File");
    EXPECT_EQ(requester_titles(), requesters);
    expect_restored(text);
    EXPECT_EQ(ctx.includes_expanded, row.expands ? 1 : 0);
    // Putting the text back shows the loaded source's path again and clears the error flag.
    EXPECT_EQ(get_control_text(CurrentSourceField), row.expands ? path_of("main.asm") : "as before");
    if (row.expands) {
        EXPECT_EQ(ctx.error, 0);
    }
}

const std::string Start = "*=$1000\n";
const std::string TooMuch = "Include Error|Too Much Text,The Editor Holds At Most 1000000 Characters.";
const std::string NotFound = "Merge Error.|Couldn't Find File,Must be In Same Dir As Source.";

// A chain of n sources, each including the next.
Files chain(int n) {
    Files files;
    for (int i = 1; i <= n; ++i) {
        files.emplace_back("d" + std::to_string(i) + ".asm",
                           i < n ? " include \"d" + std::to_string(i + 1) + ".asm\"\n" : " nop\n");
    }
    return files;
}

std::string big_source() {
    std::string text;
    while (text.size() < 600'000) text += ";" + std::string(58, 'x') + "\n";
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, IncludeRunTest,
    ::testing::Values(
        IncludeRow{"SourceThatIncludesAnother",
                   {{"lib.asm", "border = $d020\r\n lda #1\r\n include \"inner.asm\"\r\n"},
                    {"inner.asm", " sta border\n"}},
                   Start + " include \"lib.asm\"\n rts", {}, prg("\xA9\x01\x8D\x20\xD0\x60"), {}, {}, true},
        IncludeRow{"BinaryOfTwentyBytes", {{"data.bin", counting(1, 18) + "\x80\xFF"}},
                   Start + " includebinary \"data.bin\"\n rts", {},
                   prg(counting(1, 18) + "\x80\xFF\x60"), {}, {}, true},
        IncludeRow{"PrgOfZeroToThreeBytes",
                   {{"p0.prg", ""}, {"p1.prg", "\x01"}, {"p2.prg", "\x01\x08"}, {"p3.prg", "\x01\x08\x2A"}},
                   Start + " includeprg \"p0.prg\"\n includeprg \"p1.prg\"\n includeprg \"p2.prg\"\n"
                           " includeprg \"p3.prg\"\n rts",
                   {}, prg("\x2A\x60"), {}, {}, true},
        IncludeRow{"DirectiveInACommentWithoutName", {}, Start + " lda #1 ;include the table later\n rts",
                   {}, "", {"Include Error|File name Error"}, {}, false},
        IncludeRow{"NameFollowedByAComment", {{"lib.asm", " nop\n"}},
                   Start + " include \"lib.asm\" ;the library\n rts", {}, "", {NotFound}, {}, true},
        IncludeRow{"EveryMissingSourceIsReported", {},
                   Start + " include \"a.asm\"\n include \"b.asm\"\n rts", {}, "", {NotFound, NotFound}, {},
                   true},
        IncludeRow{"RequesterCancelled", {}, Start + "include\n rts", {""}, "", {},
                   {"Select Source File To Include"}, true},
        IncludeRow{"RequesterAnswered", {{"lib.asm", " nop\n"}}, Start + "include\n rts", {"lib.asm"},
                   prg("\xEA\x60"), {}, {"Select Source File To Include"}, true},
        IncludeRow{"PrgAndBinaryRequesters", {{"x.prg", std::string("\x00\x10\x07", 3)}, {"x.bin", "\x09"}},
                   Start + "includeprg\n includebinary \"\"\n rts", {"x.prg", "x.bin"}, prg("\x07\x09\x60"),
                   {}, {"Select PRG File To Include", "Select Binary File To Include"}, true},
        IncludeRow{"MissingPrgFile", {}, Start + " includeprg \"none.prg\"\n rts", {}, "",
                   {"I/O Error.|Couldn't open the file!."}, {}, true},
        IncludeRow{"FileThatIncludesItself", {{"self.asm", " nop\n include \"self.asm\"\n"}},
                   Start + " include \"self.asm\"\n rts", {}, "",
                   {"Include Error|Include Loop,This File Is Already Being Included."}, {}, true},
        IncludeRow{"LoopThroughAnotherFile",
                   {{"b.asm", " include \"c.asm\"\n"}, {"c.asm", " nop\n include \"b.asm\"\n"}},
                   Start + " include \"b.asm\"\n rts", {}, "",
                   {"Include Error|Include Loop,This File Is Already Being Included."}, {}, true},
        IncludeRow{"SameFileTwiceSideBySideIsNoLoop", {{"lib.asm", " nop\n"}},
                   Start + " include \"lib.asm\"\n include \"lib.asm\"\n rts", {}, prg("\xEA\xEA\x60"), {}, {},
                   true},
        IncludeRow{"SixteenLevelsAreAllowed", chain(16), Start + " include \"d1.asm\"\n rts", {},
                   prg("\xEA\x60"), {}, {}, true},
        IncludeRow{"SeventeenLevelsAreTooDeep", chain(17), Start + " include \"d1.asm\"\n rts", {}, "",
                   {"Include Error|Includes Nested Too Deep,At Most 16 Levels."}, {}, true},
        IncludeRow{"AChainOfAHundredIsTooDeep", chain(100), Start + " include \"d1.asm\"\n rts", {}, "",
                   {"Include Error|Includes Nested Too Deep,At Most 16 Levels."}, {}, true},
        IncludeRow{"TooMuchText", {{"big.asm", big_source()}},
                   Start + " include \"big.asm\"\n include \"big.asm\"\n rts", {}, "", {TooMuch}, {}, true},
        IncludeRow{"CapitalsAreNoDirectiveButAreNotAssembledEither", {{"lib.asm", " nop\n"}},
                   Start + " include \"lib.asm\"\n INCLUDE \"other.asm\"\n rts", {}, prg("\xEA\x60"), {}, {},
                   true},
        IncludeRow{"CapitalsBeforeTheDirectiveAreNoDirectiveEither", {{"lib.asm", " nop\n"}},
                   Start + " Include \"other.asm\"\n INCLUDE\n include \"lib.asm\"\n rts", {}, prg("\xEA\x60"), {},
                   {}, true},
        IncludeRow{"ErrorInALaterStep", {{"lib.asm", " nop\n lda nowhere\n"}},
                   Start + " include \"lib.asm\"\n rts", {}, "",
                   {"Label/Variable Error.|Label Or Variable Not Found `nowhere`In Line 3    lda nowhere"},
                   {}, true}),
    [](const ::testing::TestParamInfo<IncludeRow>& info) { return std::string(info.param.name); });

// ---- Line numbers, folders and the saved copy ---------------------------------------------------

TEST_F(IncludeTest, MessagesSelectLinesOfTheExpandedText) {
    write_file("lib.asm", " nop\n nop\n lda nowhere\n");
    const std::string text = Start + " include \"lib.asm\"\n rts";
    assemble_text(text, {});
    ASSERT_EQ(message_log().size(), 1u);
    // Line 0 "*=$1000", 1 the directive, 2 to 4 the library's lines.
    EXPECT_EQ(message_log()[0].selected_line, 4);
    expect_restored(text);
}

TEST_F(IncludeTest, RelativeNamesAreFoundInTheCurrentFolderThenBesideTheLoadedSource) {
    fs::create_directory(path_of("project"));
    write_file("project/main.asm", Start + " include \"lib.asm\"\n include \"only-here.asm\"\n rts\n");
    write_file("project/lib.asm", " nop\n");
    write_file("project/only-here.asm", " inx\n");
    write_file("lib.asm", " iny\n");  // the current folder comes first
    script_file_answer(path_of("project/main.asm"));
    post_and_run(EventMenuCommand, MainWindow, MenuLoadSource);
    const std::string text = editor_text();
    clear_logs();
    script_file_answer(path_of("out.prg"));
    post_and_run(EventControl, MainWindow, AssemblePrgButton);
    EXPECT_TRUE(message_log().empty());
    EXPECT_EQ(read_file("out.prg"), prg("\xC8\xE8\x60"));
    expect_restored(text);
}

TEST_F(IncludeTest, NothingIsExpandedWithoutAPrivateCopyOfTheText) {
    write_file("lib.asm", " nop\n");
    setenv("TMPDIR", path_of("no/such/folder").c_str(), 1);
    const std::string text = Start + " include \"lib.asm\"\n rts";
    assemble_text(text, {});
    EXPECT_EQ(boxes(), std::vector<std::string>{
                           "Save Error.|Couldn't Save A Copy Of The Source,Nothing Was Included."});
    EXPECT_EQ(read_file("out.prg"), "");
    expect_restored(text);
}

// Names that stand for no readable file: a folder, a FIFO (never waited for) and, for an
// ordinary user, a file that may not be read. Each is reported as a file that cannot be found.
TEST_F(IncludeTest, AFolderAFifoOrAnUnreadableFileIsReported) {
    fs::create_directory(path_of("folder.asm"));
    ASSERT_EQ(::mkfifo(path_of("fifo.asm").c_str(), 0600), 0);
    const std::string text = Start + " include \"folder.asm\"\n include \"fifo.asm\"\n rts";
    assemble_text(text, {});
    EXPECT_EQ(boxes(), (std::vector<std::string>{NotFound, NotFound}));
    EXPECT_EQ(read_file("out.prg"), "");
    expect_restored(text);

    const std::string reason = testing_users::cannot_switch_user();
    if (!reason.empty()) GTEST_SKIP() << "the unreadable file " << reason;
    write_file("secret.asm", " nop\n");
    ASSERT_EQ(::chmod(path_of("secret.asm").c_str(), 0600), 0);
    ASSERT_EQ(::chmod(path_of("").c_str(), 0777), 0);
    ASSERT_EQ(::chmod(path_of("private").c_str(), 0777), 0);
    const std::string secret = Start + " include \"secret.asm\"\n rts";
    const std::optional<int> answered = testing_users::as_nobody([&] {
        assemble_text(secret, {});
        return boxes() == std::vector<std::string>{NotFound} && editor_text() == secret &&
                       fs::is_empty(path_of("private"))
                   ? 0
                   : 1;
    });
    ASSERT_TRUE(answered.has_value());
    EXPECT_EQ(*answered, 0);
}

TEST_F(IncludeTest, TheTextComesBackByteForByteAfterEveryRun) {
    write_file("lib.asm", " nop\r\n");
    // Empty lines at the end, 8-bit bytes, a line that is only blanks: all come back as they were.
    for (const std::string& text : {Start + " include \"lib.asm\"\n rts\n\n", Start + " include \"lib.asm\"",
                                    Start + "; \xC3\xA9\xFF\n include \"lib.asm\"\n   \n rts"}) {
        SCOPED_TRACE(text);
        assemble_text(text, {});
        EXPECT_TRUE(message_log().empty());
        expect_restored(text);
    }
}

}  // namespace
}  // namespace tarvok::testing
