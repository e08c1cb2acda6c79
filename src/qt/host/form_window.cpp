#include "qt/host/form_window.h"

#include <QCloseEvent>

namespace zqf::qt {

namespace {

void ask(const std::function<void()>& close_box) {
    if (close_box) {
        close_box();
    }
}

} // namespace

void FormWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    ask(on_close_box);
}

void FormDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    ask(on_close_box);
}

void FormDialog::reject() {
    ask(on_close_box);
}

} // namespace zqf::qt
