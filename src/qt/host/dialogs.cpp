#include "qt/host/dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>

namespace zqf::qt {

QString file_dialog_filter(std::string_view filter) {
    return QString::fromUtf8(filter.substr(0, filter.find('|')));
}

namespace {

QMessageBox::Icon box_icon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::exclamation:
        return QMessageBox::Warning;
    case MessageIcon::critical:
        return QMessageBox::Critical;
    case MessageIcon::information:
        return QMessageBox::Information;
    case MessageIcon::none:
        break;
    }
    return QMessageBox::NoIcon;
}

const QString folder_key = QStringLiteral("dialogs/folder");

} // namespace

QtDialogs::QtDialogs()
    : QtDialogs(std::make_unique<QSettings>(QStringLiteral("zqfeval"), QStringLiteral("zqfeval"))) {
}

QtDialogs::QtDialogs(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

QtDialogs::~QtDialogs() = default;

QString QtDialogs::last_folder() const {
    return settings_->value(folder_key).toString();
}

std::optional<QString> QtDialogs::remember_folder(const QString& file) {
    if (file.isEmpty()) {
        return std::nullopt;
    }
    settings_->setValue(folder_key, QFileInfo(file).absolutePath());
    settings_->sync();
    return file;
}

void QtDialogs::message_box(QWidget* parent, MessageIcon icon, const QString& title,
                            const QString& text) {
    QMessageBox box(box_icon(icon), title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

std::optional<QString> QtDialogs::open_file(QWidget* parent, const QString& filter) {
    return remember_folder(QFileDialog::getOpenFileName(parent, QString(), last_folder(), filter));
}

std::optional<QString> QtDialogs::save_file(QWidget* parent, const QString& filter) {
    // The dialog itself adds the suffix, so it asks before replacing the file
    // of that full name.
    const std::optional<SaveAnswer> answer = save_file_choosing(parent, {filter});
    return answer ? std::optional(answer->file) : std::nullopt;
}

} // namespace zqf::qt
