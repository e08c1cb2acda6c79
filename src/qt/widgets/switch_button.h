#pragma once

#include <QPushButton>
#include <QString>

namespace zqf::qt {

// A two-state switch: a push button that shows one caption when off and
// another when on, and looks pressed while on. It never changes its own
// state: a click only emits clicked(), and whoever owns the state sets it.
// An update indicator is painted bright blue while on.
class SwitchButton : public QPushButton {
    Q_OBJECT

  public:
    explicit SwitchButton(QWidget* parent = nullptr);

    void set_captions(const QString& off, const QString& on);
    const QString& caption_off() const { return caption_off_; }
    const QString& caption_on() const { return caption_on_; }

    bool state() const { return isChecked(); }
    void set_state(bool on);

    bool is_indicator() const { return indicator_; }
    void set_indicator(bool indicator);

    // The fill of an update indicator while it is on.
    static QColor indicator_colour();

    // Wide enough for either caption, so switching never moves the layout.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    void nextCheckState() override {}
    void paintEvent(QPaintEvent* event) override;

  private:
    void show_caption();

    QString caption_off_;
    QString caption_on_;
    bool indicator_ = false;
};

} // namespace zqf::qt
