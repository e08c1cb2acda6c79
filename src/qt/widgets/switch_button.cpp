#include "qt/widgets/switch_button.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace zqf::qt {

SwitchButton::SwitchButton(QWidget* parent) : QPushButton(parent) {
    setCheckable(true);
    setAutoDefault(false);
}

void SwitchButton::set_captions(const QString& off, const QString& on) {
    if (off == caption_off_ && on == caption_on_) {
        return;
    }
    caption_off_ = off;
    caption_on_ = on;
    show_caption();
    updateGeometry();
}

void SwitchButton::set_state(bool on) {
    if (on == isChecked()) {
        return;
    }
    setChecked(on);
    show_caption();
}

void SwitchButton::set_indicator(bool indicator) {
    indicator_ = indicator;
    update();
}

QColor SwitchButton::indicator_colour() {
    return {0x1e, 0x6b, 0xff};
}

void SwitchButton::show_caption() {
    setText(isChecked() ? caption_on_ : caption_off_);
}

QSize SwitchButton::sizeHint() const {
    // The style's size for each caption; the wider one wins.
    QStyleOptionButton option;
    initStyleOption(&option);
    QSize size;
    for (const QString& caption : {caption_off_, caption_on_}) {
        option.text = caption;
        const QSize text = fontMetrics().size(Qt::TextShowMnemonic, caption);
        size =
            size.expandedTo(style()->sizeFromContents(QStyle::CT_PushButton, &option, text, this));
    }
    return size.expandedTo(QPushButton::sizeHint());
}

QSize SwitchButton::minimumSizeHint() const {
    return sizeHint();
}

void SwitchButton::paintEvent(QPaintEvent* event) {
    if (!indicator_ || !isChecked()) {
        QPushButton::paintEvent(event);
        return;
    }
    // A lit indicator: a raised bright-blue button, not a pressed one, so it
    // reads as "needs a click" rather than "held down".
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.state &= ~(QStyle::State_On | QStyle::State_Sunken);
    option.state |= QStyle::State_Raised;
    const QColor fill = isEnabled() ? indicator_colour() : indicator_colour().lighter(150);
    option.palette.setColor(QPalette::Button, fill);
    option.palette.setColor(QPalette::ButtonText, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(fill.darker(130));
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
    painter.drawControl(QStyle::CE_PushButtonLabel, option);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace zqf::qt
