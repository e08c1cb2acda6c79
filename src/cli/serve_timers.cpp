#include "cli/serve_timers.h"

#include <algorithm>

namespace zqf::cli {

namespace {

constexpr int64_t nanoseconds_per_ms = 1000000;
constexpr int64_t longest_backlog_ns = 250 * nanoseconds_per_ms;

} // namespace

void ServeTimers::track(const std::vector<Form*>& forms) {
    // The same windows as last time: their timers are known. (A window is
    // freed only after a look that no longer finds it, so an address seen
    // again is the same window.)
    if (forms == forms_) {
        return;
    }
    forms_ = forms;
    std::vector<Timer*> present;
    for (Form* form : forms) {
        for (const auto& control : form->controls()) {
            if (auto* timer = dynamic_cast<Timer*>(control.get())) {
                present.push_back(timer);
            }
        }
    }
    std::erase_if(entries_, [&present](const auto& entry) {
        return std::find(present.begin(), present.end(), entry.first) == present.end();
    });
    for (Timer* timer : present) {
        if (entries_.find(timer) == entries_.end()) {
            Entry& entry = entries_[timer];
            entry.clock = MonotonicTimer::create();
            entry.subscription = timer->subscribe([this, timer] { follow(*timer); });
            follow(*timer);
        }
    }
}

void ServeTimers::follow(Timer& timer) {
    const auto it = entries_.find(&timer);
    if (it == entries_.end() || !it->second.clock) {
        return;
    }
    Entry& entry = it->second;
    if (!timer.timer_enabled() || timer.interval() <= 0) {
        if (entry.armed) {
            entry.clock->disarm();
            entry.armed = false;
        }
        return;
    }
    if (!entry.armed || entry.interval != timer.interval() || entry.starts != timer.starts()) {
        const int64_t period = static_cast<int64_t>(timer.interval()) * nanoseconds_per_ms;
        entry.armed = entry.clock->arm(monotonic_ns() + period, period);
    }
    entry.interval = timer.interval();
    entry.starts = timer.starts();
}

std::vector<int> ServeTimers::descriptors() const {
    std::vector<int> out;
    for (const auto& [timer, entry] : entries_) {
        if (entry.armed) {
            out.push_back(entry.clock->fd());
        }
    }
    return out;
}

void ServeTimers::expired(int fd, const std::function<void(Timer&)>& run,
                          const std::function<void()>& after) {
    Timer* timer = nullptr;
    uint64_t due = 0;
    for (auto& [candidate, entry] : entries_) {
        if (entry.armed && entry.clock->fd() == fd) {
            timer = candidate;
            due = entry.clock->take_expiries();
            if (entry.interval > 0) {
                const uint64_t most = static_cast<uint64_t>(std::max<int64_t>(
                    1, longest_backlog_ns / (entry.interval * nanoseconds_per_ms)));
                due = std::min(due, most);
            }
        }
    }
    for (uint64_t k = 0; k < due && timer != nullptr; ++k) {
        const auto it = entries_.find(timer);
        if (it == entries_.end() || !timer->timer_enabled()) {
            return;
        }
        run(*timer);
        after();
    }
}

} // namespace zqf::cli
