// The windows that explain: where to turn without a parallel port, how the
// program writes the chip, and which version this is.
#include "qt/views/view_kit.h"
#include "qt/views/views.h"

#include "core/windows/names/about_controls.h"
#include "core/windows/names/comms_help_controls.h"
#include "core/windows/names/help_controls.h"
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zqf::qt {

namespace {

constexpr int text_width = 460;

QLabel* add_note(QWidget* parent, QVBoxLayout* column, std::string_view name) {
    QLabel* note = make_note(parent, name);
    note->setMinimumWidth(text_width);
    column->addWidget(note);
    return note;
}

void add_closing_button(QWidget* parent, QVBoxLayout* column, std::string_view name) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    QPushButton* button = make_button(parent, name);
    button->setAutoDefault(true);
    button->setDefault(true);
    button->setMinimumWidth(96);
    row->addWidget(button);
    column->addLayout(row);
}

} // namespace

ViewParts build_comms_help_view(const Form&, QWidget& window) {
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);
    QGroupBox* frame = make_frame(body, comms_help_controls::Frame1);
    auto* notes = new QVBoxLayout(frame);
    add_note(frame, notes, comms_help_controls::Label4);
    add_note(frame, notes, comms_help_controls::Label3);
    column->addWidget(frame);
    add_closing_button(body, column, comms_help_controls::Command1);
    ViewParts parts{body, nullptr, {}};
    // Not a dialog (the start window stays usable beside it), yet Escape closes it.
    parts.escape_closes = true;
    return parts;
}

ViewParts build_help_view(const Form&, QWidget& window) {
    auto* body = new QWidget(&window);
    auto* column = new QVBoxLayout(body);
    for (std::string_view name :
         {help_controls::Label1, help_controls::Label2, help_controls::Label3,
          help_controls::Label4, help_controls::Label5, help_controls::Label6,
          help_controls::Label7, help_controls::Label8, help_controls::Label9,
          help_controls::Label10, help_controls::Label11}) {
        // The title and the two family names head their paragraphs.
        const bool heading = name == help_controls::Label1 || name == help_controls::Label3 ||
                             name == help_controls::Label7;
        if (heading && name != help_controls::Label1) {
            column->addSpacing(8);
        }
        QLabel* note = add_note(body, column, name);
        if (heading) {
            make_heading(*note);
        }
    }
    column->addSpacing(6);
    add_closing_button(body, column, help_controls::Command1);
    return {body, nullptr, {}};
}

ViewParts build_about_view(const Form&, QWidget& window) {
    auto* body = new QWidget(&window);
    auto* row = new QHBoxLayout(body);
    row->addWidget(make_picture(body, "about_icon", QStringLiteral(":/zqfeval/icon.svg"), 64, 64),
                   0, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    QLabel* revision = make_label(body, about_controls::Label1);
    make_prominent(*revision, 1.3);
    column->addWidget(revision);
    column->addWidget(make_label(body, about_controls::Label3));
    column->addSpacing(6);
    add_note(body, column, about_controls::Label4);
    add_note(body, column, about_controls::Label2);
    add_note(body, column, about_controls::tick_timing);
    column->addSpacing(6);
    add_closing_button(body, column, about_controls::Command1);
    row->addLayout(column);
    return {body, nullptr, {}};
}

} // namespace zqf::qt
