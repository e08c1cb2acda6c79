#pragma once

#include <QStringList>
#include <QWidget>

namespace zqf::qt {

// A rotary selector: a knob with one labelled stop per position, spread over
// a 270 degree arc from lower left (position 0) to lower right. Clicking a
// stop, dragging the pointer round, turning the wheel or pressing the arrow
// keys asks for another position through turned(); the pointer moves only
// when the owner sets it. The knob grows with its positions so that no two
// labels overlap.
class RotaryKnob : public QWidget {
    Q_OBJECT

  public:
    explicit RotaryKnob(QWidget* parent = nullptr);

    void set_labels(const QStringList& labels);
    const QStringList& labels() const { return labels_; }
    int positions() const { return static_cast<int>(labels_.size()); }

    int position() const { return position_; }
    void set_position(int position);

    // Where stop n sits and where its label is drawn, in widget coordinates.
    QPointF stop_point(int position) const;
    QRectF label_rect(int position) const;
    // The stop nearest to a point, or -1 when the point is on no stop or label.
    int position_at(QPointF point) const;
    // The stop whose direction from the centre is nearest to the point's,
    // wherever the point lies; -1 at the centre itself. Drags follow it.
    int position_towards(QPointF point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    void turned(int position);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    double angle_of(int position) const;
    QPointF centre() const;
    double knob_radius() const;
    QSizeF label_size(int position) const;
    QRectF label_rect_at(int position, QPointF centre, double radius) const;
    // The smallest knob radius at which no two labels overlap.
    double needed_radius() const;
    void ask_for(int position);

    QStringList labels_;
    int position_ = 0;
    bool dragging_ = false;
};

} // namespace zqf::qt
