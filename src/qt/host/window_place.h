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

// Where a window that stays open beside the panel opens (`size` its inside):
// against the panel's frame on the first side with room for it, right, left,
// below or above, in line with the panel's top or left edge; else where it
// was last time; else at the edge of the screen on the side of the panel with
// the most room. Never larger than the screen less the task bar, and wholly on
// it; `scroll_bar` is added to the width where the height does not fit.
QRect place_beside(QSize size, int scroll_bar, const QRect& panel_frame,
                   std::optional<QRect> remembered, const QMargins& frame, const QRect& available,
                   const QRect& screen);

// The frame a window will have on this platform: the platform's, once it
// knows it, else a title bar and borders as window managers draw them, so a
// window placed before it is shown keeps its title bar on the screen.
QMargins expected_frame(QWidget& window);

// Sizes and places `window`, whose body scrolls in `scroll`, by place_window
// on the screen of its remembered place, else on that of `below` (the window
// it opens from), else on the primary screen. With a `panel`, the window
// opens beside it (place_beside).
void place_scrolling_window(QWidget& window, const QScrollArea& scroll,
                            std::optional<QRect> remembered, const QWidget* below,
                            const QWidget* panel = nullptr);

// Centres `window` on `owner`, the window it belongs to, moved onto the
// screen where that would put part of it (its title bar included) off it.
void centre_on(QWidget& window, const QWidget& owner);

// Once the window manager has framed `window`, moves it (and shrinks it if
// need be) so that its frame, the title bar above all, lies on the screen.
void keep_frame_on_screen(QWidget& window);

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
