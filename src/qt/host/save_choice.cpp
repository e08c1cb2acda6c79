// Save dialogs: a name typed without a suffix gets the chosen filter's, and
// where several filters are offered (File > Export Registers...) the chosen
// one tells what to write.
#include "qt/binder/show_control.h"
#include "qt/host/dialogs.h"
#include "qt/host/qt_host.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace zqf::qt {

namespace {

// "*.json" of "JSON (*.json)": the suffix without its dot.
QString suffix_of(const QString& filter) {
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.([^ )]+)"));
    return pattern.match(filter).captured(1);
}

} // namespace

QString with_default_suffix(const QString& file, std::string_view filter) {
    const QString suffix = suffix_of(file_dialog_filter(filter));
    if (suffix.isEmpty() || !QFileInfo(file).suffix().isEmpty()) {
        return file;
    }
    return file + QLatin1Char('.') + suffix;
}

QStringList file_dialog_filters(std::string_view filters) {
    const QStringList parts = QString::fromUtf8(filters).split(QLatin1Char('|'));
    QStringList texts;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        texts.append(parts[i]);
    }
    return texts;
}

std::optional<SaveAnswer> Dialogs::save_file_choosing(QWidget* parent, const QStringList& filters) {
    const std::optional<QString> file = save_file(parent, filters.join(QStringLiteral(";;")));
    if (!file) {
        return std::nullopt;
    }
    return SaveAnswer{*file, -1};
}

std::optional<SaveAnswer> QtDialogs::save_file_choosing(QWidget* parent,
                                                        const QStringList& filters) {
    QFileDialog dialog(parent, QString(), last_folder());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffix_of(filters.value(0)));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& filter) { dialog.setDefaultSuffix(suffix_of(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const std::optional<QString> file = remember_folder(dialog.selectedFiles().constFirst());
    if (!file) {
        return std::nullopt;
    }
    return SaveAnswer{*file, static_cast<int>(filters.indexOf(dialog.selectedNameFilter()))};
}

std::optional<SaveChoice> QtHost::save_file_choosing(std::string_view filters) {
    need_window_thread("a file dialog");
    const TimerPause pause(*this);
    const std::optional<SaveAnswer> answer =
        dialogs_->save_file_choosing(owner_window(), file_dialog_filters(filters));
    if (!answer) {
        return std::nullopt;
    }
    std::string path = from_qt(answer->file);
    const std::size_t filter = answer->filter >= 0 ? static_cast<std::size_t>(answer->filter)
                                                   : filter_of_path(filters, path);
    return SaveChoice{std::move(path), filter};
}

} // namespace zqf::qt
