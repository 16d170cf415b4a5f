// P00 files through the driver: the 26-byte header with the C64 file name, then the PRG bytes.
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/support/headless_assembly.h"

namespace tarvok::e2e {
namespace {

const std::string Program = "*=$1000\nstart lda #1\n rts\n";

// "C64File", 0, the 16 name bytes padded with 0, 0, 0.
std::string header(const std::string& name_bytes) {
    std::string h = std::string("C64File") + '\0' + name_bytes;
    h.resize(26, '\0');
    return h;
}

struct NameRow {
    const char* name;
    std::string answer;    // what the user types at "C64 File Name."
    std::string c64_name;  // the name bytes in the header
};

void PrintTo(const NameRow& row, std::ostream* os) { *os << row.name; }

const NameRow Rows[] = {
    {"LowerCaseIsRaised", "demo", "DEMO"},
    {"DefaultHintAccepted", "Maximum 16 Characters", "MAXIMUM 16 CHARA"},
    {"LongNameCut", "abcdefghijklmnopqrst", "ABCDEFGHIJKLMNOP"},
    {"DigitsAndBlank", "my game 2", "MY GAME 2"},
    {"PoundSign", "\xA3" "5", "\x5C" "5"},
};

class P00Names : public ::testing::TestWithParam<NameRow> {};

TEST_P(P00Names, HeaderThenLoadAddressThenBytes) {
    RunSettings settings;
    settings.kind = OutputKind::P00;
    settings.p00_name = GetParam().answer;
    const AssemblyRun run = assemble_source(Program, settings);
    ASSERT_TRUE(run.written) << ::testing::PrintToString(message_rows(run.messages));
    EXPECT_EQ(hex_dump(run.file), hex_dump(header(GetParam().c64_name) + prg(0x1000, {0xA9, 0x01, 0x60})));
    ASSERT_EQ(run.requesters.size(), 2u);
    EXPECT_EQ(run.requesters[0].title, "C64 File Name.");
    EXPECT_EQ(run.requesters[0].prompt_or_default, "Please Enter The Name Of the C64 File.");
    EXPECT_EQ(run.requesters[0].default_text, "Maximum 16 Characters");
    EXPECT_EQ(run.requesters[1].title, "Save Assembled Prg File");
}

INSTANTIATE_TEST_SUITE_P(Rows, P00Names, ::testing::ValuesIn(Rows),
                         [](const ::testing::TestParamInfo<NameRow>& info) { return std::string(info.param.name); });

TEST(P00File, DemoIsThirtyOneBytes) {
    RunSettings settings;
    settings.kind = OutputKind::P00;
    settings.p00_name = "demo";
    const AssemblyRun run = assemble_source(Program, settings);
    ASSERT_TRUE(run.written);
    EXPECT_EQ(hex_dump(run.file),
              "43 36 34 46 69 6C 65 00 44 45 4D 4F 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 10 A9 01 60");
}

TEST(P00File, CancelledNameWritesNothingAndClearsTheSymbols) {
    RunSettings settings;
    settings.kind = OutputKind::P00;
    settings.p00_name = "";
    const AssemblyRun run = assemble_source(Program, settings);
    EXPECT_FALSE(run.written);
    EXPECT_TRUE(run.file.empty());
    EXPECT_TRUE(run.labels.empty());
    // The save requester was never reached.
    ASSERT_EQ(run.requesters.size(), 1u);
    EXPECT_EQ(run.requesters[0].kind, RequesterKind::AskText);
}

TEST(P00File, NothingToSaveAsksNoName) {
    RunSettings settings;
    settings.kind = OutputKind::P00;
    const AssemblyRun run = assemble_source("*=$1000\n", settings);
    EXPECT_FALSE(run.written);
    EXPECT_EQ(message_rows(run.messages), std::vector<std::string>{"-|Save Error|Nothing To Assemble/Save"});
    EXPECT_TRUE(run.requesters.empty());
}

}  // namespace
}  // namespace tarvok::e2e
