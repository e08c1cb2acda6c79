#include "qt/host/window_place.h"

#include <QElapsedTimer>
#include <QEvent>
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

// Where a window's frame may lie: the available part of the screen above the task bar.
QRect frame_bounds(const QRect& available, const QRect& screen) {
    const QRect above_task_bar(screen.topLeft(),
                               QSize(screen.width(), screen.height() - task_bar_reserve));
    return available.intersected(above_task_bar);
}

// `rect` moved, not resized, so that as much of it as can lies within `bounds`,
// its top-left corner first.
QRect moved_into(QRect rect, const QRect& bounds) {
    rect.moveLeft(
        std::max(bounds.left(), std::min(rect.left(), bounds.right() - rect.width() + 1)));
    rect.moveTop(std::max(bounds.top(), std::min(rect.top(), bounds.bottom() - rect.height() + 1)));
    return rect;
}

// A window frame drawn by a window manager that has not told its size yet.
constexpr QMargins assumed_frame(4, 30, 4, 4);

// How long after showing a window its frame is still watched for.
constexpr int frame_watch_ms = 3000;

} // namespace

QRect place_window(QSize natural, int scroll_bar, std::optional<QRect> remembered,
                   const QMargins& frame, const QRect& available, const QRect& screen) {
    const QRect bounds = frame_bounds(available, screen).marginsRemoved(frame);
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

QRect place_beside(QSize size, int scroll_bar, const QRect& panel_frame,
                   std::optional<QRect> remembered, const QMargins& frame, const QRect& available,
                   const QRect& screen) {
    const QRect bounds = frame_bounds(available, screen);
    const QSize room = bounds.marginsRemoved(frame).size();
    if (remembered) {
        size = remembered->size();
    } else if (size.height() > room.height()) {
        size.rwidth() += scroll_bar;
    }
    const QSize inside = size.boundedTo(room);
    const QSize outer = inside.grownBy(frame);
    const QRect sides[] = {
        {QPoint(panel_frame.right() + 1, panel_frame.top()), outer},
        {QPoint(panel_frame.left() - outer.width(), panel_frame.top()), outer},
        {QPoint(panel_frame.left(), panel_frame.bottom() + 1), outer},
        {QPoint(panel_frame.left(), panel_frame.top() - outer.height()), outer},
    };
    for (std::size_t i = 0; i < std::size(sides); ++i) {
        // Beside the panel across, in line with it along: slid along the
        // panel's edge to stay on the screen, never over the panel.
        const bool across_x = i < 2;
        const QRect slid = moved_into(sides[i], bounds);
        const bool clear = across_x ? slid.left() == sides[i].left() : slid.top() == sides[i].top();
        if (clear && bounds.contains(slid)) {
            return slid.marginsRemoved(frame);
        }
    }
    if (remembered) {
        return moved_into(QRect(remembered->topLeft() - QPoint(frame.left(), frame.top()), outer),
                          bounds)
            .marginsRemoved(frame);
    }
    // No room anywhere: at the screen's edge where most of the panel stays in view.
    const int right_room = bounds.right() - panel_frame.right();
    const int left_room = panel_frame.left() - bounds.left();
    const int x = right_room >= left_room ? bounds.right() - outer.width() + 1 : bounds.left();
    return moved_into(QRect(QPoint(x, panel_frame.top()), outer), bounds).marginsRemoved(frame);
}

QMargins expected_frame(QWidget& window) {
    window.winId();
    const QMargins known = window.windowHandle()->frameMargins();
    // The offscreen platform draws no frame and has no window manager to draw one.
    if (!known.isNull() || QGuiApplication::platformName() == QStringLiteral("offscreen")) {
        return known;
    }
    return assumed_frame;
}

void centre_on(QWidget& window, const QWidget& owner) {
    const QMargins frame = expected_frame(window);
    const QRect owner_frame = owner.frameGeometry();
    QRect outer(QPoint(), window.size().grownBy(frame));
    outer.moveCenter(owner_frame.center());
    const QScreen* screen = owner.screen();
    if (screen != nullptr) {
        outer = moved_into(outer, frame_bounds(screen->availableGeometry(), screen->geometry()));
    }
    window.move(outer.topLeft() + QPoint(frame.left(), frame.top()));
}

namespace {

// Watches a newly shown window until its frame is known, then keeps the frame
// on the screen once.
class FrameKeeper final : public QObject {
  public:
    explicit FrameKeeper(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
        timer_.start();
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const auto type = event->type();
        if (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Show) {
            return false;
        }
        if (timer_.hasExpired(frame_watch_ms)) {
            deleteLater();
            return false;
        }
        const QWindow* handle = window_.windowHandle();
        if (handle == nullptr || handle->frameMargins().isNull()) {
            return false;
        }
        fit();
        deleteLater();
        return false;
    }

  private:
    void fit() {
        const QScreen* screen = window_.screen();
        if (screen == nullptr) {
            return;
        }
        const QRect bounds = frame_bounds(screen->availableGeometry(), screen->geometry());
        const QRect outer = window_.frameGeometry();
        if (bounds.contains(outer)) {
            return;
        }
        const QMargins frame = window_.windowHandle()->frameMargins();
        const QSize inside = window_.size().boundedTo(bounds.marginsRemoved(frame).size());
        const QRect fitted = moved_into(QRect(outer.topLeft(), inside.grownBy(frame)), bounds);
        window_.resize(inside);
        window_.move(fitted.topLeft() + QPoint(frame.left(), frame.top()));
    }

    QWidget& window_;
    QElapsedTimer timer_;
};

} // namespace

void keep_frame_on_screen(QWidget& window) {
    if (QGuiApplication::platformName() != QStringLiteral("offscreen")) {
        new FrameKeeper(window);
    }
}

void place_scrolling_window(QWidget& window, const QScrollArea& scroll,
                            std::optional<QRect> remembered, const QWidget* below,
                            const QWidget* panel) {
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
    // Two pixels spare: at a fractional scale the window manager may round the
    // size down by one device pixel, which would bring up both scroll bars.
    const QSize natural =
        scroll.widget()->sizeHint() + window.sizeHint() - scroll.sizeHint() + QSize(2, 2);
    const QScreen* screen = remembered ? QGuiApplication::screenAt(remembered->center()) : nullptr;
    if (panel != nullptr) {
        screen = panel->screen();
    }
    if (screen == nullptr) {
        screen = below != nullptr ? below->screen() : QGuiApplication::primaryScreen();
    }
    const int scroll_bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QMargins frame = expected_frame(window);
    if (panel != nullptr) {
        window.setGeometry(place_beside(natural, scroll_bar, panel->frameGeometry(), remembered,
                                        frame, screen->availableGeometry(), screen->geometry()));
        return;
    }
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
