// The three exercisers: the frequency sweep, the lock-time hopper and the
// spurious-optimisation phase sweep. Each shows its entries, how far it has
// come, and its buttons; Start stays usable while a timer runs.
#include "qt/views/view_kit.h"
#include "qt/views/views.h"

#include "core/windows/names/lock_time_controls.h"
#include "core/windows/names/spur_opt_controls.h"
#include "core/windows/names/sweep_controls.h"
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

using Row = std::pair<std::string_view, std::string_view>;

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

QProgressBar* progress(QWidget* parent, std::string_view name) {
    QProgressBar* bar = make_progress(parent, name);
    bar->setMinimumWidth(note_width);
    make_heading(*bar);
    return bar;
}

QLabel* note(QWidget* parent, std::string_view name) {
    QLabel* label = make_note(parent, name);
    label->setMinimumWidth(note_width);
    return label;
}

} // namespace

ViewParts build_sweep_view(const Form&, QWidget& window) {
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);

    QGroupBox* span = make_frame(body, sweep_controls::Frame1);
    auto* span_row = new QHBoxLayout(span);
    for (const Row& row : {Row{sweep_controls::Label1, sweep_controls::Text1},
                           Row{sweep_controls::Label2, sweep_controls::Text3}}) {
        span_row->addWidget(make_label(span, row.first));
        QLineEdit* edit = make_text_box(span, row.second);
        edit->setFixedWidth(entry_width);
        span_row->addWidget(edit);
        span_row->addSpacing(12);
    }
    span_row->addStretch();
    column->addWidget(span);

    QGroupBox* rate = make_frame(body, sweep_controls::Frame2);
    auto* rate_row = new QHBoxLayout(rate);
    QLineEdit* rate_box = make_text_box(rate, sweep_controls::Text4);
    rate_box->setFixedWidth(entry_width);
    rate_row->addWidget(rate_box);
    rate_row->addSpacing(12);
    rate_row->addWidget(make_label(rate, sweep_controls::Label3));
    rate_row->addStretch();
    column->addWidget(rate);

    column->addWidget(progress(body, sweep_controls::sweep_progress));
    column->addLayout(make_button_row(
        body, {sweep_controls::Command3, sweep_controls::Command4, sweep_controls::Command2}));
    return {body, nullptr, {}};
}

ViewParts build_lock_time_view(const Form&, QWidget& window) {
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);
    column->addLayout(entry_rows(body, {{lock_time_controls::Label1, lock_time_controls::Text1},
                                        {lock_time_controls::Label2, lock_time_controls::Text2},
                                        {lock_time_controls::Label3, lock_time_controls::Text3}}));

    // What the hopper is doing, large enough to read from the bench.
    auto* readouts = new QGroupBox(body);
    auto* grid = new QGridLayout(readouts);
    int row = 0;
    for (const Row& readout : {Row{lock_time_controls::Label5, lock_time_controls::hop_frequency},
                               Row{lock_time_controls::Label6, lock_time_controls::hop_count}}) {
        grid->addWidget(make_label(readouts, readout.first), row, 0);
        QLabel* figure = make_label(readouts, readout.second);
        make_prominent(*figure, 1.3);
        figure->setMinimumWidth(120);
        grid->addWidget(figure, row++, 1);
    }
    grid->setColumnStretch(1, 1);
    column->addWidget(readouts);

    column->addWidget(note(body, lock_time_controls::Label4));
    column->addLayout(
        make_button_row(body, {lock_time_controls::Command1, lock_time_controls::Command3,
                               lock_time_controls::Command2}));
    return {body, nullptr, {}};
}

ViewParts build_spur_opt_view(const Form&, QWidget& window) {
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);
    column->addLayout(
        entry_rows(body, {{spur_opt_controls::Label1, spur_opt_controls::fvco_box},
                          {spur_opt_controls::Label2, spur_opt_controls::phase_value_box},
                          {spur_opt_controls::Label3, spur_opt_controls::sweep_rate_box}}));
    column->addWidget(progress(body, spur_opt_controls::phase_progress));
    column->addWidget(note(body, spur_opt_controls::Label4));
    // The sweep's pair above the channel pair, in columns of one width.
    auto* buttons = new QGridLayout;
    const std::pair<std::string_view, std::pair<int, int>> places[] = {
        {spur_opt_controls::Command1, {0, 0}}, {spur_opt_controls::Command2, {0, 1}},
        {spur_opt_controls::Command4, {1, 0}}, {spur_opt_controls::Command5, {1, 1}},
        {spur_opt_controls::Command3, {1, 3}},
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
