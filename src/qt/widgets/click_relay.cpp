#include "qt/widgets/click_relay.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace zqf::qt {

ClickRelay::ClickRelay(QWidget& widget) : QObject(&widget), widget_(widget) {
    widget.installEventFilter(this);
}

void ClickRelay::accept_drops() {
    widget_.setAcceptDrops(true);
}

bool ClickRelay::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &widget_) {
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        return false;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const bool click = pressed_ && mouse->button() == Qt::LeftButton &&
                           widget_.rect().contains(mouse->position().toPoint());
        pressed_ = false;
        if (click) {
            emit clicked();
        }
        return false;
    }
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            emit double_clicked();
        }
        return false;
    case QEvent::DragEnter:
        static_cast<QDragEnterEvent*>(event)->acceptProposedAction();
        return true;
    case QEvent::Drop:
        static_cast<QDropEvent*>(event)->acceptProposedAction();
        emit dropped();
        return true;
    default:
        return false;
    }
}

namespace {

// Underlines its label while the mouse is over it.
class HoverUnderline : public QObject {
  public:
    explicit HoverUnderline(QWidget& widget) : QObject(&widget), widget_(widget) {
        widget.installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &widget_ &&
            (event->type() == QEvent::Enter || event->type() == QEvent::Leave)) {
            QFont font = widget_.font();
            font.setUnderline(event->type() == QEvent::Enter);
            widget_.setFont(font);
        }
        return false;
    }

  private:
    QWidget& widget_;
};

} // namespace

void style_as_link(QWidget& label) {
    label.setCursor(Qt::PointingHandCursor);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    label.setPalette(palette);
    new HoverUnderline(label);
}

} // namespace zqf::qt
