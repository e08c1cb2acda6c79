// The frames of the main window: the RF section, the IF section and its
// settings, and the settings the two sections share. Which of them a device
// shows is the model's set-up; a hidden frame hides all it holds.
#include "qt/views/main_view_parts.h"
#include "qt/views/view_kit.h"
#include "qt/widgets/option_widget.h"
#include "qt/widgets/packed_grid_layout.h"
#include "qt/widgets/switch_button.h"

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
void add_readout(QGridLayout* grid, QWidget* parent, int row, int column, const char* caption,
                 const char* value, double scale = 1.1) {
    grid->addWidget(make_label(parent, caption), row, column);
    QLabel* figure = make_label(parent, value);
    make_prominent(*figure, scale);
    grid->addWidget(figure, row, column + 1);
}

// A figure with its unit beside it ("5.0000 mA").
QWidget* figure_with_unit(QWidget* parent, const char* value, const char* unit) {
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
                               std::initializer_list<const char*> names) {
    auto* grid = new PackedGridLayout(columns);
    for (const char* name : names) {
        grid->addWidget(make_switch(parent, name));
    }
    return grid;
}

QGridLayout* rf_readouts(QGroupBox* rf, std::vector<VisibleWhile>& follow) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    add_readout(grid, rf, 0, 0, "Label1", "vcofreq", 1.35);
    add_readout(grid, rf, 1, 0, "Label2", "ref_freq");
    add_readout(grid, rf, 2, 0, "Label29", "crystal");
    add_readout(grid, rf, 3, 0, "Label11", "modulus");
    add_readout(grid, rf, 4, 0, "Label12", "fraclabel");
    grid->setColumnMinimumWidth(2, 16);

    grid->addWidget(make_label(rf, "Label42"), 0, 3);
    QLabel* prescale = make_label(rf, "prescale");
    make_prominent(*prescale, 1.1);
    QHBoxLayout* prescaler = packed_row({make_list(rf, "Combo4"), prescale});
    prescaler->setSpacing(10);
    grid->addLayout(prescaler, 0, 4);

    QWidget* resync = wrap(rf, make_label(rf, "Label41"));
    follow.push_back({resync, "Combo1"});
    grid->addWidget(resync, 1, 3);
    grid->addWidget(make_list(rf, "Combo1"), 1, 4, Qt::AlignLeft);

    // The muxout name read-out beside the list of the device's family.
    QLabel* muxout = make_label(rf, "Label5");
    make_prominent(*muxout, 1.0);
    grid->addWidget(muxout, 2, 3);
    grid->addLayout(packed_row({make_list(rf, "Combo8"), make_list(rf, "Combo11")}), 2, 4);

    grid->addWidget(make_label(rf, "Label6"), 3, 3);
    grid->addWidget(figure_with_unit(rf, "currentsetting2", "Label4"), 3, 4);

    QWidget* divider_mode = wrap(rf, make_label(rf, "clock_divider_mode_label"));
    follow.push_back({divider_mode, "Combo10"});
    grid->addWidget(divider_mode, 4, 3);
    grid->addWidget(make_list(rf, "Combo10"), 4, 4, Qt::AlignLeft);

    QWidget* powerdown = wrap(rf, make_label(rf, "Label10"));
    follow.push_back({powerdown, "Toggle15"});
    grid->addWidget(powerdown, 5, 3);
    grid->addWidget(make_switch(rf, "Toggle15"), 5, 4, Qt::AlignLeft);
    grid->setColumnStretch(5, 1);
    return grid;
}

QGroupBox* phase_register(QWidget* parent) {
    QGroupBox* frame = make_frame(parent, "phase_reg_frame");
    auto* row = new QHBoxLayout(frame);
    row->addWidget(make_label(frame, "phase_label"));
    QLineEdit* phase = make_text_box(frame, "phase_reg_textbox");
    phase->setMaximumWidth(110);
    row->addWidget(phase);
    row->addWidget(make_switch(frame, "Toggle36"));
    row->addSpacing(16);
    row->addWidget(make_label(frame, "clock_divider_value_label"));
    QLineEdit* divider = make_text_box(frame, "clock_divider_value_textbox");
    divider->setMaximumWidth(110);
    row->addWidget(divider);
    row->addStretch();
    return frame;
}

} // namespace

