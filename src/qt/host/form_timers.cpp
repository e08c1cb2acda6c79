#include "qt/host/form_timers.h"

#include <iostream>

namespace zqf::qt {

FormTimers::FormTimers(Form& form, QObject& parent, ActionRunner& runner, TickThread& ticks,
                       std::recursive_mutex& lock, bool paused)
    : QObject(&parent), runner_(runner) {
    for (const auto& control : form.controls()) {
        auto* model = dynamic_cast<Timer*>(control.get());
        if (model == nullptr) {
            continue;
        }
        auto schedule = ticks.add(lock, [this, model] {
            if (bound_) {
                runner_.run_tick([model] { model->fire(); });
            }
        });
        schedule->set_paused(paused);
        entries_.push_back({model, std::move(schedule)});
    }
    // Subscribed once the entries stand still: each keeps the address of its own.
    for (Entry& entry : entries_) {
        subscriptions_.push_back(entry.model->subscribe([this, &entry] { show(entry); }));
        show(entry);
    }
}

void FormTimers::show(Entry& entry) const {
    const Timer& model = *entry.model;
    const bool run = bound_ && model.timer_enabled() && model.interval() > 0;
    if (!run) {
        entry.schedule->unschedule();
        return;
    }
    if (!entry.schedule->scheduled() || entry.interval != model.interval() ||
        entry.starts != model.starts()) {
        if (!entry.schedule->schedule(model.interval())) {
            std::cerr << "zqfeval: the timer " << model.name() << " cannot run: "
                      << "the system gave no thread or timer for it\n";
        }
    }
    entry.interval = model.interval();
    entry.starts = model.starts();
}

void FormTimers::set_paused(bool paused) {
    if (!bound_) {
        return;
    }
    for (const Entry& entry : entries_) {
        entry.schedule->set_paused(paused);
    }
}

void FormTimers::unbind() {
    for (const Entry& entry : entries_) {
        entry.schedule->unschedule();
    }
    bound_ = false;
    subscriptions_.clear();
}

int FormTimers::running() const {
    int count = 0;
    for (const Entry& entry : entries_) {
        count += entry.schedule->running() ? 1 : 0;
    }
    return count;
}

} // namespace zqf::qt
