// The tarvok-asm executable: files written, exit statuses, messages on standard error, the
// symbol listing on standard output.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "tests/e2e/support/headless_assembly.h"
#include "tests/e2e/support/run_process.h"
#include "tests/e2e/support/temp_folder.h"

namespace tarvok::e2e {
namespace {

namespace fs = std::filesystem;

const std::string Asm = TARVOK_ASM_PATH;

const std::string GoodProgram = "*=$c000\nstart lda #$00\n sta $d020\n rts\n";
const std::string GoodBytes = "00 C0 A9 00 8D 20 D0 60";

ProcessResult tarvok_asm(const std::vector<std::string>& args, const TempFolder& cwd) {
    return run_process(Asm, args, cwd.path().string());
}

TEST(CommandLine, WritesThePrgBesideTheSource) {
    TempFolder dir;
    dir.write("prog.asm", GoodProgram);
    const ProcessResult r = tarvok_asm({"prog.asm"}, dir);
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(hex_dump(read_bytes(dir.file("prog.prg"))), GoodBytes);
}

struct NameRow {
    const char* name;
    std::vector<std::string> options;  // before the source
    std::string source;                // relative to the working folder
    std::string written;               // the file that must appear
};

void PrintTo(const NameRow& row, std::ostream* os) { *os << row.name; }

const NameRow NameRows[] = {
    {"ExtensionReplaced", {}, "prog.asm", "prog.prg"},
    {"NoExtensionAppended", {}, "prog", "prog.prg"},
    {"OnlyTheLastExtension", {}, "game.v1.txt", "game.v1.prg"},
    {"DotInFolderName", {}, "v1.2/prog", "v1.2/prog.prg"},
    {"LeadingDotIsNoExtension", {}, ".hidden", ".hidden.prg"},
    {"UpperCaseExtension", {}, "PROG.ASM", "PROG.prg"},
    {"P00Default", {"--p00", "demo"}, "prog.asm", "prog.p00"},
    {"ExactName", {"-o", "out.bin"}, "prog.asm", "out.bin"},
    {"ExactNameWithoutExtension", {"-o", "game"}, "prog.asm", "game"},
    {"ExactUpperCaseName", {"-o", "GAME.PRG"}, "prog.asm", "GAME.PRG"},
    {"ExactNameJoined", {"-ojoined.prg"}, "prog.asm", "joined.prg"},
    {"ExactNameInFolder", {"-o", "v1.2/x"}, "prog.asm", "v1.2/x"},
    {"P00ExactName", {"--p00=demo", "-o", "d.bin"}, "prog.asm", "d.bin"},
};

class OutputNames : public ::testing::TestWithParam<NameRow> {};

TEST_P(OutputNames, WriteExactlyThisFile) {
    const NameRow& row = GetParam();
    TempFolder dir;
    fs::create_directories(dir.path() / "v1.2");
    dir.write(row.source, GoodProgram);
    std::vector<std::string> args = row.options;
    args.push_back(row.source);
    const ProcessResult r = tarvok_asm(args, dir);
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    const std::string file = read_bytes(dir.file(row.written));
    EXPECT_EQ(hex_dump(file.substr(file.size() >= 8 ? file.size() - 8 : 0)), GoodBytes);
    // Nothing else was written: only the source and the program file (and the folder).
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(dir.path())) {
        files += entry.is_regular_file() ? 1 : 0;
    }
    EXPECT_EQ(files, 2);
}

INSTANTIATE_TEST_SUITE_P(Rows, OutputNames, ::testing::ValuesIn(NameRows),
                         [](const ::testing::TestParamInfo<NameRow>& info) { return std::string(info.param.name); });

TEST(CommandLine, P00HeaderWithTheGivenName) {
    TempFolder dir;
    dir.write("prog.asm", "*=$1000\n lda #1\n rts\n");
    const ProcessResult r = tarvok_asm({"--p00", "demo", "prog.asm"}, dir);
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(hex_dump(read_bytes(dir.file("prog.p00"))),
              "43 36 34 46 69 6C 65 00 44 45 4D 4F 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 10 A9 01 60");
}

TEST(CommandLine, ReplacesAnEarlierProgramFile) {
    TempFolder dir;
    dir.write("prog.asm", GoodProgram);
    dir.write("prog.prg", std::string(100, 'x'));
    const ProcessResult r = tarvok_asm({"prog.asm"}, dir);
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(hex_dump(read_bytes(dir.file("prog.prg"))), GoodBytes);
}

std::string repeated(const std::string& line, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) {
        s += line;
    }
    return s;
}

