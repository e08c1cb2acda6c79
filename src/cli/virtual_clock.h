#pragma once

#include "core/ui/controls.h"
#include "core/ui/form.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace zqf::cli {

// The program's clock in a bench script: time passes only when the script
// says so, and the timers of the open windows fire on it. A timer becomes due
// one interval after it is enabled or started afresh or its interval changes,
// and again one interval after each firing; an interval of 0 or less never
// fires.
class VirtualClock {
  public:
    int64_t now_ms() const { return now_; }

    // Takes in the timers of `forms` (the open windows) and forgets those of
    // windows that are gone. Call it before a closed window is freed.
    void track(const std::vector<Form*>& forms);

    // Moves the clock `ms` forward, firing each due timer in time order (timers
    // due at the same moment in the order they were scheduled). After each
    // firing the open windows are tracked again and `settle` runs; when it
    // returns false the clock stops where it is. Firings of a holding timer
    // (see Timer::holds) are passed over at once up to the next moment
    // another timer is due, as running them would change nothing.
    void advance(int64_t ms, const std::function<std::vector<Form*>()>& open_forms,
                 const std::function<bool()>& settle);

  private:
    struct Entry {
        Subscription subscription;
        bool enabled = false;
        int interval = 0;
        uint64_t starts = 0;
        std::optional<int64_t> due;
        uint64_t order = 0; // when it was scheduled, for ties
    };

    void adopt(Timer& timer);
    void changed(Timer& timer);
    void schedule(Entry& entry, int64_t from);
    Timer* next_due(int64_t until);
    bool pass_over(Entry& entry, int64_t until);

    int64_t now_ = 0;
    uint64_t next_order_ = 0;
    // Keyed by address: a timer stays at its address until its window is
    // freed, and track() forgets it before that.
    std::map<Timer*, Entry> entries_;
};

} // namespace zqf::cli
