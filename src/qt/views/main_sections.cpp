// The frames of the main window: the RF section, the IF section and its
// settings, and the settings the two sections share. Which of them a device
// shows is the model's set-up; a hidden frame hides all it holds.
#include "qt/views/main_view_parts.h"
#include "qt/views/view_kit.h"
#include "qt/widgets/option_widget.h"
#include "qt/widgets/packed_grid_layout.h"
#include "qt/widgets/switch_button.h"

#include "core/windows/names/main_controls.h"
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zqf::qt {

namespace {

// A read-out: a caption and the figure it names, the figure prominent.
void add_readout(QGridLayout* grid, QWidget* parent, int row, int column, std::string_view caption,
                 std::string_view value, double scale = 1.1) {
    grid->addWidget(make_label(parent, caption), row, column);
    QLabel* figure = make_label(parent, value);
    make_prominent(*figure, scale);
    grid->addWidget(figure, row, column + 1);
}

// A figure with its unit beside it ("5.0000 mA").
QWidget* figure_with_unit(QWidget* parent, std::string_view value, std::string_view unit) {
    auto* cell = new QWidget(parent);
    auto* row = new QHBoxLayout(cell);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(4);
    QLabel* figure = make_label(cell, value);
    make_prominent(*figure, 1.1);
    row->addWidget(figure);
    row->addWidget(make_label(cell, unit));
    row->addStretch();
    return cell;
}

// Widgets side by side from the left, the rest of the row left empty.
QHBoxLayout* packed_row(std::initializer_list<QWidget*> widgets) {
    auto* row = new QHBoxLayout;
    for (QWidget* widget : widgets) {
        row->addWidget(widget);
    }
    row->addStretch();
    return row;
}

PackedGridLayout* add_switches(QWidget* parent, int columns,
                               std::initializer_list<std::string_view> names) {
    auto* grid = new PackedGridLayout(columns);
    for (std::string_view name : names) {
        grid->addWidget(make_switch(parent, name));
    }
    return grid;
}

QGridLayout* rf_readouts(QGroupBox* rf, std::vector<VisibleWhile>& follow) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    add_readout(grid, rf, 0, 0, main_controls::Label1, main_controls::vcofreq, 1.35);
    add_readout(grid, rf, 1, 0, main_controls::Label2, main_controls::ref_freq);
    add_readout(grid, rf, 2, 0, main_controls::Label29, main_controls::crystal);
    add_readout(grid, rf, 3, 0, main_controls::Label11, main_controls::modulus);
    add_readout(grid, rf, 4, 0, main_controls::Label12, main_controls::fraclabel);
    grid->setColumnMinimumWidth(2, 16);

    grid->addWidget(make_label(rf, main_controls::Label42), 0, 3);
    QLabel* prescale = make_label(rf, main_controls::prescale);
    make_prominent(*prescale, 1.1);
    QHBoxLayout* prescaler = packed_row({make_list(rf, main_controls::Combo4), prescale});
    prescaler->setSpacing(10);
    grid->addLayout(prescaler, 0, 4);

    QWidget* resync = wrap(rf, make_label(rf, main_controls::Label41));
    follow.push_back({resync, main_controls::Combo1.str()});
    grid->addWidget(resync, 1, 3);
    grid->addWidget(make_list(rf, main_controls::Combo1), 1, 4, Qt::AlignLeft);

    // The muxout name read-out beside the list of the device's family.
    QLabel* muxout = make_label(rf, main_controls::Label5);
    make_prominent(*muxout, 1.0);
    grid->addWidget(muxout, 2, 3);
    grid->addLayout(
        packed_row({make_list(rf, main_controls::Combo8), make_list(rf, main_controls::Combo11)}),
        2, 4);

    grid->addWidget(make_label(rf, main_controls::Label6), 3, 3);
    grid->addWidget(figure_with_unit(rf, main_controls::currentsetting2, main_controls::Label4), 3,
                    4);

    QWidget* divider_mode = wrap(rf, make_label(rf, main_controls::clock_divider_mode_label));
    follow.push_back({divider_mode, main_controls::Combo10.str()});
    grid->addWidget(divider_mode, 4, 3);
    grid->addWidget(make_list(rf, main_controls::Combo10), 4, 4, Qt::AlignLeft);

    QWidget* powerdown = wrap(rf, make_label(rf, main_controls::Label10));
    follow.push_back({powerdown, main_controls::Toggle15.str()});
    grid->addWidget(powerdown, 5, 3);
    grid->addWidget(make_switch(rf, main_controls::Toggle15), 5, 4, Qt::AlignLeft);
    grid->setColumnStretch(5, 1);
    return grid;
}

QGroupBox* phase_register(QWidget* parent) {
    QGroupBox* frame = make_frame(parent, main_controls::phase_reg_frame);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(make_label(frame, main_controls::phase_label));
    QLineEdit* phase = make_text_box(frame, main_controls::phase_reg_textbox);
    phase->setMaximumWidth(110);
    row->addWidget(phase);
    row->addWidget(make_switch(frame, main_controls::Toggle36));
    row->addSpacing(16);
    row->addWidget(make_label(frame, main_controls::clock_divider_value_label));
    QLineEdit* divider = make_text_box(frame, main_controls::clock_divider_value_textbox);
    divider->setMaximumWidth(110);
    row->addWidget(divider);
    row->addStretch();
    return frame;
}

} // namespace

