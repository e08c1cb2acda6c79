#include "qt/host/recent_files.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace zqf::qt {

namespace {

const QString files_key = QStringLiteral("recent/settings");

} // namespace

RecentFiles::RecentFiles(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

RecentFiles::~RecentFiles() = default;

QStringList RecentFiles::files() const {
    QStringList files = settings_->value(files_key).toStringList();
    // A hand-edited file may hold more than the list keeps.
    return files.mid(0, capacity);
}

void RecentFiles::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList files = this->files();
    files.removeAll(absolute);
    files.prepend(absolute);
    settings_->setValue(files_key, files.mid(0, capacity));
    settings_->sync();
}

std::unique_ptr<RecentFiles> user_recent_files() {
    return std::make_unique<RecentFiles>(
        std::make_unique<QSettings>(QStringLiteral("zqfeval"), QStringLiteral("zqfeval")));
}

void fill_recent_menu(QMenu& menu, const RecentFiles& recent,
                      const std::function<void(const QString&)>& open) {
    menu.clear();
    const QStringList files = recent.files();
    if (files.isEmpty()) {
        menu.addAction(QStringLiteral("(none yet)"))->setEnabled(false);
        return;
    }
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString& path = files[i];
        // The number is the entry's mnemonic; an ampersand of the name is shown as one.
        QString name = QFileInfo(path).fileName();
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        entry->setObjectName(QStringLiteral("mnuRecent%1").arg(i + 1));
        entry->setToolTip(QDir::toNativeSeparators(path));
        entry->setStatusTip(entry->toolTip());
        entry->setEnabled(QFileInfo(path).isFile());
        QObject::connect(entry, &QAction::triggered, &menu, [open, path] { open(path); });
    }
    menu.setToolTipsVisible(true);
}

} // namespace zqf::qt
