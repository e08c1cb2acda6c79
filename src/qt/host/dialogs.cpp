#include "qt/host/dialogs.h"

#include <QFileDialog>
#include <QMessageBox>

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

std::optional<QString> answer(const QString& file) {
    if (file.isEmpty()) {
        return std::nullopt;
    }
    return file;
}

} // namespace

void QtDialogs::message_box(QWidget* parent, MessageIcon icon, const QString& title,
                            const QString& text) {
    QMessageBox box(box_icon(icon), title, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

std::optional<QString> QtDialogs::open_file(QWidget* parent, const QString& filter) {
    return answer(QFileDialog::getOpenFileName(parent, QString(), QString(), filter));
}

std::optional<QString> QtDialogs::save_file(QWidget* parent, const QString& filter) {
    return answer(QFileDialog::getSaveFileName(parent, QString(), QString(), filter));
}

} // namespace zqf::qt
