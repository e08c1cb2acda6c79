#pragma once

#include "core/ui/host.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <string_view>

class QSettings;
class QWidget;

namespace zqf::qt {

// The filter text a file dialog shows for a filter given as "Text (*.x)|*.x".
QString file_dialog_filter(std::string_view filter);

// The filters of a file dialog for filters given as "Text (*.x)|*.x|Text (*.y)|*.y".
QStringList file_dialog_filters(std::string_view filters);

// A file to save as named, or with the suffix of `filter` ("Text (*.x)|*.x")
// added when the name has none: "settings" becomes "settings.txt".
QString with_default_suffix(const QString& file, std::string_view filter);

// A file to save and the position of the filter the user left chosen, or -1
// when the dialog cannot tell.
struct SaveAnswer {
    QString file;
    int filter = -1;
};

// The blocking dialogs of the Host interface. The desktop uses real ones;
// tests answer them without a screen.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual void message_box(QWidget* parent, MessageIcon icon, const QString& title,
                             const QString& text) = 0;
    virtual std::optional<QString> open_file(QWidget* parent, const QString& filter) = 0;
    virtual std::optional<QString> save_file(QWidget* parent, const QString& filter) = 0;
    // A save dialog offering several filters; by default the plain one.
    virtual std::optional<SaveAnswer> save_file_choosing(QWidget* parent,
                                                         const QStringList& filters);
};

// QMessageBox with an OK button and QFileDialog, each returning when answered.
// The file dialogs open in the folder of the file last chosen, remembered
// between runs in the user's settings (or in `settings`).
class QtDialogs final : public Dialogs {
  public:
    QtDialogs();
    explicit QtDialogs(std::unique_ptr<QSettings> settings);
    ~QtDialogs() override;

    void message_box(QWidget* parent, MessageIcon icon, const QString& title,
                     const QString& text) override;
    std::optional<QString> open_file(QWidget* parent, const QString& filter) override;
    std::optional<QString> save_file(QWidget* parent, const QString& filter) override;
    std::optional<SaveAnswer> save_file_choosing(QWidget* parent,
                                                 const QStringList& filters) override;

  private:
    QString last_folder() const;
    std::optional<QString> remember_folder(const QString& file);

    std::unique_ptr<QSettings> settings_;
};

} // namespace zqf::qt
