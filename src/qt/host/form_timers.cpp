#include "qt/host/form_timers.h"

#include "qt/host/precise_ticker.h"

namespace zqf::qt {

FormTimers::FormTimers(Form& form, QObject& parent, ActionRunner& runner, bool paused)
    : QObject(&parent), runner_(runner) {
    for (const auto& control : form.controls()) {
        auto* model = dynamic_cast<Timer*>(control.get());
        if (model == nullptr) {
            continue;
        }
        auto* ticker = new PreciseTicker(this, [this, model] {
            if (bound_) {
                runner_.run([model] { model->fire(); });
            }
        });
        ticker->set_paused(paused);
        entries_.push_back({model, ticker});
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
        entry.ticker->unschedule();
        return;
    }
    if (!entry.ticker->scheduled() || entry.interval != model.interval() ||
        entry.starts != model.starts()) {
        entry.ticker->schedule(model.interval());
    }
    entry.interval = model.interval();
    entry.starts = model.starts();
}

void FormTimers::set_paused(bool paused) {
    if (!bound_) {
        return;
    }
    for (const Entry& entry : entries_) {
        entry.ticker->set_paused(paused);
    }
}

void FormTimers::unbind() {
    for (const Entry& entry : entries_) {
        entry.ticker->unschedule();
    }
    bound_ = false;
    subscriptions_.clear();
}

int FormTimers::running() const {
    int count = 0;
    for (const Entry& entry : entries_) {
        count += entry.ticker->running() ? 1 : 0;
    }
    return count;
}

const PreciseTicker* FormTimers::ticker_of(const Timer& timer) const {
    for (const Entry& entry : entries_) {
        if (entry.model == &timer) {
            return entry.ticker;
        }
    }
    return nullptr;
}

} // namespace zqf::qt
