#include "qt/binder/show_control.h"

#include "qt/widgets/rotary_knob.h"
#include "qt/widgets/switch_button.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QSignalBlocker>

#include <cmath>

namespace zqf::qt {

QString to_qt(const std::string& text) {
    return QString::fromStdString(text);
}

std::string from_qt(const QString& text) {
    return text.toStdString();
}

QColor caption_colour(const QPalette& palette, CaptionColour colour) {
    const QColor text = palette.color(QPalette::Active, QPalette::ButtonText);
    if (colour == CaptionColour::text) {
        return text;
    }
    const QColor window = palette.color(QPalette::Active, QPalette::Window);
    const auto mix = [](int a, int b) { return (a * 45 + b * 55) / 100; };
    return {mix(text.red(), window.red()), mix(text.green(), window.green()),
            mix(text.blue(), window.blue())};
}

void show_common(const Control& control, QObject& target) {
    if (auto* menu = qobject_cast<QMenu*>(&target)) {
        show_common(control, *menu->menuAction());
        return;
    }
    if (auto* action = qobject_cast<QAction*>(&target)) {
        action->setVisible(control.visible());
        action->setEnabled(control.enabled());
        action->setToolTip(to_qt(control.tooltip()));
        return;
    }
    if (auto* widget = qobject_cast<QWidget*>(&target)) {
        // Always explicit, so a hidden control stays hidden when its window appears.
        widget->setVisible(control.visible());
        widget->setEnabled(control.enabled());
        widget->setToolTip(to_qt(control.tooltip()));
    }
}

void show_caption(const CaptionControl& control, QObject& target) {
    const QString caption = to_qt(control.caption());
    if (auto* label = qobject_cast<QLabel*>(&target)) {
        label->setText(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(&target)) {
        button->setText(caption);
    } else if (auto* group = qobject_cast<QGroupBox*>(&target)) {
        group->setTitle(caption);
    } else if (auto* menu = qobject_cast<QMenu*>(&target)) {
        menu->setTitle(caption);
    } else if (auto* action = qobject_cast<QAction*>(&target)) {
        action->setText(caption);
    }
}

void show_text_box(const TextBox& control, QObject& target) {
    auto* edit = qobject_cast<QLineEdit*>(&target);
    if (edit == nullptr) {
        return;
    }
    const QString text = to_qt(control.text());
    if (edit->text() != text) {
        const int cursor = edit->cursorPosition();
        edit->setText(text);
        edit->setCursorPosition(std::min(cursor, static_cast<int>(text.size())));
    }
    // A text its handler cannot use shows red, the reason in its tooltip.
    if (!control.problem().empty()) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, problem_colour);
        palette.setColor(QPalette::Text, Qt::black);
        edit->setPalette(palette);
        edit->setToolTip(to_qt(control.problem()));
    } else if (const auto& rgb = control.background()) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, QColor((*rgb)[0], (*rgb)[1], (*rgb)[2]));
        edit->setPalette(palette);
    } else {
        edit->setPalette(QPalette());
    }
}

void show_list(const ListBox& control, QObject& target) {
    auto* combo = qobject_cast<QComboBox*>(&target);
    if (combo == nullptr) {
        return;
    }
    const QSignalBlocker blocker(combo);
    QStringList items;
    for (const std::string& item : control.items()) {
        items.append(to_qt(item));
    }
    bool same = combo->count() == items.size();
    for (int i = 0; same && i < combo->count(); ++i) {
        same = combo->itemText(i) == items.at(i);
    }
    if (!same) {
        combo->clear();
        combo->addItems(items);
    }
    if (combo->currentIndex() != control.index()) {
        combo->setCurrentIndex(control.index());
    }
    if (control.index() < 0) {
        combo->setPlaceholderText(to_qt(control.shown_text()));
    }
}

void show_option(const OptionButton& control, QObject& target) {
    auto* button = qobject_cast<QAbstractButton*>(&target);
    if (button == nullptr) {
        return;
    }
    button->setText(to_qt(control.caption()));
    button->setChecked(control.value());
    // From the palette the button inherits, not its own: that holds the
    // colour of the last showing, and the shade must not be taken twice.
    const QWidget* parent = button->parentWidget();
    QPalette palette = parent != nullptr ? parent->palette() : QApplication::palette(button);
    const QColor colour = caption_colour(palette, control.colour());
    palette.setColor(QPalette::Active, QPalette::WindowText, colour);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, colour);
    palette.setColor(QPalette::Active, QPalette::ButtonText, colour);
    palette.setColor(QPalette::Inactive, QPalette::ButtonText, colour);
    button->setPalette(palette);
}

void show_toggle(const ToggleSwitch& control, QObject& target) {
    if (auto* button = qobject_cast<SwitchButton*>(&target)) {
        button->set_captions(to_qt(control.caption_off()), to_qt(control.caption_on()));
        button->set_state(control.state());
    }
}

void show_selector(const RotarySelector& control, QObject& target) {
    auto* knob = qobject_cast<RotaryKnob*>(&target);
    if (knob == nullptr) {
        return;
    }
    QStringList labels;
    for (const std::string& label : control.labels()) {
        labels.append(to_qt(label));
    }
    knob->set_labels(labels);
    knob->set_position(control.position());
}

void show_progress(const ProgressBar& control, QObject& target) {
    auto* bar = qobject_cast<QProgressBar*>(&target);
    if (bar == nullptr) {
        return;
    }
    bar->setValue(static_cast<int>(std::lround(control.fraction() * progress_steps)));
    // The bar's format reads % as a placeholder.
    bar->setFormat(to_qt(control.text()).replace(QLatin1Char('%'), QStringLiteral("%%")));
}

void show_control(const Control& control, QObject& target) {
    show_common(control, target);
    if (const auto* caption = dynamic_cast<const CaptionControl*>(&control)) {
        show_caption(*caption, target);
    } else if (const auto* text = dynamic_cast<const TextBox*>(&control)) {
        show_text_box(*text, target);
    } else if (const auto* list = dynamic_cast<const ListBox*>(&control)) {
        show_list(*list, target);
    } else if (const auto* option = dynamic_cast<const OptionButton*>(&control)) {
        show_option(*option, target);
    } else if (const auto* toggle = dynamic_cast<const ToggleSwitch*>(&control)) {
        show_toggle(*toggle, target);
    } else if (const auto* selector = dynamic_cast<const RotarySelector*>(&control)) {
        show_selector(*selector, target);
    } else if (const auto* progress = dynamic_cast<const ProgressBar*>(&control)) {
        show_progress(*progress, target);
    }
}

} // namespace zqf::qt
