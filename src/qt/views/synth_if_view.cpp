// The IF planner: the two wanted frequencies, the buttons that load and step,
// and the counters they give.
#include "qt/views/view_kit.h"
#include "qt/views/views.h"

#include "core/windows/names/synth_if_controls.h"
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zqf::qt {

ViewParts build_synth_if_view(const Form&, QWidget& window) {
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);

    auto* wanted = new QGridLayout;
    wanted->addWidget(make_label(body, synth_if_controls::Label1), 0, 0);
    wanted->addWidget(make_text_box(body, synth_if_controls::Text1), 0, 1);
    wanted->addWidget(make_label(body, synth_if_controls::Label2), 1, 0);
    wanted->addWidget(make_text_box(body, synth_if_controls::Text2), 1, 1);
    column->addLayout(wanted);

    auto* middle = new QHBoxLayout;
    auto* actions = new QVBoxLayout;
    actions->addWidget(make_button(body, synth_if_controls::Command3));
    actions->addWidget(make_button(body, synth_if_controls::Command1));
    QGroupBox* jump = make_frame(body, synth_if_controls::Frame1);
    auto* jump_column = new QVBoxLayout(jump);
    jump_column->addWidget(make_button(jump, synth_if_controls::Command4));
    jump_column->addWidget(make_button(jump, synth_if_controls::Command5));
    actions->addWidget(jump);
    actions->addStretch();
    middle->addLayout(actions);

    auto* counters_frame = new QGroupBox(body);
    auto* counters = new QGridLayout(counters_frame);
    const std::pair<std::string_view, std::string_view> rows[] = {
        {synth_if_controls::Label7, synth_if_controls::Label3},
        {synth_if_controls::Label8, synth_if_controls::Label4},
        {synth_if_controls::Label9, synth_if_controls::Label5},
        {synth_if_controls::Label10, synth_if_controls::Label6}};
    int row = 0;
    for (const auto& [legend, value] : rows) {
        counters->addWidget(make_label(counters_frame, legend), row, 0);
        QLabel* figure = make_label(counters_frame, value);
        make_prominent(*figure, 1.15);
        figure->setMinimumWidth(70);
        counters->addWidget(figure, row++, 1);
    }
    middle->addWidget(counters_frame, 0, Qt::AlignTop);
    column->addLayout(middle);

    QLabel* note = make_note(body, synth_if_controls::Label11);
    note->setMinimumWidth(420);
    column->addWidget(note);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(make_button(body, synth_if_controls::Command2));
    column->addLayout(bottom);
    return {body, nullptr, {}};
}

} // namespace zqf::qt
