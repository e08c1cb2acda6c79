// The three exercisers: the frequency sweep, the lock-time hopper and the
// spurious-optimisation phase sweep. Each shows its entries, how far it has
// come, and its buttons; Start stays usable while a timer runs.
#include "qt/views/view_kit.h"
#include "qt/views/views.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace zqf::qt {

namespace {

// Room for fifteen significant digits, a point and a sign.
constexpr int entry_width = 150;
constexpr int note_width = 380;

using Row = std::pair<const char*, const char*>;

// Captions and their boxes, one row each.
QGridLayout* entry_rows(QWidget* parent, std::initializer_list<Row> rows) {
    auto* grid = new QGridLayout;
    int row = 0;
    for (const auto& [caption, box] : rows) {
        grid->addWidget(make_label(parent, caption), row, 0);
        QLineEdit* edit = make_text_box(parent, box);
        edit->setFixedWidth(entry_width);
        grid->addWidget(edit, row++, 1);
    }
    grid->setColumnStretch(2, 1);
    return grid;
}

QProgressBar* progress(QWidget* parent, const char* name) {
    QProgressBar* bar = make_progress(parent, name);
    bar->setMinimumWidth(note_width);
    make_heading(*bar);
    return bar;
}

QLabel* note(QWidget* parent, const char* name) {
    QLabel* label = make_note(parent, name);
    label->setMinimumWidth(note_width);
    return label;
}

} // namespace

ViewParts build_sweep_view(const Form&, QWidget& window) {
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);

    QGroupBox* span = make_frame(body, "Frame1");
    auto* span_row = new QHBoxLayout(span);
    for (const Row& row : {Row{"Label1", "Text1"}, Row{"Label2", "Text3"}}) {
        span_row->addWidget(make_label(span, row.first));
        QLineEdit* edit = make_text_box(span, row.second);
        edit->setFixedWidth(entry_width);
        span_row->addWidget(edit);
        span_row->addSpacing(12);
    }
    span_row->addStretch();
    column->addWidget(span);

    QGroupBox* rate = make_frame(body, "Frame2");
    auto* rate_row = new QHBoxLayout(rate);
    QLineEdit* rate_box = make_text_box(rate, "Text4");
    rate_box->setFixedWidth(entry_width);
    rate_row->addWidget(rate_box);
    rate_row->addSpacing(12);
    rate_row->addWidget(make_label(rate, "Label3"));
    rate_row->addStretch();
    column->addWidget(rate);

    column->addWidget(progress(body, "sweep_progress"));
    column->addLayout(make_button_row(body, {"Command3", "Command4", "Command2"}));
    return {body, nullptr, {}};
}

ViewParts build_lock_time_view(const Form&, QWidget& window) {
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);
    column->addLayout(
        entry_rows(body, {{"Label1", "Text1"}, {"Label2", "Text2"}, {"Label3", "Text3"}}));

    // What the hopper is doing, large enough to read from the bench.
    auto* readouts = new QGroupBox(body);
    auto* grid = new QGridLayout(readouts);
    int row = 0;
    for (const Row& readout : {Row{"Label5", "hop_frequency"}, Row{"Label6", "hop_count"}}) {
        grid->addWidget(make_label(readouts, readout.first), row, 0);
        QLabel* figure = make_label(readouts, readout.second);
        make_prominent(*figure, 1.3);
        figure->setMinimumWidth(120);
        grid->addWidget(figure, row++, 1);
    }
    grid->setColumnStretch(1, 1);
    column->addWidget(readouts);

    column->addWidget(note(body, "Label4"));
    column->addLayout(make_button_row(body, {"Command1", "Command3", "Command2"}));
    return {body, nullptr, {}};
}

ViewParts build_spur_opt_view(const Form&, QWidget& window) {
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);
    column->addLayout(entry_rows(
        body,
        {{"Label1", "fvco_box"}, {"Label2", "phase_value_box"}, {"Label3", "sweep_rate_box"}}));
    column->addWidget(progress(body, "phase_progress"));
    column->addWidget(note(body, "Label4"));
    // The sweep's pair above the channel pair, in columns of one width.
    auto* buttons = new QGridLayout;
    const std::pair<const char*, std::pair<int, int>> places[] = {
        {"Command1", {0, 0}}, {"Command2", {0, 1}}, {"Command4", {1, 0}},
        {"Command5", {1, 1}}, {"Command3", {1, 3}},
    };
    for (const auto& [name, place] : places) {
        QPushButton* button = make_button(body, name);
        button->setMinimumWidth(button_width);
        buttons->addWidget(button, place.first, place.second);
    }
    buttons->setColumnStretch(2, 1);
    buttons->setColumnMinimumWidth(2, 12);
    column->addLayout(buttons);
    return {body, nullptr, {}};
}

} // namespace zqf::qt
