// The two small windows of the reference path: the reference oscillator
// frequency, and the fast-lock timer with the interval it lasts.
#include "qt/views/view_kit.h"
#include "qt/views/views.h"

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
    column->addWidget(make_label(body, "Label1"));
    column->addWidget(make_text_box(body, "Text1"));
    column->addLayout(make_button_row(body, {"Command3", "Command1", "Command2"}));
    return {body, nullptr, {}};
}

ViewParts build_fast_lock_view(const Form&, QWidget& window) {
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);
    auto* grid = new QGridLayout;
    const std::pair<const char*, const char*> rows[] = {
        {"Label1", "Text1"}, {"Label2", "PFD"}, {"Label3", "BWinterval"}};
    int row = 0;
    for (const auto& [caption, box] : rows) {
        grid->addWidget(make_label(body, caption), row, 0);
        QLineEdit* edit = make_text_box(body, box);
        edit->setFixedWidth(120);
        grid->addWidget(edit, row++, 1);
    }
    column->addLayout(grid);
    column->addLayout(make_button_row(body, {"Command3", "Command2"}));
    return {body, nullptr, {}};
}

} // namespace zqf::qt