struct MessageRow {
    const char* name;
    std::string source;
    std::string err;  // all of standard error
};

void PrintTo(const MessageRow& row, std::ostream* os) { *os << row.name; }

const MessageRow MessageRows[] = {
    {"LineOfTheError", "*=$c000\n lda foo\n",
     "bad.asm:2: Label/Variable Error.: Label Or Variable Not Found `foo`In Line 1    lda foo\n"},
    {"NoLineSelected", " rts\n", "bad.asm: Error!: Start Address Error,Eg *=$0900\n"},
    {"TwoBoxesInOneRun", "*=4096\n*=$2000\n rts\n",
     "bad.asm: Error!: Start Address Error,Eg *=$0900\n"
     "bad.asm:2: Start Address Error.: Double Definition of Start Address `*=` \n"},
    {"CarriageReturnsCount", "*=$c000\r\n nop\r nop\n lda foo",
     "bad.asm:4: Label/Variable Error.: Label Or Variable Not Found `foo`In Line 3    lda foo\n"},
    {"NothingToSave", "*=$c000\n", "bad.asm: Save Error: Nothing To Assemble/Save\n"},
    {"BranchOutOfRange", "*=$c000\n bne far\n" + repeated(" lda $0400\n", 64) + "far rts\n",
     "bad.asm:2: Branch Error.: Branch Out Of Range  far\n"},
    // These boxes appear before their line is selected: each is printed with the line selected after it.
    {"LetterAAsVariableTwice", "*=$1000\na = 5\nb = 6\na = 7\n nop\n",
     "bad.asm:2: Variable Error: Please Don`t Use `a` as a Variable,only use with ASL A,Ect\n"
     "bad.asm:4: Variable Error: Please Don`t Use `a` as a Variable,only use with ASL A,Ect\n"
     "bad.asm:4: Variable Error.: Double Defined Variable `a`At  Line No 3\n"},
    {"LoneLabel", "*=$1000\n nop\nlonely\n", "bad.asm:3: Lable Error.: Lable Is Not Marked against op or data value.\n"},
};

class Messages : public ::testing::TestWithParam<MessageRow> {};

TEST_P(Messages, GoToStandardErrorOneLineEach) {
    const MessageRow& row = GetParam();
    TempFolder dir;
    dir.write("bad.asm", row.source);
    const ProcessResult r = tarvok_asm({"bad.asm"}, dir);
    EXPECT_EQ(r.err, row.err);
    const bool written = row.err.empty();
    EXPECT_EQ(r.exit_code, written ? 0 : 1);
    EXPECT_EQ(fs::exists(dir.file("bad.prg")), written);
}

INSTANTIATE_TEST_SUITE_P(Rows, Messages, ::testing::ValuesIn(MessageRows),
                         [](const ::testing::TestParamInfo<MessageRow>& info) { return std::string(info.param.name); });

