#pragma once

#include <QObject>

class QWidget;

namespace zqf::qt {

// Keeps the mouse wheel from changing a drop-down list the user has not
// clicked into: scrolling over a panel must not rewrite a register by accident.
// Lives as a child of the widget.
class WheelGuard : public QObject {
  public:
    explicit WheelGuard(QWidget& widget);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& widget_;
};

} // namespace zqf::qt
