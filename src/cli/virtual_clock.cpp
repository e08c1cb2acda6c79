#include "cli/virtual_clock.h"

#include <set>

namespace zqf::cli {

void VirtualClock::track(const std::vector<Form*>& forms) {
    std::set<Timer*> present;
    for (Form* form : forms) {
        for (const auto& control : form->controls()) {
            if (auto* timer = dynamic_cast<Timer*>(control.get())) {
                present.insert(timer);
                adopt(*timer);
            }
        }
    }
    std::erase_if(entries_, [&present](const auto& item) { return !present.contains(item.first); });
}

void VirtualClock::adopt(Timer& timer) {
    if (entries_.contains(&timer)) {
        return;
    }
    Entry& entry = entries_[&timer];
    entry.subscription = timer.subscribe([this, &timer] { changed(timer); });
    entry.enabled = timer.timer_enabled();
    entry.interval = timer.interval();
    entry.starts = timer.starts();
    if (entry.enabled) {
        schedule(entry, now_);
    }
}

void VirtualClock::changed(Timer& timer) {
    const auto it = entries_.find(&timer);
    if (it == entries_.end()) {
        return;
    }
    Entry& entry = it->second;
    const bool restarted =
        timer.timer_enabled() &&
        (!entry.enabled || timer.interval() != entry.interval || timer.starts() != entry.starts);
    entry.enabled = timer.timer_enabled();
    entry.interval = timer.interval();
    entry.starts = timer.starts();
    if (!entry.enabled) {
        entry.due.reset();
    } else if (restarted) {
        schedule(entry, now_);
    }
}

void VirtualClock::schedule(Entry& entry, int64_t from) {
    if (entry.interval <= 0) {
        entry.due.reset();
        return;
    }
    entry.due = from + entry.interval;
    entry.order = next_order_++;
}

Timer* VirtualClock::next_due(int64_t until) {
    Timer* best = nullptr;
    const Entry* best_entry = nullptr;
    for (auto& [timer, entry] : entries_) {
        if (!entry.due || *entry.due > until) {
            continue;
        }
        if (best_entry == nullptr || *entry.due < *best_entry->due ||
            (*entry.due == *best_entry->due && entry.order < best_entry->order)) {
            best = timer;
            best_entry = &entry;
        }
    }
    return best;
}

void VirtualClock::advance(int64_t ms, const std::function<std::vector<Form*>()>& open_forms,
                           const std::function<bool()>& settle) {
    const int64_t until = now_ + ms;
    while (true) {
        track(open_forms());
        Timer* timer = next_due(until);
        if (timer == nullptr) {
            now_ = until;
            return;
        }
        Entry& entry = entries_.at(timer);
        now_ = *entry.due;
        // Rescheduled before it runs, so a handler that stops the timer or
        // changes its interval has the last word.
        schedule(entry, now_);
        timer->fire();
        track(open_forms());
        if (!settle()) {
            return;
        }
    }
}

} // namespace zqf::cli
