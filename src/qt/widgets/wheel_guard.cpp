#include "qt/widgets/wheel_guard.h"

#include <QEvent>
#include <QWidget>

namespace zqf::qt {

WheelGuard::WheelGuard(QWidget& widget) : QObject(&widget), widget_(widget) {
    widget.setFocusPolicy(Qt::StrongFocus);
    widget.installEventFilter(this);
}

bool WheelGuard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &widget_ && event->type() == QEvent::Wheel && !widget_.hasFocus()) {
        event->ignore();
        return true;
    }
    return false;
}

} // namespace zqf::qt