// Hostile sources: each is assembled or refused with a line on standard error, and the program
// file holds exactly what the source says.
TEST(CommandLine, HostileSourcesAreAnsweredOnStandardError) {
    struct Row {
        const char* what;
        std::string source;
        int exit_code;
        std::string err;
        std::string program;  // hex dump of bad.prg; "" when none is written
    };
    const std::string ZeroWarning = "bad.asm: warning: the text ends at a zero byte; what follows it is not assembled\n";
    const Row rows[] = {
        {"text after a zero byte", "*=$c000\n nop\n" + std::string(1, '\0') + " lda foo\n", 0, ZeroWarning, "00 C0 EA"},
        {"a zero byte ending a file Tarvok saved", "*=$c000\r\n nop\r\n\r\n" + std::string(1, '\0'), 0, "",
         "00 C0 EA"},
        {"a line of 100,000 characters", "*=$c000\n nop ;" + std::string(100'000, 'x') + "\n", 0, "", "00 C0 EA"},
        {"UTF-8 and bytes 128-255 in comments", "*=$c000\n nop ;caf\xC3\xA9 \x80\xFF\n", 0, "", "00 C0 EA"},
        {"code past $FFFF", "*=$fffe\n nop\n nop\n nop\n", 0,
         "bad.asm: warning: the program runs past $FFFF (code end $10001); a C64 cannot load the bytes from $10000 on\n",
         "FE FF EA EA EA"},
        {"more than 1,000,000 characters", std::string(1'000'001, ';'), 2,
         "bad.asm: the source text is longer than the editor's limit of 1,000,000 characters\n", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TempFolder dir;
        dir.write("bad.asm", row.source);
        const ProcessResult r = tarvok_asm({"bad.asm"}, dir);
        EXPECT_EQ(r.exit_code, row.exit_code);
        EXPECT_EQ(r.err, row.err);
        EXPECT_EQ(hex_dump(read_bytes(dir.file("bad.prg"))), row.program);
        EXPECT_EQ(read_bytes(dir.file("bad.asm")), row.source);
    }
}

TEST(CommandLine, MessagesNameTheSourceAsGiven) {
    TempFolder dir;
    fs::create_directories(dir.path() / "src");
    dir.write("src/bad.asm", "*=$c000\n\n lda ($1234),y\n");
    const ProcessResult r = tarvok_asm({"./src/bad.asm"}, dir);
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, "./src/bad.asm:3: Op Error.: Zero page Op,Maximum Value 255,$ff.($1234),y\n");
}

TEST(CommandLine, UnwritableOutputIsReported) {
    TempFolder dir;
    dir.write("prog.asm", GoodProgram);
    const ProcessResult r = tarvok_asm({"-o", "no/such/folder/prog.prg", "prog.asm"}, dir);
    EXPECT_EQ(r.exit_code, 1);
    EXPECT_EQ(r.err, "prog.asm: I/O Error.: Couldn't open the file!\n");
}

TEST(CommandLine, SymbolListing) {
    TempFolder dir;
    dir.write("prog.asm",
              "*=$c000\n"
              "border = $d020\n"
              "count = #8\n"
              "start ldx count\n"
              "loop stx border\n"
              " dex\n"
              " bne loop\n"
              "Done rts\n");
    const ProcessResult r = tarvok_asm({"--symbols", "prog.asm"}, dir);
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out,
              "variable border 53280 2\n"
              "variable count 8 3\n"
              "label start 49152 4\n"
              "label loop 49154 5\n"
              "label done 49160 8\n");
}

TEST(CommandLine, SymbolListingAfterAnError) {
    TempFolder dir;
    dir.write("prog.asm", "*=$c000\nv = 1\nhere lda nowhere\n");
    const ProcessResult r = tarvok_asm({"prog.asm", "--symbols"}, dir);
    EXPECT_EQ(r.exit_code, 1);
    // The labels were collected before the operand failed; their addresses never were.
    EXPECT_EQ(r.out, "variable v 1 2\nlabel here -1 3\n");
}

struct FailedOutputRow {
    const char* name;
    std::vector<std::string> args;
    OutputSink sink;
    int exit_code;
    std::string err;
};

void PrintTo(const FailedOutputRow& row, std::ostream* os) { *os << row.name; }

const std::string NoSpace = "tarvok-asm: cannot write to standard output: No space left on device\n";
const std::string BrokenPipe = "tarvok-asm: cannot write to standard output: Broken pipe\n";
const std::string NotWritten = "prog.asm: I/O Error.: Couldn't write the file!\n";

const FailedOutputRow FailedOutputRows[] = {
    {"HelpIntoFullDevice", {"--help"}, OutputSink::DeviceFull, 2, NoSpace},
    {"VersionIntoFullDevice", {"--version"}, OutputSink::DeviceFull, 2, NoSpace},
    {"SymbolsIntoFullDevice", {"--symbols", "prog.asm"}, OutputSink::DeviceFull, 1, NoSpace},
    {"HelpIntoClosedPipe", {"--help"}, OutputSink::ClosedPipe, 2, BrokenPipe},
    {"SymbolsIntoClosedPipe", {"--symbols", "prog.asm"}, OutputSink::ClosedPipe, 1, BrokenPipe},
    {"ProgramIntoFullDevice", {"-o", "-", "prog.asm"}, OutputSink::DeviceFull, 1, NotWritten},
    {"ProgramIntoClosedPipe", {"-o", "-", "prog.asm"}, OutputSink::ClosedPipe, 1, NotWritten},
    {"ProgramToDevFull", {"-o", "/dev/full", "prog.asm"}, OutputSink::Collected, 1, NotWritten},
};

class FailedOutput : public ::testing::TestWithParam<FailedOutputRow> {};

TEST_P(FailedOutput, IsReportedAndFailsTheRun) {
    const FailedOutputRow& row = GetParam();
    TempFolder dir;
    dir.write("prog.asm", GoodProgram);
    const ProcessResult r = run_process(Asm, row.args, dir.path().string(), row.sink);
    EXPECT_EQ(r.exit_code, row.exit_code);
    EXPECT_EQ(r.err, row.err);
}

INSTANTIATE_TEST_SUITE_P(Rows, FailedOutput, ::testing::ValuesIn(FailedOutputRows),
                         [](const ::testing::TestParamInfo<FailedOutputRow>& info) { return std::string(info.param.name); });

// Standard output, devices and FIFOs are written into as every Unix tool does; none of them is
// replaced by a regular file. Each row is a shell command run beside prog.asm; what arrives in
// the file "got" is the program.
TEST(CommandLine, WritesIntoStreamsAndDevices) {
    struct Row {
        const char* what;
        std::string command;
        std::string got;  // the bytes expected in "got", as a hex dump
    };
    const std::string Prg = "\"$ASM\" ";
    const Row rows[] = {
        {"-o - into a pipe", Prg + "-o - prog.asm | cat > got", GoodBytes},
        {"-o - into a file", Prg + "-o - prog.asm > got", GoodBytes},
        {"/dev/stdout into a pipe", Prg + "-o /dev/stdout prog.asm | cat > got", GoodBytes},
        {"/dev/stdout into a file", Prg + "-o /dev/stdout prog.asm > got", GoodBytes},
        {"/dev/stdout appended to a file", "printf AB > got && " + Prg + "-o /dev/stdout prog.asm >> got",
         "41 42 " + GoodBytes},
        {"/dev/fd/3", Prg + "-o /dev/fd/3 prog.asm 3> got", GoodBytes},
        {"a FIFO, read by another program",
         "mkfifo pipe && { cat pipe > got & } && " + Prg + "-o pipe prog.asm && wait && test -p pipe", GoodBytes},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        TempFolder dir;
        dir.write("prog.asm", GoodProgram);
        ::setenv("ASM", Asm.c_str(), 1);
        const ProcessResult r = run_process("sh", {"-c", row.command}, dir.path().string());
        EXPECT_EQ(r.exit_code, 0) << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(hex_dump(read_bytes(dir.file("got"))), row.got);
    }
    struct stat info {};
    ASSERT_EQ(::stat("/dev/full", &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));  // the failed write into it (above) left the device alone
}

TEST(CommandLine, NoSymbolsWithoutTheOption) {
    TempFolder dir;
    dir.write("prog.asm", GoodProgram);
    const ProcessResult r = tarvok_asm({"prog.asm"}, dir);
    EXPECT_EQ(r.out, "");
}

TEST(CommandLine, IncludesAreFoundBesideTheSourceFromAnyWorkingFolder) {
    TempFolder dir;
    fs::create_directories(dir.path() / "src");
    const std::string main = "*=$c000\r\n include \"lib.asm\"\r\n includebinary \"sprite.bin\"\r\n"
                             " includeprg \"tune.prg\"\r\nend rts\r\n";
    dir.write("src/main.asm", main);
    dir.write("src/lib.asm", "border = $d020\nstart lda #2\n sta border\n");
    dir.write("src/sprite.bin", std::string("\x00\x80\xFF", 3));
    dir.write("src/tune.prg", std::string("\x00\x10\x2A", 3));
    dir.write("lib.asm", " brk\n");  // a file of that name in the working folder is not taken
    const ProcessResult r = tarvok_asm({"--symbols", "src/main.asm"}, dir);
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(hex_dump(read_bytes(dir.file("src/main.prg"))), "00 C0 A9 02 8D 20 D0 00 80 FF 2A 60");
    // Symbols and their lines count in the expanded text.
    EXPECT_EQ(r.out, "variable border 53280 3\nlabel start 49152 4\nlabel end 49161 11\n");
    // The source and the folders hold nothing new but the program file.
    EXPECT_EQ(read_bytes(dir.file("src/main.asm")), main);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path() / "src"), fs::directory_iterator()), 5);
}

