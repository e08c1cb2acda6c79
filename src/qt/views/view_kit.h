#pragma once

#include <QColor>
#include <QString>

#include <functional>
#include <initializer_list>

class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QWidget;

namespace zqf::qt {

struct ViewParts;
class OptionWidget;
class RotaryKnob;
class SwitchButton;

// Widgets as the views use them, each named after the control it shows. Text
// comes from the models through the binder, never from here.
QLabel* make_label(QWidget* parent, std::string_view name);
// A label that wraps its text over several lines.
QLabel* make_note(QWidget* parent, std::string_view name);
QPushButton* make_button(QWidget* parent, std::string_view name);
// The least width of a window's foot buttons, so a row of them lines up.
constexpr int button_width = 96;
// The buttons at the foot of a window, on the right, in the order given.
QHBoxLayout* make_button_row(QWidget* parent, std::initializer_list<std::string_view> names);
SwitchButton* make_switch(QWidget* parent, std::string_view name);
OptionWidget* make_option(QWidget* parent, std::string_view name);
QComboBox* make_list(QWidget* parent, std::string_view name);
QLineEdit* make_text_box(QWidget* parent, std::string_view name);
QGroupBox* make_frame(QWidget* parent, std::string_view name);
RotaryKnob* make_selector(QWidget* parent, std::string_view name);
QProgressBar* make_progress(QWidget* parent, std::string_view name);
// A picture from the program's resources (an SVG), drawn at `width` x `height`.
QWidget* make_picture(QWidget* parent, std::string_view name, const QString& resource, int width,
                      int height);

// Text that warns (the chip behind the panel, no link, a frequency off its
// grid): amber, dark enough to read on a light window.
inline const QColor warning_text_colour{150, 90, 0};
// Text that reports a fault (a word refused or failed).
inline const QColor fault_text_colour{190, 0, 0};

// Runs `refresh` every `interval_ms` while `body` is shown: a view that reads
// its form (or the program) on a timer, never once the window has closed, as
// a closed window's form may already be gone.
void refresh_while_shown(QWidget& body, int interval_ms, std::function<void()> refresh);

// The buttons at the foot of a window in a row of their own, below its body.
QWidget* make_foot(QWidget& window, std::initializer_list<std::string_view> names);

// The parts of a window that stays open beside the panel: its body scrolls,
// its foot does not, and Escape closes it.
ViewParts beside_panel_parts(QWidget* body, QWidget* foot);

// Looks of read-outs: larger and bold for the figures an engineer watches,
// fixed pitch for bit strings.
void make_prominent(QWidget& widget, double scale = 1.15);
void make_fixed_pitch(QWidget& widget);
void make_heading(QWidget& widget);

} // namespace zqf::qt
