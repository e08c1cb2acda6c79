// The auxiliary windows of the main panel: the RF and IF test modes, the
// charge-pump current windows with their rotary selector, powerdown and the
// direct divider entry.
#include "qt/views/view_kit.h"
#include "qt/views/views.h"
#include "qt/widgets/option_widget.h"
#include "qt/widgets/rotary_knob.h"
#include "qt/widgets/switch_button.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "core/windows/names/current_controls.h"
#include "core/windows/names/dual_mux_controls.h"
#include "core/windows/names/dual_power_controls.h"
#include "core/windows/names/test_mode_controls.h"
#include <array>
#include <utility>

namespace zqf::qt {

namespace {

QPushButton* make_load_and_close(QWidget* parent) {
    QPushButton* button = make_button(parent, test_mode_controls::Command1);
    button->setIcon(parent->style()->standardIcon(QStyle::SP_DialogOkButton));
    button->setMinimumWidth(button_width / 2);
    return button;
}

// Load Now, Cancel and the captionless load-and-close button.
QHBoxLayout* load_buttons(QWidget* parent) {
    QHBoxLayout* row =
        make_button_row(parent, {test_mode_controls::Command3, test_mode_controls::Command2});
    row->insertWidget(1, make_load_and_close(parent));
    return row;
}

// The 32 modes in two columns of three groups each, grouped as their captions
// run: the first eight outputs, the same with the test mux on the data pin,
// the bleed widths, the charge-pump forcing, the modulator and mux settings,
// and the bias and delay settings.
using Group = std::pair<int, int>; // first and last option number
constexpr std::array<std::array<Group, 3>, 2> mode_columns{{
    {{{1, 8}, {17, 19}, {20, 23}}},
    {{{9, 16}, {24, 29}, {30, 32}}},
}};

ViewParts build_test_mode_view(QWidget& window) {
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);
    auto* columns = new QHBoxLayout;
    for (const auto& groups : mode_columns) {
        auto* stack = new QVBoxLayout;
        for (const auto& [first, last] : groups) {
            auto* group = new QGroupBox(body);
            auto* options = new QVBoxLayout(group);
            options->setSpacing(2);
            for (int k = first; k <= last; ++k) {
                const QByteArray name = "Option" + QByteArray::number(k);
                // As wide as its caption: a click beside the text selects nothing.
                options->addWidget(make_option(group, name.constData()), 0, Qt::AlignLeft);
            }
            stack->addWidget(group);
        }
        stack->addStretch();
        columns->addLayout(stack);
    }
    column->addLayout(columns);
    column->addLayout(load_buttons(body));
    return {body, nullptr, {}};
}

} // namespace

ViewParts build_test_view(const Form&, QWidget& window) {
    return build_test_mode_view(window);
}

ViewParts build_if_test_view(const Form&, QWidget& window) {
    return build_test_mode_view(window);
}

ViewParts build_current_view(const Form& form, QWidget& window) {
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);

    QGroupBox* frame = make_frame(body, current_controls::Frame1);
    auto* resistor = new QVBoxLayout(frame);
    auto* entry = new QHBoxLayout;
    entry->addWidget(make_label(frame, current_controls::Label2));
    QLineEdit* ohms = make_text_box(frame, current_controls::Text2);
    ohms->setMaximumWidth(100);
    entry->addWidget(ohms);
    entry->addWidget(make_label(frame, current_controls::ohms_label));
    entry->addStretch();
    resistor->addLayout(entry);
    QLabel* hint = make_note(frame, current_controls::Label1);
    hint->setMinimumWidth(300);
    resistor->addWidget(hint);
    column->addWidget(frame);

    column->addWidget(make_label(body, current_controls::Label3));
    auto* knob_row = new QHBoxLayout;
    knob_row->addStretch();
    knob_row->addWidget(make_selector(body, current_controls::Selector1));
    knob_row->addStretch();
    column->addLayout(knob_row);
    if (form.find(current_controls::Toggle1) != nullptr) {
        auto* switch_row = new QHBoxLayout;
        switch_row->addStretch();
        switch_row->addWidget(make_switch(body, current_controls::Toggle1));
        switch_row->addStretch();
        column->addLayout(switch_row);
    }
    column->addLayout(
        make_button_row(body, {current_controls::Command3, current_controls::Command2}));
    return {body, nullptr, {}};
}

ViewParts build_dual_power_view(const Form&, QWidget& window) {
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);
    const std::array<std::array<std::string_view, 3>, 3> frames{{
        {dual_power_controls::Frame1, dual_power_controls::Option1, dual_power_controls::Option2},
        {dual_power_controls::Frame2, dual_power_controls::Option3, dual_power_controls::Option4},
        {dual_power_controls::Frame3, dual_power_controls::Option5, dual_power_controls::Option6},
    }};
    for (const auto& [name, normal, powerdown] : frames) {
        QGroupBox* frame = make_frame(body, name);
        auto* options = new QVBoxLayout(frame);
        options->addWidget(make_option(frame, normal), 0, Qt::AlignLeft);
        options->addWidget(make_option(frame, powerdown), 0, Qt::AlignLeft);
        column->addWidget(frame);
    }
    column->addLayout(load_buttons(body));
    return {body, nullptr, {}};
}

ViewParts build_dual_mux_view(const Form&, QWidget& window) {
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);
    auto* grid = new QGridLayout;
    const std::array<std::pair<std::string_view, std::string_view>, 4> rows{
        {{dual_mux_controls::Label1, dual_mux_controls::Text1},
         {dual_mux_controls::Label2, dual_mux_controls::Text2},
         {dual_mux_controls::Label3, dual_mux_controls::Text3},
         {dual_mux_controls::Label4, dual_mux_controls::Text4}}};
    int row = 0;
    for (const auto& [caption, box] : rows) {
        grid->addWidget(make_label(body, caption), row, 0);
        QLineEdit* edit = make_text_box(body, box);
        edit->setMinimumWidth(120);
        grid->addWidget(edit, row++, 1);
    }
    column->addLayout(grid);
    column->addLayout(load_buttons(body));
    return {body, nullptr, {}};
}

} // namespace zqf::qt