TEST(CommandLine, DirectivesWithoutAUsableNameAreErrors) {
    const struct {
        std::string source;
        std::string err;
    } rows[] = {
        {"*=$c000\ninclude\n rts\n", "main.asm:2: Include Error: No File Name,Put The Name In Double Quotes.\n"},
        {"*=$c000\n include \"missing.asm\"\n rts\n",
         "main.asm: Merge Error.: Couldn't Find File,Must be In Same Dir As Source.\n"},
        {"*=$c000\n includebinary \"missing.bin\"\n rts\n", "main.asm: I/O Error.: Couldn't open the file!.\n"},
        {"*=$c000\n include \"main.asm\"\n", "main.asm:4: Include Error: Include Loop,This File Is Already "
                                              "Being Included.\nmain.asm:3: Start Address Error.: Double "
                                              "Definition of Start Address `*=` \n"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.source);
        TempFolder dir;
        dir.write("main.asm", row.source);
        const ProcessResult r = tarvok_asm({"main.asm"}, dir);
        EXPECT_EQ(r.exit_code, 1);
        EXPECT_EQ(r.err, row.err);
        EXPECT_FALSE(fs::exists(dir.file("main.prg")));
    }
}

struct UsageRow {
    const char* name;
    std::vector<std::string> args;
    std::string err;
};

