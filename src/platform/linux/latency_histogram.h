#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>

namespace zqf {

// How late something came, counted in a handful of ranges wide enough to
// tell a scheduler's wake-up from a thread that waited for another. Counting
// is lock-free, so the thread being measured never waits for the reader.
class LatencyHistogram {
  public:
    // The upper ends of the ranges in microseconds; the last range is open.
    static constexpr std::array<int64_t, 9> bounds_us = {25,   50,   100,  200,  500,
                                                         1000, 2000, 5000, 10000};
    static constexpr std::size_t ranges = bounds_us.size() + 1;

    void add(int64_t late_ns) {
        std::size_t range = 0;
        while (range < bounds_us.size() && late_ns >= bounds_us[range] * 1000) {
            ++range;
        }
        counts_[range].fetch_add(1, std::memory_order_relaxed);
    }

    uint64_t count(std::size_t range) const {
        return counts_[range].load(std::memory_order_relaxed);
    }

    void clear() {
        for (auto& count : counts_) {
            count.store(0, std::memory_order_relaxed);
        }
    }

  private:
    std::array<std::atomic<uint64_t>, ranges> counts_{};
};

} // namespace zqf
