// The RF planner: the entries, the reference path with its two switches, the
// results, the buttons that plan and step, and the notes on the two modes.
#include "qt/views/view_kit.h"
#include "qt/views/views.h"
#include "qt/widgets/switch_button.h"

#include "core/windows/names/synth_controls.h"
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zqf::qt {

namespace {

constexpr int entry_width = 150;
constexpr int note_width = 420;

QGridLayout* entries(QWidget* parent) {
    auto* grid = new QGridLayout;
    const std::pair<std::string_view, std::string_view> rows[] = {
        {synth_controls::Label1, synth_controls::Text1},
        {synth_controls::Label2, synth_controls::Text4},
        {synth_controls::Label3, synth_controls::Text5},
        {synth_controls::Label12, synth_controls::Text3},
        {synth_controls::Label4, synth_controls::Text2},
    };
    int row = 0;
    for (const auto& [caption, box] : rows) {
        grid->addWidget(make_label(parent, caption), row, 0);
        QLineEdit* edit = make_text_box(parent, box);
        edit->setFixedWidth(entry_width);
        grid->addWidget(edit, row++, 1);
    }
    return grid;
}

// Each switch with the label that says what it is set to.
QGroupBox* reference_path(QWidget* parent) {
    auto* frame = new QGroupBox(parent);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(make_switch(frame, synth_controls::Toggle1), 0, 0);
    grid->addWidget(make_label(frame, synth_controls::Label29), 0, 1);
    grid->addWidget(make_switch(frame, synth_controls::Toggle2), 1, 0);
    grid->addWidget(make_label(frame, synth_controls::Label7), 1, 1);
    grid->addWidget(make_label(frame, synth_controls::Label13), 2, 0, 1, 2);
    grid->addWidget(make_label(frame, synth_controls::Label14), 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return frame;
}

QGroupBox* results(QWidget* parent) {
    auto* frame = new QGroupBox(parent);
    auto* grid = new QGridLayout(frame);
    const std::pair<std::string_view, std::string_view> rows[] = {
        {synth_controls::Label5, synth_controls::Label25},
        {synth_controls::Label6, synth_controls::Label24},
        {synth_controls::Label8, synth_controls::Label23},
        {synth_controls::Label9, synth_controls::Label22},
        {synth_controls::Label10, synth_controls::Label27},
        {synth_controls::Label11, synth_controls::Label17},
    };
    int row = 0;
    for (const auto& [legend, value] : rows) {
        grid->addWidget(make_label(frame, legend), row, 0);
        QLabel* figure = make_label(frame, value);
        make_prominent(*figure, 1.1);
        figure->setMinimumWidth(140);
        grid->addWidget(figure, row++, 1);
    }
    return frame;
}

QVBoxLayout* buttons(QWidget* parent) {
    auto* column = new QVBoxLayout;
    for (std::string_view name : {synth_controls::Command3, synth_controls::Command8}) {
        QPushButton* button = make_button(parent, name);
        make_heading(*button);
        column->addWidget(button);
    }
    column->addSpacing(6);
    for (std::string_view name : {synth_controls::Command11, synth_controls::Command10,
                                  synth_controls::Command4, synth_controls::Command5}) {
        column->addWidget(make_button(parent, name));
    }
    column->addSpacing(6);
    auto* row = new QHBoxLayout;
    row->addWidget(make_button(parent, synth_controls::Command6));
    row->addWidget(make_button(parent, synth_controls::Command7));
    row->addStretch();
    column->addLayout(row);
    column->addStretch();
    return column;
}

// A square of the colour a legend entry names.
QFrame* swatch(QWidget* parent, const QColor& colour) {
    auto* square = new QFrame(parent);
    square->setFrameShape(QFrame::Box);
    square->setFixedSize(14, 14);
    square->setAutoFillBackground(true);
    QPalette palette = square->palette();
    palette.setColor(QPalette::Window, colour);
    square->setPalette(palette);
    return square;
}

QHBoxLayout* legend(QWidget* parent) {
    auto* row = new QHBoxLayout;
    QLabel* title = make_label(parent, synth_controls::Label15);
    make_heading(*title);
    row->addWidget(title);
    const std::pair<std::string_view, QColor> entries[] = {
        {synth_controls::Label16, QColor(Qt::white)},
        {synth_controls::Label18, QColor(192, 192, 255)},
        {synth_controls::Label19, QColor(0, 0, 255)},
    };
    for (const auto& [name, colour] : entries) {
        row->addSpacing(10);
        row->addWidget(swatch(parent, colour));
        row->addWidget(make_label(parent, name));
    }
    row->addStretch();
    return row;
}

} // namespace

ViewParts build_synth_view(const Form&, QWidget& window) {
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);

    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(entries(body));
    left->addWidget(reference_path(body));
    left->addWidget(results(body));
    left->addStretch();
    top->addLayout(left);
    top->addSpacing(12);
    top->addLayout(buttons(body));
    column->addLayout(top);

    column->addLayout(legend(body));
    for (std::string_view name : {synth_controls::Label20, synth_controls::Label21}) {
        QLabel* note = make_note(body, name);
        note->setMinimumWidth(note_width);
        column->addWidget(note);
    }
    auto* bottom = new QHBoxLayout;
    // What was written, where it is not what was asked for: beside Exit, so
    // its coming and going never moves the window's layout.
    QLabel* grid_note = make_note(body, synth_controls::grid_note);
    make_heading(*grid_note);
    grid_note->setStyleSheet(QStringLiteral("color: %1").arg(warning_text_colour.name()));
    grid_note->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    bottom->addWidget(grid_note, 1);
    QPushButton* exit = make_button(body, synth_controls::Command2);
    exit->setMinimumWidth(96);
    bottom->addWidget(exit);
    column->addLayout(bottom);
    return {body, nullptr, {}};
}

} // namespace zqf::qt
