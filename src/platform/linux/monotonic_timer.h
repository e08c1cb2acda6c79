#pragma once

#include <cstdint>
#include <memory>

namespace zqf {

// Nanoseconds on the monotonic clock, which no change of the wall clock moves.
int64_t monotonic_ns();

// A timer file descriptor on the monotonic clock with absolute expiries: once
// armed it expires at first, first + period, first + 2 x period ..., so however
// late a reader comes, the expiries after stay where they were. The
// descriptor becomes readable at each expiry; reading never blocks.
class MonotonicTimer {
  public:
    // Nothing when the system gives no timer descriptor (none left, say).
    static std::unique_ptr<MonotonicTimer> create();
    ~MonotonicTimer();
    MonotonicTimer(const MonotonicTimer&) = delete;
    MonotonicTimer& operator=(const MonotonicTimer&) = delete;

    int fd() const { return fd_; }
    // False when the system refuses the times.
    bool arm(int64_t first_ns, int64_t period_ns);
    void disarm();
    // The expiries since it was last armed or read; 0 when there were none.
    uint64_t take_expiries();

  private:
    explicit MonotonicTimer(int fd) : fd_(fd) {}
    int fd_;
};

} // namespace zqf
