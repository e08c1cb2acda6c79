#pragma once

#include <QObject>

class QWidget;

namespace zqf::qt {

// Turns mouse clicks on a widget that has no click of its own (a label, a
// picture) into signals: clicked() on a left-button release inside the
// widget, double_clicked() on a double click, and, once drops are accepted,
// dropped() when something is dragged onto it. Lives as a child of the widget.
class ClickRelay : public QObject {
    Q_OBJECT

  public:
    explicit ClickRelay(QWidget& widget);

    void accept_drops();

  signals:
    void clicked();
    void double_clicked();
    void dropped();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& widget_;
    bool pressed_ = false;
};

// Makes a label look clickable: the pointing hand, the palette's link colour
// and an underline while the mouse is over it.
void style_as_link(QWidget& label);

} // namespace zqf::qt