void PrintTo(const UsageRow& row, std::ostream* os) { *os << row.name; }

const std::string Try = "\nTry 'tarvok-asm --help' for more information.\n";

const UsageRow UsageRows[] = {
    {"NoArguments", {}, "tarvok-asm: no source file given" + Try},
    {"UnknownOption", {"--listing", "prog.asm"}, "tarvok-asm: unknown option --listing" + Try},
    {"OutputWithoutName", {"prog.asm", "-o"}, "tarvok-asm: option -o needs a file name" + Try},
    {"EmptyOutputName", {"-o", "", "prog.asm"}, "tarvok-asm: the output file name is empty" + Try},
    {"OutputTwice", {"-o", "a", "-o", "b", "prog.asm"}, "tarvok-asm: the output file is given twice" + Try},
    {"P00WithoutName", {"prog.asm", "--p00"}, "tarvok-asm: option --p00 needs the C64 file name" + Try},
    {"P00EmptyName", {"--p00", "", "prog.asm"}, "tarvok-asm: the C64 file name after --p00 is empty" + Try},
    {"TwoSources", {"prog.asm", "other.asm"},
     "tarvok-asm: more than one source file given (prog.asm, other.asm)" + Try},
    {"MissingSource", {"missing.asm"}, "missing.asm: cannot read the source file: No such file or directory\n"},
    {"FolderAsSource", {"."}, ".: cannot read the source file: is a folder\n"},
    {"DeviceAsSource", {"/dev/null"}, "/dev/null: cannot read the source file: is not a regular file\n"},
    {"SourceWouldBeReplaced", {"prog.prg"},
     "prog.prg: the program file prog.prg would replace the source; name another one with -o\n"},
    {"ProgramAndSymbolsToStandardOutput", {"--symbols", "-o", "-", "prog.asm"},
     "tarvok-asm: the program (-o -) and the symbol listing cannot both go to standard output" + Try},
    {"ExplicitOutputIsSource", {"-o", "./prog.asm", "prog.asm"},
     "prog.asm: the program file ./prog.asm would replace the source; name another one with -o\n"},
    {"LabelFileTwice", {"-l", "a", "--labels", "b", "prog.asm"}, "tarvok-asm: the label file is given twice" + Try},
    {"ListingWithoutName", {"prog.asm", "--list"}, "tarvok-asm: option --list needs a file name" + Try},
    {"EmptyLabelFileName", {"--labels=", "prog.asm"}, "tarvok-asm: the label file name is empty" + Try},
    {"ListingIsSource", {"--list", "./prog.asm", "prog.asm"},
     "prog.asm: the listing file ./prog.asm would replace the source; name another one with --list\n"},
    {"LabelFileIsProgramFile", {"-lprog.prg", "prog.asm"},
     "tarvok-asm: the label file prog.prg would replace the program file; name another one with --labels\n"},
    {"ListingIsLabelFile", {"-l", "a", "--list=sub/../a", "prog.asm"},
     "tarvok-asm: the listing file sub/../a would replace the label file; name another one with --list\n"},
    {"ListingAndSymbolsToStandardOutput", {"--symbols", "--list", "-", "prog.asm"},
     "tarvok-asm: the listing file (--list -) and the symbol listing cannot both go to standard output" + Try},
    {"ProgramAndLabelsToStandardOutput", {"-o", "-", "-l", "-", "prog.asm"},
     "tarvok-asm: the label file - would replace the program file; name another one with --labels\n"},
};

