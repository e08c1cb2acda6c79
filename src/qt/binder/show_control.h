#pragma once

#include "core/ui/controls.h"

#include <QColor>
#include <QString>

class QObject;
class QPalette;

namespace zqf::qt {

QString to_qt(const std::string& text);
std::string from_qt(const QString& text);

// The caption colour of an option button: the palette's button text, or a
// muted shade between it and the window colour.
QColor caption_colour(const QPalette& palette, CaptionColour colour);

// The steps of a progress bar on screen between its two ends.
inline constexpr int progress_steps = 10000;

// The background of a text box whose text its handler cannot use.
inline const QColor problem_colour{255, 170, 170};

// Brings a widget (or action, or menu) into line with its control model.
// Each knows the widget types that can show that model and leaves others as
// they are. They hold nothing and decide nothing.
void show_common(const Control& control, QObject& target);
void show_caption(const CaptionControl& control, QObject& target);
void show_text_box(const TextBox& control, QObject& target);
void show_list(const ListBox& control, QObject& target);
void show_option(const OptionButton& control, QObject& target);
void show_toggle(const ToggleSwitch& control, QObject& target);
void show_selector(const RotarySelector& control, QObject& target);
void show_progress(const ProgressBar& control, QObject& target);

// The common part and whichever of the above fits the control.
void show_control(const Control& control, QObject& target);

} // namespace zqf::qt
