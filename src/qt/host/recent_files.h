#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QMenu;
class QSettings;

namespace zqf::qt {

// The settings files used last, newest first, kept between runs.
class RecentFiles {
  public:
    static constexpr int capacity = 8;

    explicit RecentFiles(std::unique_ptr<QSettings> settings);
    ~RecentFiles();
    RecentFiles(const RecentFiles&) = delete;
    RecentFiles& operator=(const RecentFiles&) = delete;

    QStringList files() const;
    // Puts `path` first; a path already listed moves up, the oldest beyond
    // the capacity drops out.
    void add(const QString& path);

  private:
    std::unique_ptr<QSettings> settings_;
};

// The user's own list, in ~/.config/zqfeval/zqfeval.conf.
std::unique_ptr<RecentFiles> user_recent_files();

// Fills `menu` with the recent files, numbered; a file that is no longer
// there is shown greyed. `open` runs with the path of the entry chosen.
void fill_recent_menu(QMenu& menu, const RecentFiles& recent,
                      const std::function<void(const QString&)>& open);

} // namespace zqf::qt
