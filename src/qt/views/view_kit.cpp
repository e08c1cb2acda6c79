#include "qt/views/view_kit.h"

#include "qt/binder/show_control.h"
#include "qt/host/view_registry.h"

#include "qt/widgets/option_widget.h"
#include "qt/widgets/rotary_knob.h"
#include "qt/widgets/switch_button.h"
#include "qt/widgets/wheel_guard.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSvgRenderer>
#include <QSvgWidget>
#include <QTimer>

namespace zqf::qt {

namespace {

template <typename W> W* named(W* widget, std::string_view name) {
    widget->setObjectName(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    return widget;
}

} // namespace

QLabel* make_label(QWidget* parent, std::string_view name) {
    auto* label = named(new QLabel(parent), name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* make_note(QWidget* parent, std::string_view name) {
    QLabel* label = make_label(parent, name);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* make_button(QWidget* parent, std::string_view name) {
    auto* button = named(new QPushButton(parent), name);
    button->setAutoDefault(false);
    return button;
}

QHBoxLayout* make_button_row(QWidget* parent, std::initializer_list<std::string_view> names) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (std::string_view name : names) {
        QPushButton* button = make_button(parent, name);
        button->setMinimumWidth(button_width);
        row->addWidget(button);
    }
    return row;
}

SwitchButton* make_switch(QWidget* parent, std::string_view name) {
    return named(new SwitchButton(parent), name);
}

OptionWidget* make_option(QWidget* parent, std::string_view name) {
    return named(new OptionWidget(parent), name);
}

QComboBox* make_list(QWidget* parent, std::string_view name) {
    auto* list = named(new QComboBox(parent), name);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list->setMaxVisibleItems(16);
    new WheelGuard(*list);
    return list;
}

QLineEdit* make_text_box(QWidget* parent, std::string_view name) {
    return named(new QLineEdit(parent), name);
}

QGroupBox* make_frame(QWidget* parent, std::string_view name) {
    return named(new QGroupBox(parent), name);
}

RotaryKnob* make_selector(QWidget* parent, std::string_view name) {
    return named(new RotaryKnob(parent), name);
}

QProgressBar* make_progress(QWidget* parent, std::string_view name) {
    auto* bar = named(new QProgressBar(parent), name);
    // Fine steps, so a long sweep still moves the bar.
    bar->setRange(0, progress_steps);
    bar->setTextVisible(true);
    bar->setAlignment(Qt::AlignCenter);
    return bar;
}

QWidget* make_picture(QWidget* parent, std::string_view name, const QString& resource, int width,
                      int height) {
    // Not a label: a picture's (empty) caption must not wipe the drawing.
    auto* picture = named(new QSvgWidget(resource, parent), name);
    picture->renderer()->setAspectRatioMode(Qt::KeepAspectRatio);
    picture->setFixedSize(width, height);
    return picture;
}

void refresh_while_shown(QWidget& body, int interval_ms, std::function<void()> refresh) {
    auto* timer = new QTimer(&body);
    timer->setInterval(interval_ms);
    QObject::connect(timer, &QTimer::timeout, &body, [&body, refresh = std::move(refresh)] {
        if (body.isVisible()) {
            refresh();
        }
    });
    timer->start();
}

QWidget* make_foot(QWidget& window, std::initializer_list<std::string_view> names) {
    auto* foot = new QWidget(&window);
    foot->setLayout(make_button_row(foot, names));
    return foot;
}

ViewParts beside_panel_parts(QWidget* body, QWidget* foot) {
    ViewParts parts{body, nullptr, {}};
    parts.scrolls = true;
    parts.beside_panel = true;
    parts.escape_closes = true;
    parts.footer = foot;
    return parts;
}

void make_prominent(QWidget& widget, double scale) {
    QFont font = widget.font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    widget.setFont(font);
}

void make_fixed_pitch(QWidget& widget) {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (!QFontInfo(font).fixedPitch()) {
        // Platforms without a theme name no fixed font of their own.
        font.setFamilies({QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Noto Sans Mono"),
                          QStringLiteral("monospace")});
        font.setStyleHint(QFont::TypeWriter);
    }
    font.setPointSizeF(widget.font().pointSizeF());
    widget.setFont(font);
}

void make_heading(QWidget& widget) {
    QFont font = widget.font();
    font.setBold(true);
    widget.setFont(font);
}

} // namespace zqf::qt