QGroupBox* build_rf_section(QWidget* parent, std::vector<VisibleWhile>& follow) {
    QGroupBox* rf = make_frame(parent, "Frame2");
    auto* column = new QVBoxLayout(rf);
    column->addLayout(rf_readouts(rf, follow));
    column->addSpacing(4);

    PackedGridLayout* switches =
        add_switches(rf, 3,
                     {"Toggle1", "Toggle5", "Toggle9", "Toggle7", "Toggle8", "Toggle31", "Toggle11",
                      "Toggle12", "Toggle13", "Toggle16", "Toggle32"});
    column->addLayout(switches);

    column->addLayout(packed_row(
        {make_option(rf, "Option1"), make_option(rf, "Option2"), make_option(rf, "Option3")}));
    column->addWidget(phase_register(rf));

    // The test lists the hidden double click on the picture brings out.
    for (const char* list : {"Combo2", "Combo3", "Combo12", "Combo13"}) {
        QComboBox* tests = make_list(rf, list);
        tests->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        tests->setMinimumContentsLength(40);
        column->addWidget(tests);
    }
    column->addLayout(add_switches(rf, 3, {"dec_sel_toggle"}));
    return rf;
}

QWidget* build_if_sections(QWidget* parent, std::vector<VisibleWhile>& follow) {
    auto* holder = new QWidget(parent);
    auto* column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 0);

    QGroupBox* section = make_frame(holder, "Frame4");
    auto* readouts = new QGridLayout(section);
    readouts->setHorizontalSpacing(10);
    add_readout(readouts, section, 0, 0, "Label36", "ifvcofreq", 1.35);
    add_readout(readouts, section, 1, 0, "Label37", "ifref_freq");
    add_readout(readouts, section, 2, 0, "Label38", "crystalIF");
    readouts->addWidget(make_label(section, "Label7"), 3, 0);
    readouts->addWidget(figure_with_unit(section, "currentsetting1", "Label30"), 3, 1);
    readouts->setColumnStretch(2, 1);
    column->addWidget(section);

    QGroupBox* settings = make_frame(holder, "Frame5");
    auto* settings_column = new QVBoxLayout(settings);
    settings_column->addLayout(
        packed_row({make_label(settings, "if_prescaler_label"), make_list(settings, "Combo5")}));
    settings_column->addLayout(add_switches(
        settings, 2,
        {"Toggle2", "Toggle6", "Toggle3", "Toggle4", "Toggle14", "Toggle27", "Toggle28"}));
    QWidget* caption = wrap(settings, make_label(settings, "Label16"));
    follow.push_back({caption, "Toggle34"});
    settings_column->addLayout(packed_row({caption, make_switch(settings, "Toggle34")}));
    column->addWidget(settings);
    return holder;
}

QWidget* build_common_sections(QWidget* parent, std::vector<VisibleWhile>& follow) {
    auto* holder = new QWidget(parent);
    auto* column = new QVBoxLayout(holder);
    column->setContentsMargins(0, 0, 0, 0);

    QGroupBox* shared = make_frame(holder, "Frame13");
    auto* shared_column = new QVBoxLayout(shared);
    QWidget* caption = wrap(shared, make_label(shared, "Label13"));
    follow.push_back({caption, "Combo6"});
    shared_column->addLayout(packed_row({caption, make_list(shared, "Combo6")}));
    shared_column->addLayout(
        packed_row({make_list(shared, "Combo9"), make_list(shared, "Combo7")}));
    shared_column->addLayout(add_switches(shared, 2, {"Toggle33", "Toggle10"}));
    column->addWidget(shared);

    QGroupBox* bleed = make_frame(holder, "Frame6");
    new QHBoxLayout(bleed);
    bleed->layout()->addWidget(make_switch(bleed, "Toggle17"));
    bleed->layout()->addWidget(make_switch(bleed, "Toggle18"));
    column->addWidget(bleed);

    QGroupBox* spare = make_frame(holder, "Frame14");
    new QHBoxLayout(spare);
    spare->layout()->addWidget(make_switch(spare, "Toggle35"));
    column->addWidget(spare);
    return holder;
}

QWidget* build_tool_buttons(QWidget* parent) {
    auto* holder = new QWidget(parent);
    auto* strip = new PackedGridLayout(7, holder);
    strip->setContentsMargins(0, 0, 0, 0);
    strip->set_uniform_columns(false);
    // Planning and register detail first, then the exercisers and saving.
    for (const char* name :
         {"Command13", "Command1", "Command2", "Command4", "Command6", "Command3", "Command10",
          "Command5", "Command7", "Command9", "Command11", "command14", "Command12"}) {
        strip->addWidget(make_button(holder, name));
    }
    return holder;
}

QWidget* build_main_header(QWidget* parent) {
    auto* header = new QWidget(parent);
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(2, 4, 2, 2);
    row->addWidget(make_picture(header, "Picture1", QStringLiteral(":/zqfeval/icon.svg"), 34, 34));
    QLabel* device = make_label(header, "Device");
    make_prominent(*device, 1.6);
    row->addWidget(device);
    row->addSpacing(16);
    QLabel* mode = make_label(header, "testmode");
    make_prominent(*mode, 1.0);
    row->addWidget(mode);
    row->addStretch();
    row->addWidget(make_switch(header, "usb_display_toggle"));
    return header;
}

} // namespace zqf::qt
