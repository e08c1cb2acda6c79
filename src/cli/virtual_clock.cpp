#include "cli/virtual_clock.h"

#include <algorithm>
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

// Passes over the firings of a holding timer that come before any other
// timer is due (or up to `until`): nothing else runs in between, so it holds
// throughout. Afterwards its schedule stands where those firings would have
// left it, a fresh order included, so that at a tie the other timer goes
// first as it would have. False when no firing comes before that.
bool VirtualClock::pass_over(Entry& entry, int64_t until) {
    int64_t bound = until + 1; // the firings before this moment are passed over
    for (const auto& [timer, other] : entries_) {
        if (&other != &entry && other.due) {
            bound = std::min(bound, *other.due);
        }
    }
    const int64_t first = *entry.due;
    if (first >= bound) {
        return false;
    }
    const int64_t passed = (bound - 1 - first) / entry.interval + 1;
    now_ = first + (passed - 1) * entry.interval;
    schedule(entry, now_);
    return true;
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
        if (timer->holding() && pass_over(entry, until)) {
            continue;
        }
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
