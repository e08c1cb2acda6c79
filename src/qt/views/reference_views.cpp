// The two small windows of the reference path: the reference oscillator
// frequency, and the fast-lock timer with the interval it lasts.
#include "qt/views/view_kit.h"
#include "qt/views/views.h"

#include "core/windows/names/crystal_controls.h"
#include "core/windows/names/fast_lock_controls.h"
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zqf::qt {

ViewParts build_crystal_view(const Form&, QWidget& window) {
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);
    column->addWidget(make_label(body, crystal_controls::Label1));
    column->addWidget(make_text_box(body, crystal_controls::Text1));
    column->addLayout(make_button_row(body, {crystal_controls::Command3, crystal_controls::Command1,
                                             crystal_controls::Command2}));
    return {body, nullptr, {}};
}

ViewParts build_fast_lock_view(const Form&, QWidget& window) {
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);
    auto* grid = new QGridLayout;
    const std::pair<std::string_view, std::string_view> rows[] = {
        {fast_lock_controls::Label1, fast_lock_controls::Text1},
        {fast_lock_controls::Label2, fast_lock_controls::PFD},
        {fast_lock_controls::Label3, fast_lock_controls::BWinterval}};
    int row = 0;
    for (const auto& [caption, box] : rows) {
        grid->addWidget(make_label(body, caption), row, 0);
        QLineEdit* edit = make_text_box(body, box);
        edit->setFixedWidth(120);
        grid->addWidget(edit, row++, 1);
    }
    column->addLayout(grid);
    column->addLayout(
        make_button_row(body, {fast_lock_controls::Command3, fast_lock_controls::Command2}));
    return {body, nullptr, {}};
}

} // namespace zqf::qt
