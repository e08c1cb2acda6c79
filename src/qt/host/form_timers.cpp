#include "qt/host/form_timers.h"

#include <QTimer>

namespace zqf::qt {

FormTimers::FormTimers(Form& form, QObject& parent, ActionRunner& runner, bool paused)
    : QObject(&parent), runner_(runner), paused_(paused) {
    for (const auto& control : form.controls()) {
        auto* model = dynamic_cast<Timer*>(control.get());
        if (model == nullptr) {
            continue;
        }
        auto* timer = new QTimer(this);
        timer->setTimerType(Qt::PreciseTimer);
        const Entry entry{model, timer};
        connect(timer, &QTimer::timeout, this, [this, model] {
            if (bound_) {
                runner_.run([model] { model->fire(); });
            }
        });
        entries_.push_back(entry);
        subscriptions_.push_back(model->subscribe([this, entry] { show(entry); }));
        show(entry);
    }
}

void FormTimers::show(const Entry& entry) const {
    const bool run =
        bound_ && !paused_ && entry.model->timer_enabled() && entry.model->interval() > 0;
    if (!run) {
        entry.timer->stop();
        return;
    }
    if (!entry.timer->isActive() || entry.timer->interval() != entry.model->interval()) {
        entry.timer->start(entry.model->interval());
    }
}

void FormTimers::set_paused(bool paused) {
    if (paused == paused_ || !bound_) {
        return;
    }
    paused_ = paused;
    for (const Entry& entry : entries_) {
        show(entry);
    }
}

void FormTimers::unbind() {
    for (const Entry& entry : entries_) {
        entry.timer->stop();
    }
    bound_ = false;
    subscriptions_.clear();
}

int FormTimers::running() const {
    int count = 0;
    for (const Entry& entry : entries_) {
        count += entry.timer->isActive() ? 1 : 0;
    }
    return count;
}

} // namespace zqf::qt
