#include "qt/binder/binder.h"

#include "qt/binder/show_control.h"
#include "qt/widgets/click_relay.h"
#include "qt/widgets/rotary_knob.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <utility>

namespace zqf::qt {

namespace {

Action click(Control& c, int, const QString&) {
    return c.user_click();
}
Action double_click(Control& c, int, const QString&) {
    return c.user_dblclick();
}
Action drop(Control& c, int, const QString&) {
    return c.user_drop();
}
Action choose(Control& c, int n, const QString&) {
    return c.user_choose(n);
}
Action turn(Control& c, int n, const QString&) {
    return c.user_turn(n);
}
Action type(Control& c, int, const QString& text) {
    return c.user_type(from_qt(text));
}

} // namespace

Binder::Binder(Form& form, QWidget& window, ActionRunner& runner)
    : QObject(&window), form_(form), window_(window), runner_(runner), frame_(new QTimer(this)) {
    frame_->setSingleShot(true);
    frame_->setInterval(frame_ms);
    connect(frame_, &QTimer::timeout, this, &Binder::flush);
    collect_targets();
    runner_.look([this] {
        for (const auto& control : form_.controls()) {
            if (QObject* target = target_of(control->name())) {
                bind(*control, *target);
            }
        }
        watch(form_, [this] { show_form(); });
    });
}

Binder::~Binder() {
    unbind();
}

void Binder::collect_targets() {
    for (QObject* object : window_.findChildren<QObject*>()) {
        const std::string name = from_qt(object->objectName());
        if (!name.empty()) {
            targets_.emplace(name, object); // the first of a name wins
        }
    }
}

QObject* Binder::target_of(std::string_view control_name) const {
    const auto it = targets_.find(control_name);
    return it == targets_.end() ? nullptr : it->second;
}

std::vector<std::string> Binder::unshown_controls() const {
    std::vector<std::string> out;
    if (!bound_) {
        return out;
    }
    for (const auto& control : form_.controls()) {
        if (control->kind() != ControlKind::timer && target_of(control->name()) == nullptr) {
            out.push_back(control->name());
        }
    }
    return out;
}

void Binder::bind(Control& control, QObject& target) {
    const QPointer<QObject> guard(&target);
    const Control* shown = &control;
    watch(control, [shown, guard] {
        if (guard) {
            show_control(*shown, *guard);
        }
    });
    connect_actions(control, target);
}

void Binder::watch(Observable& model, std::function<void()> show) {
    show();
    const std::size_t index = shown_.size();
    shown_.push_back({std::move(show)});
    subscriptions_.push_back(model.subscribe([this, index] { changed(index); }));
}

void Binder::changed(std::size_t index) {
    Shown& shown = shown_[index];
    if (!bound_ || shown.dirty) {
        return;
    }
    shown.dirty = true;
    dirty_.push_back(index);
    // A change from a tick waits for the host, which looks at screen rate
    // while ticks run: waking the window thread from the tick would make the
    // tick wait for that thread's event queue.
    if (dirty_.size() == 1 && QThread::currentThread() == thread()) {
        frame_->start();
    }
}

void Binder::flush() {
    frame_->stop();
    if (!bound_) {
        return;
    }
    runner_.look([this] {
        // Showing may change a model again; that waits for the next frame.
        const std::vector<std::size_t> due = std::exchange(dirty_, {});
        for (const std::size_t index : due) {
            Shown& shown = shown_[index];
            shown.dirty = false;
            shown.show();
        }
    });
}

void Binder::connect_actions(Control& control, QObject& target) {
    Control* c = &control;
    QObject* t = &target;
    if (auto* list = qobject_cast<QComboBox*>(&target)) {
        connect(list, &QComboBox::activated, this, [this, c, t](int n) { act(*c, *t, choose, n); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(&target)) {
        connect(edit, &QLineEdit::textEdited, this,
                [this, c, t](const QString& text) { act(*c, *t, type, 0, text); });
    } else if (auto* knob = qobject_cast<RotaryKnob*>(&target)) {
        connect(knob, &RotaryKnob::turned, this, [this, c, t](int n) { act(*c, *t, turn, n); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(&target)) {
        connect(button, &QAbstractButton::clicked, this, [this, c, t] { act(*c, *t, click); });
    } else if (auto* menu = qobject_cast<QMenu*>(&target)) {
        connect(menu, &QMenu::aboutToShow, this, [this, c, t] { act(*c, *t, click); });
    } else if (auto* action = qobject_cast<QAction*>(&target)) {
        connect(action, &QAction::triggered, this, [this, c, t] { act(*c, *t, click); });
    } else if (auto* widget = qobject_cast<QWidget*>(&target)) {
        connect_pointer(control, *widget);
    }
}

void Binder::connect_pointer(Control& control, QWidget& widget) {
    // Labels, pictures and frames click only where the model handles it.
    const bool clicks = static_cast<bool>(control.on_click);
    const bool drops = static_cast<bool>(control.on_drop);
    if (!clicks && !control.on_dblclick && !drops) {
        return;
    }
    auto* relay = new ClickRelay(widget);
    Control* c = &control;
    QObject* t = &widget;
    connect(relay, &ClickRelay::clicked, this, [this, c, t] { act(*c, *t, click); });
    connect(relay, &ClickRelay::double_clicked, this, [this, c, t] { act(*c, *t, double_click); });
    if (drops) {
        relay->accept_drops();
        connect(relay, &ClickRelay::dropped, this, [this, c, t] { act(*c, *t, drop); });
    }
    if (clicks && qobject_cast<QLabel*>(&widget) != nullptr) {
        style_as_link(widget);
    }
}

void Binder::act(Control& control, QObject& target, Action (*action)(Control&, int, const QString&),
                 int number, const QString& text) {
    if (!bound_) {
        return;
    }
    QPointer<QObject> guard(&target);
    runner_.run_in(window_, [&] {
        action(control, number, text);
        // What the user did shows at once; the widget acted on is shown again
        // from the model even if that did not change: it may have moved on its own.
        flush();
        if (bound_ && guard) {
            show_control(control, *guard);
        }
    });
}

void Binder::show_form() {
    if (!bound_) {
        return;
    }
    window_.setWindowTitle(to_qt(form_.caption()));
    if (QObject* target = target_of(form_.focus())) {
        if (auto* widget = qobject_cast<QWidget*>(target)) {
            widget->setFocus(Qt::OtherFocusReason);
        }
    }
}

void Binder::follow_visible(QWidget& widget, std::string_view control_name) {
    Control* control = bound_ ? form_.find(control_name) : nullptr;
    if (control == nullptr) {
        return;
    }
    const QPointer<QWidget> guard(&widget);
    runner_.look([&] {
        watch(*control, [control, guard] {
            if (guard) {
                guard->setVisible(control->visible());
            }
        });
    });
}

void Binder::unbind() {
    bound_ = false;
    subscriptions_.clear();
    dirty_.clear();
    frame_->stop();
}

} // namespace zqf::qt
