#include <string>
#include <vector>

#include "assembler/display_ids.h"
#include "runtime/window/window.h"
#include "tests/support/assembly_fixture.h"

namespace tarvok::testing {
namespace {

using DriverTest = AssemblyFixture;

TEST_F(DriverTest, SmokeProgramAssembles) {
    assemble_quietly("*=$1000\n lda #$01\n rts\n");
    EXPECT_EQ(ctx.error, 0);
    EXPECT_EQ(hex_bytes(bytes()), "A9 01 60");
}

}  // namespace
}  // namespace tarvok::testing
