#include "qt/host/window_place.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QSettings>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace zqf::qt {

namespace {

QString key_of(const QString& window) {
    return window + QStringLiteral("/geometry");
}

} // namespace

QRect place_window(QSize natural, int scroll_bar, std::optional<QRect> remembered,
                   const QMargins& frame, const QRect& available, const QRect& screen) {
    const QRect above_task_bar(screen.topLeft(),
                               QSize(screen.width(), screen.height() - task_bar_reserve));
    const QRect bounds = available.intersected(above_task_bar).marginsRemoved(frame);
    QSize size = remembered ? remembered->size() : natural;
    if (!remembered && natural.height() > bounds.height()) {
        size.rwidth() += scroll_bar;
    }
    size = size.boundedTo(bounds.size());
    const QPoint middle(bounds.left() + (bounds.width() - size.width()) / 2,
                        bounds.top() + (bounds.height() - size.height()) / 2);
    const QPoint wanted = remembered ? remembered->topLeft() : middle;
    const QPoint place(std::clamp(wanted.x(), bounds.left(), bounds.right() - size.width() + 1),
                       std::clamp(wanted.y(), bounds.top(), bounds.bottom() - size.height() + 1));
    return {place, size};
}

void place_scrolling_window(QWidget& window, const QScrollArea& scroll,
                            std::optional<QRect> remembered, const QWidget* below) {
    // The body's own size with the window's menu bar and margins around it,
    // measured now that every text is in. A window not yet shown keeps its
    // layouts' sizes from when they were built: refresh them first.
    window.ensurePolished();
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        widget->updateGeometry();
    }
    for (QLayout* layout : window.findChildren<QLayout*>()) {
        layout->invalidate();
    }
    const QSize natural = scroll.widget()->sizeHint() + window.sizeHint() - scroll.sizeHint();
    const QScreen* screen = remembered ? QGuiApplication::screenAt(remembered->center()) : nullptr;
    if (screen == nullptr) {
        screen = below != nullptr ? below->screen() : QGuiApplication::primaryScreen();
    }
    const int scroll_bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    // The frame, where the platform knows it before the window is shown.
    window.winId();
    const QMargins frame = window.windowHandle()->frameMargins();
    window.setGeometry(place_window(natural, scroll_bar, remembered, frame,
                                    screen->availableGeometry(), screen->geometry()));
}

WindowPlaces::WindowPlaces(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

WindowPlaces::~WindowPlaces() = default;

std::optional<QRect> WindowPlaces::recall(const QString& window) const {
    const QRect geometry = settings_->value(key_of(window)).toRect();
    if (!geometry.isValid()) {
        return std::nullopt;
    }
    return geometry;
}

void WindowPlaces::remember(const QString& window, const QRect& geometry) {
    settings_->setValue(key_of(window), geometry);
    settings_->sync();
}

std::unique_ptr<WindowPlaces> user_window_places() {
    return std::make_unique<WindowPlaces>(
        std::make_unique<QSettings>(QStringLiteral("zqfeval"), QStringLiteral("zqfeval")));
}

} // namespace zqf::qt
