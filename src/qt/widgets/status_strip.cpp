#include "qt/widgets/status_strip.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace zqf::qt {

namespace {

constexpr int margin = 6;
constexpr int gap = 8; // either side of a rule

} // namespace

StatusStrip::StatusStrip(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setMouseTracking(true);
}

void StatusStrip::set_part(int index, Part part) {
    Part& slot = parts_[static_cast<std::size_t>(index)];
    if (slot == part) {
        return;
    }
    slot = std::move(part);
    update();
}

QFont StatusStrip::font_of(const Part& part) const {
    QFont bold = font();
    bold.setBold(part.bold);
    return bold;
}

QSize StatusStrip::sizeHint() const {
    return {0, fontMetrics().height() + 2 * margin};
}

QSize StatusStrip::minimumSizeHint() const {
    return sizeHint();
}

void StatusStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect().adjusted(1, 1, -1, -1);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(area);
    int x = area.left() + margin;
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        const Part& part = parts_[i];
        const QFont font = font_of(part);
        // Measured on this widget, as drawn; a pixel spare against rounding.
        const QFontMetrics metrics(font, this);
        const bool last = i + 1 == parts_.size();
        const int room = area.right() - margin - x;
        const int width = last ? room : std::min(metrics.horizontalAdvance(part.text) + 2, room);
        rects_[i] = QRect(x, area.top(), std::max(0, width), area.height());
        painter.setFont(font);
        painter.setPen(part.colour.isValid() ? part.colour : palette().color(QPalette::WindowText));
        painter.drawText(rects_[i], Qt::AlignLeft | Qt::AlignVCenter,
                         metrics.elidedText(part.text, Qt::ElideRight, rects_[i].width()));
        if (last || part.text.isEmpty()) {
            continue;
        }
        x += width + gap;
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(x, area.top() + margin / 2, x, area.bottom() - margin / 2);
        x += gap;
    }
}

int StatusStrip::part_at(const QPoint& point) const {
    for (int i = 0; i < part_count; ++i) {
        if (rects_[static_cast<std::size_t>(i)].contains(point)) {
            return i;
        }
    }
    return -1;
}

void StatusStrip::mouseMoveEvent(QMouseEvent* event) {
    const bool hand = clickable_ >= 0 && part_at(event->position().toPoint()) == clickable_;
    setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void StatusStrip::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const int index = part_at(event->position().toPoint());
        if (index >= 0) {
            emit clicked(index);
        }
    }
}

bool StatusStrip::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QWidget::event(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const int index = part_at(help->pos());
    const QString tip = index >= 0 ? parts_[static_cast<std::size_t>(index)].tooltip : QString();
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), tip, this, part_rect(index));
    }
    return true;
}

} // namespace zqf::qt
