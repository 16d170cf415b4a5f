#pragma once
// A main window with the editor and the fields an assembly writes to, on the in-memory window
// layer, and one assembly context: enough to run whole assemblies in a test.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "assembler/context.h"
#include "assembler/source_document.h"
#include "runtime/window/script.h"

namespace tarvok::testing {

class AssemblyFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Puts the source into the editor and runs a quiet assembly (symbols and bytes, no file).
    void assemble_quietly(std::string_view source);
    // Puts the source into the editor and runs "Assemble To  Prg File" (or P00) with the scripted
    // answers already queued; with none queued the save requester is cancelled.
    void assemble_for_output(std::string_view source, OutputKind kind = OutputKind::Prg);

    // The object image's bytes.
    std::vector<uint8_t> bytes() const;
    // The messages shown during the last run.
    const std::vector<MessageRecord>& messages() const { return message_log(); }
    // "TITLE|TEXT" of the only message of the last run, "" when there was none, and a failure
    // when there was more than one.
    std::string only_message() const;

    AssemblyContext ctx;
    SourceDocument doc;
};

// Bytes as "A9 10 60".
std::string hex_bytes(const std::vector<uint8_t>& bytes);

}  // namespace tarvok::testing
