// The font and colour requesters: Qt's font dialog, started from a face and a size, and its
// colour dialog, started at black.

#include <QColorDialog>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>

#include <cmath>

#include "runtime/window/qt/answers.h"
#include "runtime/window/qt/layer.h"

namespace tarvok {

namespace {

int32_t style_bits(const QFont& font) {
    int32_t style = 0;
    if (font.bold()) style |= FontBold;
    if (font.italic()) style |= FontItalic;
    if (font.underline()) style |= FontUnderline;
    if (font.strikeOut()) style |= FontStrikeout;
    return style;
}

}  // namespace

int32_t choose_font(std::string_view face, int32_t size, int32_t /*flags*/) {
    if (!layer_running()) return 0;
    LayerState& state = layer();
    RequesterRecord record;
    record.kind = RequesterKind::Font;
    record.prompt_or_default = std::string(face);
    bool chosen = false;
    if (answering_from_script()) {
        const auto answer = take_answer(AnswerKind::Font);
        if (answer) {
            chosen = true;
            state.chosen_font_name = answer->text;
            state.chosen_font_size = answer->font_size;
            state.chosen_font_style = answer->font_style;
        }
    } else {
        // Underline and strikeout are always offered by Qt's dialog. A face the system does not
        // have (Courier, say) starts the dialog on the face the system shows for it instead of on
        // whatever the dialog's list happens to begin with.
        QFont start(to_qt(face));
        if (size > 0) start.setPointSize(size);
        if (!QFontDatabase::hasFamily(start.family())) start.setFamily(QFontInfo(start).family());
        QFontDialog dialog(start, active_program_window());
        dialog.setOption(QFontDialog::DontUseNativeDialog, true);
        if (dialog.exec() == QDialog::Accepted) {
            const QFont font = dialog.selectedFont();
            chosen = true;
            state.chosen_font_name = from_qt(font.family());
            state.chosen_font_size = static_cast<int32_t>(std::floor(font.pointSizeF()));
            state.chosen_font_style = style_bits(font);
        }
    }
    if (chosen) record.answer = state.chosen_font_name;
    state.requesters.push_back(record);
    return chosen ? 1 : 0;
}

std::string chosen_font_name() { return layer().chosen_font_name; }
int32_t chosen_font_size() { return layer().chosen_font_size; }
int32_t chosen_font_style() { return layer().chosen_font_style; }

int32_t choose_colour() {
    if (!layer_running()) return NoColour;
    int32_t colour = NoColour;
    if (answering_from_script()) {
        const auto answer = take_answer(AnswerKind::Colour);
        if (answer) colour = answer->colour;
    } else {
        QColorDialog::setCustomColor(0, Qt::black);
        QColorDialog dialog(Qt::black, active_program_window());
        dialog.setOption(QColorDialog::DontUseNativeDialog, true);
        if (dialog.exec() == QDialog::Accepted) colour = colour_from_qt(dialog.selectedColor());
    }
    RequesterRecord record;
    record.kind = RequesterKind::Colour;
    record.answer = colour == NoColour ? "" : std::to_string(colour);
    layer().requesters.push_back(record);
    return colour;
}

}  // namespace tarvok
