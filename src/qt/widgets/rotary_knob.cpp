#include "qt/widgets/rotary_knob.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zqf::qt {

namespace {

constexpr double sweep_degrees = 270.0;
constexpr double first_degrees = 225.0; // lower left, counted anticlockwise from 3 o'clock
constexpr double label_gap = 6.0;

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

} // namespace

RotaryKnob::RotaryKnob(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void RotaryKnob::set_labels(const QStringList& labels) {
    if (labels == labels_) {
        return;
    }
    labels_ = labels;
    updateGeometry();
    update();
}

void RotaryKnob::set_position(int position) {
    if (position == position_) {
        return;
    }
    position_ = position;
    update();
}

double RotaryKnob::angle_of(int position) const {
    if (positions() <= 1) {
        return radians(90.0);
    }
    const double step = sweep_degrees / (positions() - 1);
    return radians(first_degrees - step * position);
}

QSizeF RotaryKnob::label_size(int position) const {
    const QString& label = labels_.at(position);
    // Room for the bold face the chosen position is drawn in.
    QFont bold = font();
    bold.setBold(true);
    return QFontMetricsF(bold).size(Qt::TextSingleLine,
                                    label.isEmpty() ? QStringLiteral(" ") : label);
}

double RotaryKnob::needed_radius() const {
    constexpr double smallest = 28.0;
    constexpr double largest = 400.0;
    constexpr double spacing = 4.0; // on every side
    for (double radius = smallest; radius < largest; radius += 2.0) {
        bool apart = true;
        for (int i = 0; i < positions() && apart; ++i) {
            const QRectF a =
                label_rect_at(i, {}, radius).adjusted(-spacing, -spacing, spacing, spacing);
            for (int j = i + 1; j < positions() && apart; ++j) {
                apart = !a.intersects(label_rect_at(j, {}, radius));
            }
        }
        if (apart) {
            return radius;
        }
    }
    return largest;
}

QSize RotaryKnob::sizeHint() const {
    // Room for the knob plus the widest label on either side.
    double widest = 0;
    double tallest = fontMetrics().height();
    for (int i = 0; i < positions(); ++i) {
        widest = std::max(widest, label_size(i).width());
        tallest = std::max(tallest, label_size(i).height());
    }
    const double knob = 2 * needed_radius();
    const int width = static_cast<int>(std::ceil(knob + 2 * (widest + label_gap + 8)));
    const int height = static_cast<int>(std::ceil(knob + 2 * (tallest + label_gap + 6)));
    return {width, height};
}

QSize RotaryKnob::minimumSizeHint() const {
    return sizeHint();
}

QPointF RotaryKnob::centre() const {
    return QRectF(rect()).center();
}

double RotaryKnob::knob_radius() const {
    double widest = 0;
    for (int i = 0; i < positions(); ++i) {
        widest = std::max(widest, label_size(i).width());
    }
    const double tall = fontMetrics().height();
    const double by_width = width() / 2.0 - widest - label_gap - 8;
    const double by_height = height() / 2.0 - tall - label_gap - 6;
    return std::max(12.0, std::min(by_width, by_height));
}

QPointF RotaryKnob::stop_point(int position) const {
    const double angle = angle_of(position);
    const double r = knob_radius() + 4;
    return centre() + QPointF(r * std::cos(angle), -r * std::sin(angle));
}

QRectF RotaryKnob::label_rect(int position) const {
    return label_rect_at(position, centre(), knob_radius());
}

QRectF RotaryKnob::label_rect_at(int position, QPointF centre, double radius) const {
    const double angle = angle_of(position);
    const QSizeF size = label_size(position);
    const double r = radius + label_gap + 4;
    const QPointF anchor = centre + QPointF(r * std::cos(angle), -r * std::sin(angle));
    // Labels hang away from the knob: left of it on the left side, right of it
    // on the right, centred at the top.
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double x = anchor.x() - size.width() * (1.0 - c) / 2.0;
    const double y = anchor.y() - size.height() * (1.0 + s) / 2.0;
    return {QPointF(x, y), size};
}

int RotaryKnob::position_at(QPointF point) const {
    for (int i = 0; i < positions(); ++i) {
        if (label_rect(i).adjusted(-2, -2, 2, 2).contains(point)) {
            return i;
        }
    }
    // On the knob face: the stop the direction points at.
    const QPointF d = point - centre();
    if (std::hypot(d.x(), d.y()) > knob_radius() + label_gap + 4) {
        return -1;
    }
    return position_towards(point);
}

int RotaryKnob::position_towards(QPointF point) const {
    const QPointF d = point - centre();
    if (positions() == 0 || std::hypot(d.x(), d.y()) < 3) {
        return -1;
    }
    int best = -1;
    double best_gap = 0;
    const double angle = std::atan2(-d.y(), d.x());
    for (int i = 0; i < positions(); ++i) {
        const double gap = std::abs(std::remainder(angle - angle_of(i), 2 * std::numbers::pi));
        if (best < 0 || gap < best_gap) {
            best = i;
            best_gap = gap;
        }
    }
    return best;
}

void RotaryKnob::ask_for(int position) {
    if (position < 0 || position >= positions() || position == position_) {
        return;
    }
    emit turned(position);
}

void RotaryKnob::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    const QPalette::ColorGroup group = isEnabled() ? QPalette::Active : QPalette::Disabled;
    const double r = knob_radius();

    painter.setPen(QPen(pal.color(group, QPalette::Dark), 1.5));
    painter.setBrush(pal.color(group, QPalette::Button));
    painter.drawEllipse(centre(), r, r);

    for (int i = 0; i < positions(); ++i) {
        const bool current = i == position_;
        painter.setPen(Qt::NoPen);
        painter.setBrush(current ? pal.color(group, QPalette::Highlight)
                                 : pal.color(group, QPalette::Mid));
        painter.drawEllipse(stop_point(i), current ? 3.0 : 2.0, current ? 3.0 : 2.0);
        QFont font = painter.font();
        font.setBold(current);
        painter.setFont(font);
        painter.setPen(pal.color(group, QPalette::WindowText));
        painter.drawText(label_rect(i), Qt::AlignCenter | Qt::TextSingleLine, labels_.at(i));
        font.setBold(false);
        painter.setFont(font);
    }

    if (position_ >= 0 && position_ < positions()) {
        const double angle = angle_of(position_);
        const QPointF tip =
            centre() + QPointF((r - 4) * std::cos(angle), -(r - 4) * std::sin(angle));
        painter.setPen(
            QPen(pal.color(group, QPalette::ButtonText), 3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(centre(), tip);
    }
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void RotaryKnob::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const int position = position_at(event->position());
    // Grabbing the knob (not a label beside it) lets the pointer be dragged round.
    dragging_ = position >= 0 && !label_rect(position).contains(event->position());
    ask_for(position);
}

void RotaryKnob::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_ || !(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    ask_for(position_towards(event->position()));
}

void RotaryKnob::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        dragging_ = false;
    }
    QWidget::mouseReleaseEvent(event);
}

void RotaryKnob::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (steps == 0) {
        event->ignore();
        return;
    }
    // Wheel up turns clockwise, towards higher positions.
    ask_for(std::clamp(position_ + steps, 0, std::max(0, positions() - 1)));
}

void RotaryKnob::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        ask_for(position_ + 1);
        return;
    case Qt::Key_Left:
    case Qt::Key_Down:
        ask_for(position_ - 1);
        return;
    case Qt::Key_Home:
        ask_for(0);
        return;
    case Qt::Key_End:
        ask_for(positions() - 1);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace zqf::qt
