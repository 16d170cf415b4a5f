// Message boxes and requesters, answered from the script. A message box with only an OK button
// answers OK and takes nothing from the script; every other box and requester takes the front
// answer (see take_answer), and an empty script answers as a cancel: Cancel for Yes/No/Cancel,
// No for Yes/No, "" for texts and files, -1 for a colour, 0 for a font. Every box is logged and
// shown to the observer; every requester is logged.
#include <string>
#include <utility>

#include "runtime/window/headless/answer_script.h"
#include "runtime/window/headless/layer_state.h"
#include "runtime/window/script.h"
#include "runtime/window/window.h"

namespace tarvok {

using headless::layer;
using headless::take_answer;

namespace {

int32_t cancel_answer(int32_t buttons) { return buttons == ButtonsYesNo ? AnswerNo : AnswerCancel; }

std::string choose_file(RequesterKind kind, std::string_view title, std::string_view default_file,
                        std::string_view filter, int32_t filter_index) {
    const auto answer = take_answer(AnswerKind::File);
    headless::Layer& state = layer();
    state.chosen_filter = answer ? answer->filter : 0;
    RequesterRecord record;
    record.kind = kind;
    record.title = std::string(title);
    record.prompt_or_default = std::string(default_file);
    record.filter = std::string(filter);
    record.filter_index = filter_index;
    record.answer = answer ? answer->text : "";
    state.requesters.push_back(record);
    return record.answer;
}

}  // namespace

int32_t show_message(std::string_view title, std::string_view text, int32_t buttons) {
    MessageRecord record;
    record.title = std::string(title);
    record.text = std::string(text);
    record.buttons = buttons;
    record.answer = 0;  // not answered while the box appears
    const auto* editor = headless::main_editor();
    record.selected_line = editor != nullptr ? editor->selected_line() : -1;
    if (layer().message_observer) layer().message_observer(record);

    if (buttons == ButtonsOk) {
        record.answer = AnswerOk;
    } else {
        const auto answer = take_answer(AnswerKind::Message);
        record.answer = answer ? answer->button : cancel_answer(buttons);
    }
    layer().messages.push_back(record);
    return record.answer;
}

std::string ask_text(std::string_view title, std::string_view prompt, std::string_view default_text) {
    const auto answer = take_answer(AnswerKind::Text);
    RequesterRecord record;
    record.kind = RequesterKind::AskText;
    record.title = std::string(title);
    record.prompt_or_default = std::string(prompt);
    record.default_text = std::string(default_text);
    record.answer = answer ? answer->text : "";
    layer().requesters.push_back(record);
    return record.answer;
}

std::string choose_open_file(std::string_view title, std::string_view default_file,
                             std::string_view filter, int32_t filter_index) {
    return choose_file(RequesterKind::OpenFile, title, default_file, filter, filter_index);
}

std::string choose_save_file(std::string_view title, std::string_view default_file,
                             std::string_view filter, int32_t filter_index) {
    return choose_file(RequesterKind::SaveFile, title, default_file, filter, filter_index);
}

int32_t chosen_filter() { return layer().chosen_filter; }

int32_t choose_font(std::string_view face, int32_t /*size*/, int32_t /*flags*/) {
    const auto answer = take_answer(AnswerKind::Font);
    headless::Layer& state = layer();
    RequesterRecord record;
    record.kind = RequesterKind::Font;
    record.prompt_or_default = std::string(face);
    if (answer) {
        state.chosen_font_name = answer->text;
        state.chosen_font_size = answer->font_size;
        state.chosen_font_style = answer->font_style;
        record.answer = answer->text;
    }
    state.requesters.push_back(record);
    return answer ? 1 : 0;
}

std::string chosen_font_name() { return layer().chosen_font_name; }

int32_t chosen_font_size() { return layer().chosen_font_size; }

int32_t chosen_font_style() { return layer().chosen_font_style; }

int32_t choose_colour() {
    const auto answer = take_answer(AnswerKind::Colour);
    const int32_t colour = answer ? answer->colour : NoColour;
    RequesterRecord record;
    record.kind = RequesterKind::Colour;
    record.answer = colour == NoColour ? "" : std::to_string(colour);
    layer().requesters.push_back(record);
    return colour;
}

}  // namespace tarvok
