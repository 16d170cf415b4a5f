#include <string>

#include "runtime/window/script.h"
#include "tests/support/assembly_fixture.h"

namespace tarvok::testing {
namespace {

using DataTest = AssemblyFixture;

TEST_F(DataTest, DirectivesGiveTheirBytesInTheirOrder) {
    const struct {
        const char* lines;
        const char* bytes;
    } rows[] = {
        {" byte 1,2,$ff", "01 02 FF"},
        {" byte $1234", "12"},                  // above 255: the high byte
        {" byte 99999", "86"},                  // five digits, high byte of $1869F
        {" byte 1, 2 ,3", "01 02 03"},
        {" byte 1,,2", "01 00 02"},             // an empty field is 0
        {" byte <$1234,>$1234", "34 12"},
        {" byte \"a\",`a`,%00000011", "41 01 03"},
        {" word $1234", "12 34"},
        {" word $12", "00 12"},
        {" word <$1234", "34"},
        {" word >$1234", "12"},
        {" dbyte $1234", "34 12"},
        {" dbyte >$1234", "12 00"},
        {" dbyte $12", "12 00"},
        {"v = $0400\n byte v,<v\n word v", "04 00 04 00"},
        {" text \"ab c\"", "41 42 20 43"},
        {" text `ab c`", "01 02 20 03"},
        {" text \"HI\"", "48 49"},
        {" text \"a\"b\"", "41 42"},            // inner quotes are dropped
        {" text `@[`", "00 1B"},
        {" text abc", "01 02"},                 // no quote: screen codes up to the last character
        {" text `a\"bc`", "42 43"},             // a double quote anywhere chooses character codes
        {" text \"x`y`z", "58 60 59 60"},       // only the chosen quote is dropped
    };
    for (const auto& row : rows) {
        assemble_quietly(std::string("*=$1000\n") + row.lines);
        EXPECT_EQ(ctx.error, 0) << row.lines << ": " << only_message();
        EXPECT_EQ(hex_bytes(bytes()), row.bytes) << row.lines;
    }
}

TEST_F(DataTest, LabelsInDataGiveBytesOfTheirAddress) {
    // The label sits at $C010 after 16 bytes of padding.
    const std::string pad = "*=$c000\n byte 0,0,0,0,0,0,0,0\n byte 0,0,0,0,0,0,0,0\nlabel nop\n";
    const struct {
        const char* line;
        const char* bytes;
    } rows[] = {
        {" word label", "10 C0"},
        {" dbyte label", "C0 10"},
        {" dbyte <label", "C0 10"},  // a selection makes no difference to "dbyte"
        {" byte <label", "10"},
        {" byte >label", "C0"},
        {" byte label", "C0"},
        {" word >label", "C0"},
        {" word <label", "10"},
    };
    for (const auto& row : rows) {
        assemble_quietly(pad + row.line);
        EXPECT_EQ(ctx.error, 0) << row.line << ": " << only_message();
        const std::string all = hex_bytes(bytes());
        ASSERT_GT(all.size(), 51u) << row.line;
        EXPECT_EQ(all.substr(51), row.bytes) << row.line;  // after 16 padding bytes and the nop
    }
}

TEST_F(DataTest, AByteOfALabelBelow256IsTheAddressItself) {
    assemble_quietly("*=$0010\nhere nop\n byte here");
    EXPECT_EQ(hex_bytes(bytes()), "EA 10");
}

TEST_F(DataTest, RefusedData) {
    const struct {
        const char* lines;
        const char* message;
        int32_t line;
    } rows[] = {
        {" nop\n byte", "Data Error.|No Data Values Found At Line Number `2`", 2},
        {" word", "Data Error.|No Data Values Found At Line Number `1`", 1},
        {" byte >$12", "Data Error.|< No Highbyte,Data  value Less than 256", 1},
        {" dbyte 1,>255", "Data Error.|< No Highbyte,Data  value Less than 256", 1},
        {" byte %101", "Error.|Binary Number Error,Must Be 8 or 16 Digits.", 1},
        {" text `a_`", "Error.|Invaild Screen Char,I only do @-?,0-63", 1},
    };
    for (const auto& row : rows) {
        assemble_quietly(std::string("*=$1000\n") + row.lines + "\n rts");
        EXPECT_EQ(only_message(), row.message) << row.lines;
        ASSERT_FALSE(message_log().empty());
        EXPECT_EQ(message_log()[0].selected_line, row.line) << row.lines;
        EXPECT_EQ(ctx.error, 1);
    }
}

}  // namespace
}  // namespace tarvok::testing
