#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QWidget>

#include <array>

namespace zqf::qt {

// A one-line strip of parts separated by thin rules, as a status bar has,
// painted by itself: a change of text repaints the strip alone and never
// lays the window out again, so it may follow a fast exerciser at screen
// rate. The last part takes the rest of the width and is cut short with an
// ellipsis where it does not fit; each part has a tool tip of its own.
class StatusStrip : public QWidget {
    Q_OBJECT

  public:
    struct Part {
        QString text;
        QColor colour; // invalid: the palette's text colour
        bool bold = false;
        QString tooltip;
        bool operator==(const Part&) const = default;
    };
    static constexpr int part_count = 3;

    explicit StatusStrip(QWidget* parent = nullptr);

    void set_part(int index, Part part);
    const Part& part(int index) const { return parts_[static_cast<std::size_t>(index)]; }
    // Where part `index` was last drawn.
    QRect part_rect(int index) const { return rects_[static_cast<std::size_t>(index)]; }
    // Shows a pointing hand over part `index`: a click on it does something.
    void set_clickable(int index) { clickable_ = index; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void clicked(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    int part_at(const QPoint& point) const;
    QFont font_of(const Part& part) const;

    std::array<Part, part_count> parts_;
    std::array<QRect, part_count> rects_;
    int clickable_ = -1;
};

} // namespace zqf::qt
