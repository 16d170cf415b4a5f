// The open and save requesters: Qt's own file dialog (not the desktop's, so it looks the same
// everywhere), opened in the default file's folder with its name offered and the filter list of
// the program. The current directory of the process is left as it is.

#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>

#include "runtime/window/qt/answers.h"
#include "runtime/window/qt/file_filter.h"
#include "runtime/window/qt/layer.h"

namespace tarvok {

// "Description (patterns)": Qt reads the patterns from the last parentheses and shows only the
// description, so the pattern of each pair is the one that counts.
QStringList qt_filter_list(const std::vector<FileFilter>& filters) {
    QStringList list;
    for (const FileFilter& filter : filters) {
        QStringList patterns;
        for (const std::string& pattern : filter.patterns) patterns.append(to_qt(pattern));
        list.append(to_qt(filter.description).trimmed() + QStringLiteral(" (") +
                    patterns.join(u' ') + u')');
    }
    return list;
}

namespace {

// The dialog names its selected filter by the description alone (the patterns are hidden).
int32_t filter_index_of(const QString& selected, const QStringList& filters) {
    static const QRegularExpression details(QStringLiteral("^(.*)\\(([^()]*)\\)$"));
    for (qsizetype i = 0; i < filters.size(); ++i) {
        const QRegularExpressionMatch match = details.match(filters[i]);
        const QString shown = match.hasMatch() ? match.captured(1).simplified() : filters[i];
        if (filters[i] == selected || shown == selected) return static_cast<int32_t>(i);
    }
    return 0;
}

std::string shown_answer(bool save, std::string_view title, std::string_view default_file,
                         std::string_view filter, int32_t filter_index) {
    QFileDialog dialog(active_program_window(), to_qt(title));
    dialog.setObjectName(save ? QStringLiteral("SaveFileRequester") : QStringLiteral("OpenFileRequester"));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);

    const QStringList filters = qt_filter_list(parse_file_filters(filter));
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (filter_index >= 0 && filter_index < filters.size()) dialog.selectNameFilter(filters[filter_index]);
    }
    const DefaultFile start = split_default_file(default_file);
    // A folder that is not there leaves the dialog in its usual folder.
    if (!start.folder.empty() && QDir(path_to_qt(start.folder)).exists()) {
        dialog.setDirectory(path_to_qt(start.folder));
    }
    dialog.selectFile(path_to_qt(start.name));

    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    layer().chosen_filter = filter_index_of(dialog.selectedNameFilter(), filters);
    return chosen ? path_from_qt(dialog.selectedFiles().first()) : "";
}

std::string choose_file(RequesterKind kind, std::string_view title, std::string_view default_file,
                        std::string_view filter, int32_t filter_index) {
    if (!layer_running()) return "";
    std::string result;
    const bool save = kind == RequesterKind::SaveFile;
    if (answering_from_script()) {
        const auto answer = take_answer(AnswerKind::File);
        layer().chosen_filter = answer ? answer->filter : 0;
        if (answer) result = answer->text;
    } else {
        result = shown_answer(save, title, default_file, filter, filter_index);
    }
    RequesterRecord record;
    record.kind = kind;
    record.title = std::string(title);
    record.prompt_or_default = std::string(default_file);
    record.filter = std::string(filter);
    record.filter_index = filter_index;
    record.answer = result;
    layer().requesters.push_back(record);
    return result;
}

}  // namespace

std::string choose_open_file(std::string_view title, std::string_view default_file,
                             std::string_view filter, int32_t filter_index) {
    return choose_file(RequesterKind::OpenFile, title, default_file, filter, filter_index);
}

std::string choose_save_file(std::string_view title, std::string_view default_file,
                             std::string_view filter, int32_t filter_index) {
    return choose_file(RequesterKind::SaveFile, title, default_file, filter, filter_index);
}

int32_t chosen_filter() { return layer().chosen_filter; }

}  // namespace tarvok
