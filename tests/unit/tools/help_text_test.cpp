// The help text and the memory map that ship with the program: plain text that fits the windows,
// a guide that names every message the program's sources can show and every menu item, button
// and popup item the main window has, and examples that assemble to the bytes the guide shows.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "shell/control_ids.h"
#include "tests/support/assembly_fixture.h"
#include "tests/unit/shell/shell_fixture.h"
#include "tests/unit/tools/message_sources.h"

namespace tarvok::testing {
namespace {

const std::filesystem::path SourceRoot = TARVOK_SOURCE_DIR;

// The widest line that the help window's 630-pixel editor shows without scrolling.
constexpr std::size_t WidestLine = 74;

std::string file_bytes(const std::string& name) {
    std::ifstream in(SourceRoot / "resources" / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The lines of a CR LF text without their line breaks.
std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

std::string trimmed(const std::string& s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

const std::vector<std::string>& help_lines() {
    static const std::vector<std::string> lines = lines_of(file_bytes("Tarvokhelp.txt"));
    return lines;
}

bool help_mentions(const std::string& text) {
    return std::any_of(help_lines().begin(), help_lines().end(),
                       [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

TEST(ShippedTextTest, IsPlainTextWithCrLfLinesThatFitTheWindow) {
    for (const char* name : {"Tarvokhelp.txt", "c64map.txt"}) {
        SCOPED_TRACE(name);
        const std::string text = file_bytes(name);
        ASSERT_GT(text.size(), 1000u);
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
        int line = 1;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(text[i]);
            if (c == '\r') {
                EXPECT_EQ(text[i + 1], '\n') << "a CR without LF in line " << line;
            } else if (c == '\n') {
                EXPECT_EQ(text[i - 1], '\r') << "an LF without CR in line " << line;
                ++line;
            } else {
                EXPECT_TRUE(c >= 0x20 && c < 0x7F) << "character " << int{c} << " in line " << line;
            }
        }
        line = 1;
        for (const std::string& l : lines_of(text)) {
            EXPECT_LE(l.size(), WidestLine) << "line " << line << ": " << l;
            ++line;
        }
    }
}

// ---- Messages -----------------------------------------------------------------------------------

// One message as the guide documents it:
//   Title: "..."
//   Text:  "..."          (may go on over further lines)
//   Cause: ...
//   Fix:   ...
struct HelpEntry {
    std::string title;
    std::string text;  // the lines of the text joined with one blank, without the outer quotes
    bool has_cause = false;
    bool has_fix = false;
};

std::string unquoted(const std::string& field) {
    const std::string t = trimmed(field);
    if (t.size() >= 2 && t.front() == '"' && t.back() == '"') return t.substr(1, t.size() - 2);
    return t;
}

std::vector<HelpEntry> help_entries() {
    std::vector<HelpEntry> entries;
    bool in_text = false;
    for (const std::string& line : help_lines()) {
        const std::string t = trimmed(line);
        if (t.rfind("Title: ", 0) == 0) {
            entries.push_back({unquoted(t.substr(7)), "", false, false});
            in_text = false;
        } else if (entries.empty()) {
            continue;
        } else if (t.rfind("Text: ", 0) == 0) {
            entries.back().text = t.substr(6);
            in_text = true;
        } else if (t.rfind("Cause: ", 0) == 0) {
            entries.back().has_cause = t.size() > 7;
            in_text = false;
        } else if (t.rfind("Fix: ", 0) == 0) {
            entries.back().has_fix = t.size() > 5;
            in_text = false;
        } else if (in_text && !t.empty()) {
            entries.back().text += " " + t;
        }
    }
    for (HelpEntry& entry : entries) entry.text = unquoted(entry.text);
    return entries;
}

// True when the pieces appear in the text in their order.
bool shows_pieces(const std::string& text, const std::vector<std::string>& pieces) {
    std::size_t from = 0;
    for (const std::string& piece : pieces) {
        const std::size_t at = text.find(piece, from);
        if (at == std::string::npos) return false;
        from = at + piece.size();
    }
    return true;
}

TEST(HelpTextTest, DocumentsEveryMessageTheProgramsSourcesShow) {
    const std::vector<ShownMessage> shown =
        messages_in_sources(SourceRoot, {"app", "assembler", "codegen", "runtime", "shell", "tools"});
    const std::vector<HelpEntry> entries = help_entries();

    // The search itself: named constants and texts with run-time parts are found.
    auto found = [&](const std::string& title, const std::vector<std::string>& pieces) {
        return std::any_of(shown.begin(), shown.end(), [&](const ShownMessage& m) {
            return m.title == title && m.pieces == pieces;
        });
    };
    EXPECT_TRUE(found("Error!", {"Start Address Error,Eg *=$0900"}));
    EXPECT_TRUE(found("OpAnd Error", {"Please Don`t use `", "` in OpAnd Field"}));
    EXPECT_GE(shown.size(), 25u);

    for (const ShownMessage& message : shown) {
        const bool documented = std::any_of(entries.begin(), entries.end(), [&](const HelpEntry& e) {
            return e.title == message.title && shows_pieces(e.text, message.pieces);
        });
        std::string text;
        for (const std::string& piece : message.pieces) text += "[" + piece + "]";
        EXPECT_TRUE(documented) << message.where << ": \"" << message.title << "\" " << text
                                << " is not in resources/Tarvokhelp.txt";
    }
    for (const HelpEntry& entry : entries) {
        EXPECT_FALSE(entry.text.empty()) << entry.title;
        EXPECT_TRUE(entry.has_cause && entry.has_fix) << entry.title << ": " << entry.text;
    }
}

// ---- Menus, buttons and panel tools -------------------------------------------------------------

using HelpCommandsTest = ShellTest;

TEST_F(HelpCommandsTest, NamesEveryMenuItemButtonAndPopupItem) {
    start();
    std::set<std::string> names;
    for (const MenuInfo& menu : inspect_menu_bar(MainWindow)) {
        for (const MenuEntry& item : menu.items) {
            if (!item.separator) names.insert(trimmed(item.text));
        }
    }
    for (const MenuEntry& item : inspect_popup_menu(EditorPopupMenu)) {
        if (!item.separator) names.insert(item.text);
    }
    for (const int32_t id : controls_of_window(MainWindow)) {
        const ControlInfo control = inspect_control(id);
        if (control.kind == ControlKind::ImageButton) names.insert(control.tooltip);
        // A caption that runs on over two lines counts up to its run of blanks.
        if (control.kind == ControlKind::Button) names.insert(control.text.substr(0, control.text.find("  ")));
    }
    EXPECT_GT(names.size(), 30u);
    for (const std::string& name : names) {
        EXPECT_TRUE(help_mentions("\"" + name + "\"")) << "\"" << name << "\" is not in the help text";
    }
}

// ---- Examples -----------------------------------------------------------------------------------

using HelpExamplesTest = AssemblyFixture;

// The lines after the help's "Definitions used by the examples:" up to the next empty line.
std::string example_definitions() {
    std::string source;
    const auto& lines = help_lines();
    auto line = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
        return trimmed(l) == "Definitions used by the examples:";
    });
    for (++line; line != lines.end() && !trimmed(*line).empty(); ++line) source += trimmed(*line) + "\n";
    return source;
}

TEST_F(HelpExamplesTest, EveryExampleAssemblesToTheBytesShown) {
    const std::string definitions = example_definitions();
    ASSERT_NE(definitions.find("*="), std::string::npos);
    // "    lda $10                   => A5 10"
    const std::regex example(R"(^\s{2,}(\S.*?)\s{2,}=> ((?:[0-9A-F]{2} )*[0-9A-F]{2})\s*$)");
    int examples = 0;
    for (const std::string& line : help_lines()) {
        std::smatch match;
        if (!std::regex_match(line, match, example)) continue;
        SCOPED_TRACE(line);
        ++examples;
        const std::string statement = match[1];
        // A statement with a label starts in the first column, any other is indented.
        const bool labelled = statement.rfind("start ", 0) == 0;
        assemble_quietly(definitions + (labelled ? "" : " ") + statement + "\n");
        EXPECT_EQ(only_message(), "");
        EXPECT_EQ(hex_bytes(bytes()), match[2].str());
    }
    EXPECT_GT(examples, 40);
}

TEST_F(HelpExamplesTest, TheCompleteProgramAssemblesWithoutAMessage) {
    const auto& lines = help_lines();
    auto first = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
        return l.find("copy from here") != std::string::npos;
    });
    ASSERT_NE(first, lines.end());
    std::string program;
    for (++first; first != lines.end() && first->find("to here") == std::string::npos; ++first) {
        program += *first + "\r\n";
    }
    assemble_for_output(program);  // the save requester is cancelled: nothing is written
    EXPECT_EQ(only_message(), "");
    EXPECT_EQ(ctx.start_address, 0x0801);
    EXPECT_GT(bytes().size(), 50u);
}

}  // namespace
}  // namespace tarvok::testing
