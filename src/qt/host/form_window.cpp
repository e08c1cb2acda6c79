#include "qt/host/form_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

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

void FormWindow::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain) {
        for (QPushButton* button : findChildren<QPushButton*>()) {
            if (button->isDefault() && button->isVisible() && button->isEnabled()) {
                button->click();
                return;
            }
        }
    }
    if (event->key() == Qt::Key_Escape && plain && escape_closes) {
        ask(on_close_box);
        return;
    }
    QWidget::keyPressEvent(event);
}

void FormDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    ask(on_close_box);
}

void FormDialog::reject() {
    ask(on_close_box);
}

} // namespace zqf::qt
