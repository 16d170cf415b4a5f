#include <string>
#include <vector>

#include "runtime/window/script.h"
#include "tests/support/assembly_fixture.h"

namespace tarvok::testing {
namespace {

using StartAddressTest = AssemblyFixture;

struct StartRow {
    const char* source;
    int32_t start;
    std::vector<std::string> messages;  // "TITLE|TEXT|selected line"
};

std::vector<std::string> shown() {
    std::vector<std::string> out;
    for (const auto& m : message_log()) {
        out.push_back(m.title + "|" + m.text + "|" + std::to_string(m.selected_line));
    }
    return out;
}

TEST_F(StartAddressTest, TheDirectiveIsReadAndCheckedAsWritten) {
    const std::string malformed = "Error!|Start Address Error,Eg *=$0900|-1";
    const StartRow rows[] = {
        {"*=$1000\n rts", 4096, {}},
        {"*= $1000\n rts", 4096, {}},
        {"  *  =$c000\n rts", 0, {malformed}},   // "* =" is no directive; the source has none
        {"*=$C000\n rts", 49152, {}},
        {"*=49152\n rts", 49152, {}},
        {"*=4096;start\n rts", 4096, {}},
        {"*=4096\n rts", 0, {malformed}},  // four characters and no "$"
        {"*=$0000\n rts", 0, {malformed}},
        {" rts", 0, {malformed}},
        {"*=99999\n rts", 99999, {"Error!|Start Address To High|-1"}},
        {"*=$g000\n rts", 290816, {"Error!|Start Address To High|-1"}},
        {"*=$1000\n rts\n*=$2000",
         4096, {"Start Address Error.|Double Definition of Start Address `*=` |2"}},
        {" nop ; *= here\n*=$1000\n rts",   // a comment with "*=" before the real directive
         0, {malformed, "Start Address Error.|Double Definition of Start Address `*=` |1"}},
        {"*=$1000\n rts ; back to *=",
         4096, {"Start Address Error.|Double Definition of Start Address `*=` |1"}},
    };
    for (const auto& row : rows) {
        assemble_for_output(row.source);
        EXPECT_EQ(ctx.start_address, row.start) << row.source;
        EXPECT_EQ(shown(), row.messages) << row.source;
        EXPECT_EQ(ctx.error, row.messages.empty() ? 0 : 1) << row.source;
    }
}

TEST_F(StartAddressTest, AQuietRunMakesNoComplaintsAboutTheStartAddress) {
    for (const char* source : {" rts", "*=4096\n rts", "*=99999\n rts", "*=$1000\n*=$2000\n rts"}) {
        assemble_quietly(source);
        EXPECT_TRUE(message_log().empty()) << source;
    }
    assemble_quietly("*=4096\n rts");
    EXPECT_EQ(ctx.start_address, 0);
}

TEST_F(StartAddressTest, TheCodeFieldsShowTheStartAndEnd) {
    assemble_quietly("*=$c000\n lda #$00\n rts");
    EXPECT_EQ(get_control_text(18), "49152");
    EXPECT_EQ(get_control_text(20), "$C000");
    EXPECT_EQ(get_control_text(19), "49155");
    EXPECT_EQ(get_control_text(21), "$C003");
}

TEST_F(StartAddressTest, AnErrorLeavesTheCodeEndButShowsTheStart) {
    assemble_quietly("*=$c000\n rts");
    assemble_quietly("*=$2000\n lda %1\n rts");
    EXPECT_EQ(ctx.error, 1);
    EXPECT_EQ(get_control_text(18), "8192");
    EXPECT_EQ(get_control_text(20), "$2000");
    EXPECT_EQ(get_control_text(19), "49153");  // from the run before
    EXPECT_EQ(get_control_text(21), "$C001");
}

TEST_F(StartAddressTest, ACodeEndAboveFFFFKeepsItsFirstFourHexDigits) {
    std::string source = "*=$fff0\n";
    for (int i = 0; i < 20; ++i) {
        source += " nop\n";
    }
    assemble_quietly(source);
    EXPECT_EQ(get_control_text(19), "65540");
    EXPECT_EQ(get_control_text(21), "$1000");  // "10004" keeps "1000"
}

}  // namespace
}  // namespace tarvok::testing
