#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>

class QSocketNotifier;
class QTimer;

namespace zqf {
class MonotonicTimer;
}

namespace zqf::qt {

// A periodic tick on the event loop's own thread, due at anchor + k x interval
// on the monotonic clock, so the time the ticks themselves take never adds up
// into drift. It wakes on a timer descriptor with absolute expiries, watched
// like a socket; where the system has none to give, on a precise Qt timer
// armed afresh for each due time.
//
// Every tick of the grid runs once, in order: ticks that came due while the
// loop was busy run at the next wake-up, one after the other, so the count of
// ticks matches the time passed. Only a backlog of more than a quarter of a
// second is cut short, and ticks due while the ticker is paused are dropped:
// after a pause it goes on at the next point of its grid.
class PreciseTicker : public QObject {
  public:
    PreciseTicker(QObject* parent, std::function<void()> tick);
    ~PreciseTicker() override;

    // A fresh schedule: ticks due at now + k x interval_ms, k = 1, 2, ...
    void schedule(int interval_ms);
    // No more ticks until the next schedule.
    void unschedule();
    // Paused, the schedule is kept but nothing fires; resumed, the next tick
    // is the first one due after that moment.
    void set_paused(bool paused);

    bool scheduled() const { return interval_ns_ > 0; }
    // Scheduled and not paused: ticks will come.
    bool running() const { return scheduled() && !paused_; }
    // Ticks given up: due while paused, or beyond the backlog that is caught up.
    uint64_t dropped() const { return dropped_; }

  private:
    void use_fallback();
    void arm();
    void disarm();
    void expired();
    // The last point of the grid at or before `now_ns` (0 before the first).
    int64_t point_at(int64_t now_ns) const;

    std::function<void()> tick_;
    std::unique_ptr<MonotonicTimer> clock_;
    QSocketNotifier* notifier_ = nullptr;
    QTimer* fallback_ = nullptr;
    int64_t anchor_ns_ = 0;
    int64_t interval_ns_ = 0;
    int64_t done_ = 0; // the grid points whose tick has run or been dropped
    bool paused_ = false;
    uint64_t generation_ = 0; // moves on every schedule, pause and resume
    uint64_t dropped_ = 0;
};

} // namespace zqf::qt
