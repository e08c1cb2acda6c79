// The main control panel: the header with the device, a strip of buttons to
// the other windows, the RF section with the settings both sections share
// beneath it, the IF section beside it, and at the bottom the register table
// beside the update indicators.
#include "core/windows/main_form.h"
#include "qt/views/main_view_parts.h"
#include "qt/views/views.h"

#include "core/windows/names/main_controls.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace zqf::qt {

ViewParts build_main_view(const Form& form, QWidget& window) {
    ViewParts parts;
    parts.scrolls = true;
    parts.menu_bar = build_main_menus(window);
    parts.footer = build_status_line(dynamic_cast<const MainForm&>(form), window);
    parts.body = new QWidget(&window);
    auto* column = new QVBoxLayout(parts.body);
    column->setContentsMargins(4, 0, 4, 4);
    column->addWidget(build_main_header(parts.body));
    column->addWidget(build_tool_buttons(parts.body));

    // A wider window widens the frames, the two columns by the same share;
    // a hidden IF section takes none.
    const auto widens = [](QWidget* frame) {
        frame->setSizePolicy(QSizePolicy::Expanding, frame->sizePolicy().verticalPolicy());
        return frame;
    };
    auto* sections = new QHBoxLayout;
    auto* rf_column = new QVBoxLayout;
    rf_column->addWidget(widens(build_rf_section(parts.body, parts.follow)));
    rf_column->addWidget(build_common_sections(parts.body, parts.follow));
    rf_column->addStretch();
    sections->addLayout(rf_column);
    auto* if_column = new QVBoxLayout;
    QWidget* if_sections = widens(build_if_sections(parts.body, parts.follow));
    parts.follow.push_back({if_sections, main_controls::Frame4.str()});
    if_column->addWidget(if_sections);
    if_column->addStretch();
    sections->addLayout(if_column);
    column->addLayout(sections);
    column->addStretch();

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(build_register_table(parts.body, parts.follow), 0, Qt::AlignBottom);
    bottom->addStretch();
    bottom->addWidget(build_update_indicators(parts.body), 0, Qt::AlignBottom);
    bottom->addStretch();
    column->addLayout(bottom);
    return parts;
}

QWidget* wrap(QWidget* parent, QWidget* inner) {
    auto* wrapper = new QWidget(parent);
    auto* row = new QHBoxLayout(wrapper);
    row->setContentsMargins(0, 0, 0, 0);
    inner->setParent(wrapper);
    row->addWidget(inner);
    return wrapper;
}

} // namespace zqf::qt