QGroupBox* build_rf_section(QWidget* parent, std::vector<VisibleWhile>& follow) {
    QGroupBox* rf = make_frame(parent, main_controls::Frame2);
    auto* column = new QVBoxLayout(rf);
    column->addLayout(rf_readouts(rf, follow));
    column->addSpacing(4);

    PackedGridLayout* switches =
        add_switches(rf, 3,
                     {main_controls::Toggle1, main_controls::Toggle5, main_controls::Toggle9,
                      main_controls::Toggle7, main_controls::Toggle8, main_controls::Toggle31,
                      main_controls::Toggle11, main_controls::Toggle12, main_controls::Toggle13,
                      main_controls::Toggle16, main_controls::Toggle32});
    column->addLayout(switches);

    column->addLayout(packed_row({make_option(rf, main_controls::Option1),
                                  make_option(rf, main_controls::Option2),
                                  make_option(rf, main_controls::Option3)}));
    column->addWidget(phase_register(rf));

    // The test lists the hidden double click on the picture brings out.
    for (std::string_view list : {main_controls::Combo2, main_controls::Combo3,
                                  main_controls::Combo12, main_controls::Combo13}) {
        QComboBox* tests = make_list(rf, list);
        tests->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        tests->setMinimumContentsLength(40);
        column->addWidget(tests);
    }
    column->addLayout(add_switches(rf, 3, {main_controls::dec_sel_toggle}));
    return rf;
}

QWidget* build_if_sections(QWidget* parent, std::vector<VisibleWhile>& follow) {
    auto* holder = new QWidget(parent);
    auto* column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 0);

    QGroupBox* section = make_frame(holder, main_controls::Frame4);
    auto* readouts = new QGridLayout(section);
    readouts->setHorizontalSpacing(10);
    add_readout(readouts, section, 0, 0, main_controls::Label36, main_controls::ifvcofreq, 1.35);
    add_readout(readouts, section, 1, 0, main_controls::Label37, main_controls::ifref_freq);
    add_readout(readouts, section, 2, 0, main_controls::Label38, main_controls::crystalIF);
    readouts->addWidget(make_label(section, main_controls::Label7), 3, 0);
    readouts->addWidget(
        figure_with_unit(section, main_controls::currentsetting1, main_controls::Label30), 3, 1);
    readouts->setColumnStretch(2, 1);
    column->addWidget(section);

    QGroupBox* settings = make_frame(holder, main_controls::Frame5);
    auto* settings_column = new QVBoxLayout(settings);
    settings_column->addLayout(packed_row({make_label(settings, main_controls::if_prescaler_label),
                                           make_list(settings, main_controls::Combo5)}));
    settings_column->addLayout(
        add_switches(settings, 2,
                     {main_controls::Toggle2, main_controls::Toggle6, main_controls::Toggle3,
                      main_controls::Toggle4, main_controls::Toggle14, main_controls::Toggle27,
                      main_controls::Toggle28}));
    QWidget* caption = wrap(settings, make_label(settings, main_controls::Label16));
    follow.push_back({caption, main_controls::Toggle34.str()});
    settings_column->addLayout(
        packed_row({caption, make_switch(settings, main_controls::Toggle34)}));
    column->addWidget(settings);
    return holder;
}

QWidget* build_common_sections(QWidget* parent, std::vector<VisibleWhile>& follow) {
    auto* holder = new QWidget(parent);
    auto* column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 0);

    QGroupBox* shared = make_frame(holder, main_controls::Frame13);
    auto* shared_column = new QVBoxLayout(shared);
    QWidget* caption = wrap(shared, make_label(shared, main_controls::Label13));
    follow.push_back({caption, main_controls::Combo6.str()});
    shared_column->addLayout(packed_row({caption, make_list(shared, main_controls::Combo6)}));
    shared_column->addLayout(packed_row(
        {make_list(shared, main_controls::Combo9), make_list(shared, main_controls::Combo7)}));
    shared_column->addLayout(
        add_switches(shared, 2, {main_controls::Toggle33, main_controls::Toggle10}));
    column->addWidget(shared);

    QGroupBox* bleed = make_frame(holder, main_controls::Frame6);
    new QHBoxLayout(bleed);
    bleed->layout()->addWidget(make_switch(bleed, main_controls::Toggle17));
    bleed->layout()->addWidget(make_switch(bleed, main_controls::Toggle18));
    column->addWidget(bleed);

    QGroupBox* spare = make_frame(holder, main_controls::Frame14);
    new QHBoxLayout(spare);
    spare->layout()->addWidget(make_switch(spare, main_controls::Toggle35));
    column->addWidget(spare);
    return holder;
}

QWidget* build_tool_buttons(QWidget* parent) {
    auto* holder = new QWidget(parent);
    auto* strip = new PackedGridLayout(7, holder);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->set_uniform_columns(false);
    // Planning and register detail first, then the exercisers and saving.
    for (std::string_view name :
         {main_controls::Command13, main_controls::Command1, main_controls::Command2,
          main_controls::Command4, main_controls::Command6, main_controls::Command3,
          main_controls::Command10, main_controls::Command5, main_controls::Command7,
          main_controls::Command9, main_controls::Command11, main_controls::command14,
          main_controls::Command12}) {
        strip->addWidget(make_button(holder, name));
    }
    return holder;
}

QWidget* build_main_header(QWidget* parent) {
    auto* header = new QWidget(parent);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(2, 4, 2, 2);
    row->addWidget(make_picture(header, main_controls::Picture1,
                                QStringLiteral(":/zqfeval/icon.svg"), 34, 34));
    QLabel* device = make_label(header, main_controls::Device);
    make_prominent(*device, 1.6);
    row->addWidget(device);
    row->addSpacing(16);
    QLabel* mode = make_label(header, main_controls::testmode);
    make_prominent(*mode, 1.0);
    row->addWidget(mode);
    row->addStretch();
    row->addWidget(make_switch(header, main_controls::usb_display_toggle));
    return header;
}

} // namespace zqf::qt