class UsageErrors : public ::testing::TestWithParam<UsageRow> {};

TEST_P(UsageErrors, ExitWithStatusTwo) {
    const UsageRow& row = GetParam();
    TempFolder dir;
    dir.write("prog.asm", GoodProgram);
    dir.write("other.asm", GoodProgram);
    dir.write("prog.prg", GoodProgram);
    const ProcessResult r = tarvok_asm(row.args, dir);
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_EQ(r.err, row.err);
    EXPECT_EQ(r.out, "");
    // The sources are untouched and no program file appeared.
    EXPECT_EQ(read_bytes(dir.file("prog.asm")), GoodProgram);
    EXPECT_EQ(read_bytes(dir.file("prog.prg")), GoodProgram);
    EXPECT_FALSE(fs::exists(dir.file("a")));
    EXPECT_FALSE(fs::exists(dir.file("other.prg")));
}

INSTANTIATE_TEST_SUITE_P(Rows, UsageErrors, ::testing::ValuesIn(UsageRows),
                         [](const ::testing::TestParamInfo<UsageRow>& info) { return std::string(info.param.name); });

struct InformationRow {
    const char* name;
    std::string program;
    std::vector<std::string> args;
    int exit_code;
    std::string out_start;  // what standard output starts with
    std::string err;
};

void PrintTo(const InformationRow& row, std::ostream* os) { *os << row.name; }

const std::string AsmUsage = "Usage: tarvok-asm [-o OUTPUT] [--p00 NAME] [--symbols] [-l LABELS]\n";

const InformationRow InformationRows[] = {
    {"AsmHelp", Asm, {"--help"}, 0, AsmUsage, ""},
    {"AsmShortHelpBeforeASource", Asm, {"-h", "prog.asm"}, 0, AsmUsage, ""},
    {"AsmVersion", Asm, {"--version"}, 0, "tarvok-asm 1.4.3\n", ""},
    {"AsmVersionWinsOverASource", Asm, {"prog.asm", "--version"}, 0, "tarvok-asm 1.4.3\n", ""},
#ifdef TARVOK_PATH
    {"EditorHelp", TARVOK_PATH, {"--help"}, 0, "Usage: tarvok [FILE]\n", ""},
    {"EditorVersion", TARVOK_PATH, {"prog.asm", "--version"}, 0, "tarvok 1.4.3\n", ""},
    {"EditorUnknownOption", TARVOK_PATH, {"-platform", "xcb"}, 2, "",
     "tarvok: unknown option -platform\nTry 'tarvok --help' for more information.\n"},
    {"EditorTwoFiles", TARVOK_PATH, {"prog.asm", "--", "-b.asm"}, 2, "",
     "tarvok: more than one source file given (prog.asm, -b.asm)\nTry 'tarvok --help' for more "
     "information.\n"},
    {"EditorEmptyFileName", TARVOK_PATH, {""}, 2, "",
     "tarvok: the source file name is empty\nTry 'tarvok --help' for more information.\n"},
#endif
};

