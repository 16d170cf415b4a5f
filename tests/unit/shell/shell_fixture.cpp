#include "tests/unit/shell/shell_fixture.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "shell/dispatch.h"
#include "shell/shell.h"

namespace tarvok::testing {

void ShellTest::SetUp() {
    int argc = 0;
    ASSERT_TRUE(start_window_layer(argc, nullptr));
    previous_folder_ = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvok-shell-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    std::filesystem::current_path(folder_);
}

void ShellTest::TearDown() {
    stop_window_layer();
    std::filesystem::current_path(previous_folder_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

void ShellTest::start() {
    ASSERT_TRUE(start_shell(state, ctx));
}

void ShellTest::post_and_run(int32_t kind, int32_t window, int32_t id, int32_t type) {
    post_event(kind, window, id, type);
    run_posted();
}

void ShellTest::run_posted() {
    run_event_loop(state, ctx);
}

void ShellTest::write_file(std::string_view name, std::string_view bytes) const {
    std::ofstream out(folder_ / name, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string ShellTest::read_file(std::string_view name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string ShellTest::path_of(std::string_view name) const {
    return (folder_ / name).string();
}

std::vector<std::string> ShellTest::message_texts() {
    std::vector<std::string> texts;
    for (const MessageRecord& message : message_log()) {
        texts.push_back(message.text);
    }
    return texts;
}

std::string int32_bytes(int32_t v) {
    std::string bytes;
    for (int shift = 0; shift < 32; shift += 8) {
        bytes += static_cast<char>((static_cast<uint32_t>(v) >> shift) & 0xFF);
    }
    return bytes;
}

int32_t selected_editor_line() {
    const std::string text = editor_text();
    const auto end = static_cast<std::ptrdiff_t>(editor_selection().end);
    return static_cast<int32_t>(std::count(text.begin(), text.begin() + end, '\n'));
}

std::string not_available(std::string_view command) {
    return std::string(command) + " is not available yet.";
}

}  // namespace tarvok::testing
