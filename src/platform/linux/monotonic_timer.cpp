#include "platform/linux/monotonic_timer.h"

#include <sys/timerfd.h>
#include <time.h>
#include <unistd.h>

namespace zqf {

namespace {

constexpr int64_t ns_per_s = 1'000'000'000;

timespec to_timespec(int64_t ns) {
    return {static_cast<time_t>(ns / ns_per_s), static_cast<long>(ns % ns_per_s)};
}

} // namespace

int64_t monotonic_ns() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * ns_per_s + now.tv_nsec;
}

std::unique_ptr<MonotonicTimer> MonotonicTimer::create() {
    const int fd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd < 0) {
        return nullptr;
    }
    return std::unique_ptr<MonotonicTimer>(new MonotonicTimer(fd));
}

MonotonicTimer::~MonotonicTimer() {
    close(fd_);
}

bool MonotonicTimer::arm(int64_t first_ns, int64_t period_ns) {
    if (first_ns <= 0 || period_ns <= 0) {
        return false;
    }
    const itimerspec times{to_timespec(period_ns), to_timespec(first_ns)};
    return timerfd_settime(fd_, TFD_TIMER_ABSTIME, &times, nullptr) == 0;
}

void MonotonicTimer::disarm() {
    const itimerspec none{};
    timerfd_settime(fd_, 0, &none, nullptr);
}

uint64_t MonotonicTimer::take_expiries() {
    uint64_t expiries = 0;
    if (read(fd_, &expiries, sizeof expiries) != static_cast<ssize_t>(sizeof expiries)) {
        return 0;
    }
    return expiries;
}

} // namespace zqf
