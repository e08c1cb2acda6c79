#include "qt/views/generic_view.h"

#include "qt/views/view_kit.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>

#include "qt/widgets/option_widget.h"
#include "qt/widgets/rotary_knob.h"
#include "qt/widgets/switch_button.h"

namespace zqf::qt {

namespace {

constexpr int columns = 3;

// A picture whose drawing the generic view does not know: a framed square.
QWidget* make_blank_picture(QWidget* parent, std::string_view name) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFixedSize(48, 48);
    return frame;
}

QWidget* make_widget(const Control& control, QWidget* parent) {
    std::string_view name = control.name().c_str();
    switch (control.kind()) {
    case ControlKind::label:
        return make_note(parent, name);
    case ControlKind::button:
        return make_button(parent, name);
    case ControlKind::picture:
        return make_blank_picture(parent, name);
    case ControlKind::text_box:
        return make_text_box(parent, name);
    case ControlKind::list:
        return make_list(parent, name);
    case ControlKind::option:
        return make_option(parent, name);
    case ControlKind::toggle:
        return make_switch(parent, name);
    case ControlKind::selector:
        return make_selector(parent, name);
    case ControlKind::progress:
        return make_progress(parent, name);
    case ControlKind::frame:
    case ControlKind::menu:
    case ControlKind::timer:
        break;
    }
    return nullptr;
}

} // namespace

ViewParts build_generic_view(const Form& form, QWidget& window) {
    ViewParts parts;
    parts.body = new QWidget(&window);
    auto* grid = new QGridLayout(parts.body);
    int row = 0;
    int column = 0;
    for (const auto& control : form.controls()) {
        std::string_view name = control->name().c_str();
        if (control->kind() == ControlKind::menu) {
            if (parts.menu_bar == nullptr) {
                parts.menu_bar = new QMenuBar(&window);
            }
            parts.menu_bar->addAction(QString())->setObjectName(QString::fromLatin1(name));
            continue;
        }
        if (control->kind() == ControlKind::frame) {
            row += column == 0 ? 0 : 1;
            QLabel* heading = make_label(parts.body, name);
            make_heading(*heading);
            grid->addWidget(heading, row++, 0, 1, columns);
            column = 0;
            continue;
        }
        QWidget* widget = make_widget(*control, parts.body);
        if (widget == nullptr) {
            continue;
        }
        grid->addWidget(widget, row, column);
        if (++column == columns) {
            column = 0;
            ++row;
        }
    }
    grid->setRowStretch(row + 1, 1);
    return parts;
}

} // namespace zqf::qt
