#pragma once

#include "core/ui/host.h"

#include <QString>

#include <memory>
#include <optional>
#include <string_view>

class QSettings;
class QWidget;

namespace zqf::qt {

// The filter text a file dialog shows for a filter given as "Text (*.x)|*.x".
QString file_dialog_filter(std::string_view filter);

// The blocking dialogs of the Host interface. The desktop uses real ones;
// tests answer them without a screen.
class Dialogs {
  public:
    virtual ~Dialogs() = default;
    virtual void message_box(QWidget* parent, MessageIcon icon, const QString& title,
                             const QString& text) = 0;
    virtual std::optional<QString> open_file(QWidget* parent, const QString& filter) = 0;
    virtual std::optional<QString> save_file(QWidget* parent, const QString& filter) = 0;
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

  private:
    QString last_folder() const;
    std::optional<QString> remember_folder(const QString& file);

    std::unique_ptr<QSettings> settings_;
};

} // namespace zqf::qt
