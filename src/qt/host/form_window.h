#pragma once

#include <QDialog>
#include <QWidget>

#include <functional>

namespace zqf::qt {

// A window never closes on its own: its close box (and, for a dialog or a
// window that asks for it, the Escape key) asks the form, which decides. A
// window that is not a dialog still honours its default button: Return or
// Enter clicks it, as in a dialog.
class FormWindow : public QWidget {
  public:
    FormWindow() { setAttribute(Qt::WA_DeleteOnClose, false); }
    std::function<void()> on_close_box;
    // Escape asks the form as the close box does (a window beside the panel,
    // a help window; not the panel itself).
    bool escape_closes = false;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

class FormDialog : public QDialog {
  public:
    FormDialog() { setAttribute(Qt::WA_DeleteOnClose, false); }
    std::function<void()> on_close_box;

    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
};

} // namespace zqf::qt
