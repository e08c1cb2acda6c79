#pragma once

#include <QMargins>
#include <QRect>
#include <QString>

#include <memory>
#include <optional>

class QScrollArea;
class QSettings;
class QWidget;

namespace zqf::qt {

// Height kept free at the bottom of every screen for a task bar.
inline constexpr int task_bar_reserve = 48;

// Where a window that may be larger than the screen opens: at the size and
// place it had last time, or else at its natural size in the middle of the
// screen; never larger than the screen less the task bar's height, and
// wholly on it, its frame included. Sizes and places are of the window's
// inside. `scroll_bar` is the width a vertical scroll bar takes, added when
// the natural height does not fit.
QRect place_window(QSize natural, int scroll_bar, std::optional<QRect> remembered,
                   const QMargins& frame, const QRect& available, const QRect& screen);

// Sizes and places `window`, whose body scrolls in `scroll`, by place_window
// on the screen of its remembered place, else on that of `below` (the window
// it opens from), else on the primary screen.
void place_scrolling_window(QWidget& window, const QScrollArea& scroll,
                            std::optional<QRect> remembered, const QWidget* below);

// The places of windows between runs, by window name.
class WindowPlaces {
  public:
    explicit WindowPlaces(std::unique_ptr<QSettings> settings);
    ~WindowPlaces();
    WindowPlaces(const WindowPlaces&) = delete;
    WindowPlaces& operator=(const WindowPlaces&) = delete;

    std::optional<QRect> recall(const QString& window) const;
    void remember(const QString& window, const QRect& geometry);

  private:
    std::unique_ptr<QSettings> settings_;
};

// The user's own places, in ~/.config/zqfeval/zqfeval.conf.
std::unique_ptr<WindowPlaces> user_window_places();

} // namespace zqf::qt