class InformationOptions : public ::testing::TestWithParam<InformationRow> {};

// Help, version and command-line mistakes are answered before any window or file is opened, so
// the desktop program answers them without a display as well.
TEST_P(InformationOptions, PrintAndExitWithoutADisplay) {
    const InformationRow& row = GetParam();
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        ::unsetenv(variable);
    }
    TempFolder dir;
    dir.write("prog.asm", GoodProgram);
    const ProcessResult r = run_process(row.program, row.args, dir.path().string());
    EXPECT_EQ(r.exit_code, row.exit_code);
    EXPECT_EQ(r.out.rfind(row.out_start, 0), 0u) << r.out;
    EXPECT_EQ(row.out_start.empty(), r.out.empty()) << r.out;
    EXPECT_EQ(r.err, row.err);
    EXPECT_FALSE(fs::exists(dir.file("prog.prg")));
}

INSTANTIATE_TEST_SUITE_P(Rows, InformationOptions, ::testing::ValuesIn(InformationRows),
                         [](const ::testing::TestParamInfo<InformationRow>& info) { return std::string(info.param.name); });

TEST(CommandLine, DoubleDashEndsTheOptions) {
    TempFolder dir;
    dir.write("-prog.asm", GoodProgram);
    const ProcessResult r = tarvok_asm({"--", "-prog.asm"}, dir);
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(hex_dump(read_bytes(dir.file("-prog.prg"))), GoodBytes);
}

// A source of exactly n characters: a short program, then comment text and line breaks.
std::string source_of_length(std::size_t n, const std::string& line_break) {
    std::string s = "*=$c000" + line_break + " rts" + line_break;
    const std::size_t chars_per_break = 1;
    std::size_t chars = 7 + 4 + 2 * chars_per_break;
    while (chars + 61 <= n) {
        s += ";" + std::string(59, 'x') + line_break;  // 61 characters with its line break
        chars += 61;
    }
    s += std::string(n - chars, ';');
    return s;
}

TEST(CommandLine, SourceOfTheEditorLimitIsAccepted) {
    TempFolder dir;
    dir.write("big.asm", source_of_length(1'000'000, "\n"));
    const ProcessResult r = tarvok_asm({"big.asm"}, dir);
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(hex_dump(read_bytes(dir.file("big.prg"))), "00 C0 60");
}

TEST(CommandLine, CrLfCountsAsOneCharacter) {
    TempFolder dir;
    const std::string text = source_of_length(1'000'000, "\r\n");
    ASSERT_GT(text.size(), 1'000'000u);
    dir.write("big.asm", text);
    const ProcessResult r = tarvok_asm({"big.asm"}, dir);
    EXPECT_EQ(r.exit_code, 0) << r.err;
}

TEST(CommandLine, SourceBeyondTheEditorLimitIsRefused) {
    TempFolder dir;
    dir.write("big.asm", source_of_length(1'000'001, "\n"));
    const ProcessResult r = tarvok_asm({"big.asm"}, dir);
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_EQ(r.err, "big.asm: the source text is longer than the editor's limit of 1,000,000 characters\n");
    EXPECT_FALSE(fs::exists(dir.file("big.prg")));
}

TEST(CommandLine, HugeSourceIsRefusedWithoutReadingItAll) {
    TempFolder dir;
    dir.write("huge.asm", std::string(5'000'000, ' '));
    const ProcessResult r = tarvok_asm({"huge.asm"}, dir);
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_EQ(r.err, "huge.asm: the source text is longer than the editor's limit of 1,000,000 characters\n");
}

TEST(CommandLine, ZeroByteEndsAHugeFile) {
    TempFolder dir;
    dir.write("cut.asm", GoodProgram + std::string(1, '\0') + std::string(3'000'000, 'x'));
    const ProcessResult r = tarvok_asm({"cut.asm"}, dir);
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(hex_dump(read_bytes(dir.file("cut.prg"))), GoodBytes);
}

}  // namespace
}  // namespace tarvok::e2e
