#pragma once

#include "core/ui/form.h"
#include "platform/linux/monotonic_timer.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace zqf::cli {

// The timers of the open windows on real time, for a poll loop: each running
// Timer control has a timer descriptor with absolute expiries at the moment it
// was started (or its interval changed) plus whole intervals, so the time the
// ticks take never adds up into drift. A backlog of more than a quarter of a
// second is cut short, as the desktop's ticker does.
class ServeTimers {
  public:
    // Takes in the timers of `forms` and forgets those of windows gone. Call
    // it after every event, before closed windows are freed.
    void track(const std::vector<Form*>& forms);

    // The descriptors to watch for input.
    std::vector<int> descriptors() const;

    // The descriptor has become readable: runs the ticks that came due, each
    // through `run` (which fires the timer); `after` runs after each tick and
    // returns false when the loop must look again before the next.
    void expired(int fd, const std::function<void(Timer&)>& run,
                 const std::function<void()>& after);

  private:
    struct Entry {
        Subscription subscription;
        std::unique_ptr<MonotonicTimer> clock;
        bool armed = false;
        int interval = 0;
        uint64_t starts = 0;
    };

    void follow(Timer& timer);

    std::map<Timer*, Entry> entries_;
    std::vector<Form*> forms_;
};

} // namespace zqf::cli
