// The example programs: tarvok-asm must turn each into the same PRG file as 64tass makes from
// its translation (sprite.asm with the source and binary files it includes).
#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/support/headless_assembly.h"
#include "tests/e2e/support/run_process.h"
#include "tests/e2e/support/temp_folder.h"

namespace tarvok::e2e {
namespace {

const std::string SourceDir = TARVOK_SOURCE_DIR;

class Examples : public ::testing::TestWithParam<const char*> {};

TEST_P(Examples, SameBytesAs64tass) {
    const std::string tass = find_on_path("64tass");
    ASSERT_FALSE(tass.empty()) << "64tass is not on PATH; scripts/install-deps.sh installs it";
    const std::string name = GetParam();
    TempFolder dir;

    const ProcessResult ours =
        run_process(TARVOK_ASM_PATH, {SourceDir + "/examples/" + name + ".asm", "-o", dir.file("tarvok.prg")});
    ASSERT_EQ(ours.exit_code, 0) << ours.err;
    EXPECT_EQ(ours.err, "");

    // -a: the translation is plain ASCII, so that its screen-code strings convert properly. -I: the
    // data files that the examples include are found beside them.
    const ProcessResult theirs =
        run_process(tass, {"-a", "-q", "--cbm-prg", "-I", SourceDir + "/examples", "-o", dir.file("64tass.prg"),
                           SourceDir + "/tests/oracle/examples/" + name + ".tass"});
    ASSERT_EQ(theirs.exit_code, 0) << theirs.err;

    const std::string expected = read_bytes(dir.file("64tass.prg"));
    ASSERT_GT(expected.size(), 2u);
    EXPECT_EQ(hex_dump(read_bytes(dir.file("tarvok.prg"))), hex_dump(expected));
}

INSTANTIATE_TEST_SUITE_P(Programs, Examples, ::testing::Values("border_cycle", "hello", "sprite"));

}  // namespace
}  // namespace tarvok::e2e
