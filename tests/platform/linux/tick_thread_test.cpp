// The tick thread: ticks on the grid of their start and in order, never while
// another thread holds the model lock, a backlog caught up one step at a time,
// and schedules that can be changed from inside their own tick.
#include "platform/linux/monotonic_timer.h"
#include "platform/linux/tick_thread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <thread>
#include <vector>

namespace zqf {
namespace {

using std::chrono::milliseconds;
constexpr int64_t ms = 1'000'000;

// No bus to ask: the thread runs as a normal one at once.
TickThread quiet_thread() {
    return TickThread("unix:path=/nonexistent/bus", milliseconds(50));
}

// Waits (up to 5 s) until `done` holds, looking with the lock held.
template <typename F> bool eventually(std::recursive_mutex& lock, F done) {
    for (int i = 0; i < 500; ++i) {
        {
            const std::scoped_lock hold(lock);
            if (done()) {
                return true;
            }
        }
        std::this_thread::sleep_for(milliseconds(10));
    }
    return false;
}

TEST(TickThread, TicksKeepToTheGridOfTheirStartAndAPauseKeepsIt) {
    TickThread thread = quiet_thread();
    std::recursive_mutex lock;
    std::vector<int64_t> ticks;
    const auto schedule = thread.add(lock, [&ticks] { ticks.push_back(monotonic_ns()); });
    const int64_t t0 = monotonic_ns();
    ASSERT_TRUE(schedule->schedule(4));
    ASSERT_TRUE(eventually(lock, [&] { return ticks.size() >= 3; }));

    std::size_t before_pause = 0;
    int64_t resumed = 0;
    {
        const std::scoped_lock hold(lock);
        schedule->set_paused(true);
        before_pause = ticks.size();
    }
    std::this_thread::sleep_for(milliseconds(20));
    {
        const std::scoped_lock hold(lock);
        EXPECT_EQ(ticks.size(), before_pause);
        resumed = monotonic_ns();
        schedule->set_paused(false);
    }
    ASSERT_TRUE(eventually(lock, [&] { return ticks.size() >= before_pause + 3; }));
    const std::scoped_lock hold(lock);
    for (std::size_t k = 0; k < before_pause; ++k) {
        EXPECT_GE(ticks[k], t0 + static_cast<int64_t>(k + 1) * 4 * ms);
    }
    // After the pause the grid goes on from its first point after the resume.
    const int64_t first_point = t0 + ((resumed - t0) / (4 * ms) + 1) * 4 * ms;
    for (std::size_t k = before_pause; k < ticks.size(); ++k) {
        EXPECT_GE(ticks[k], first_point + static_cast<int64_t>(k - before_pause) * 4 * ms);
    }
    EXPECT_GE(schedule->dropped(), 3U);
}

// What the lock keeps apart: while another thread holds it, no tick runs; the
// ticks due meanwhile then run one after the other, in order, one per point
// of the grid.
TEST(TickThread, NoTickRunsWhileTheLockIsHeldAndTheBacklogIsCaughtUp) {
    TickThread thread = quiet_thread();
    std::recursive_mutex lock;
    std::vector<int64_t> ticks;
    bool busy = false;
    const auto schedule = thread.add(lock, [&] {
        EXPECT_FALSE(busy);
        ticks.push_back(monotonic_ns());
    });
    int64_t t0 = 0;
    int64_t released = 0;
    {
        const std::scoped_lock hold(lock);
        t0 = monotonic_ns();
        schedule->schedule(1);
        busy = true;
        std::this_thread::sleep_for(milliseconds(60));
        busy = false;
        released = monotonic_ns();
    }
    ASSERT_TRUE(eventually(lock, [&] { return ticks.size() >= 80; }));
    const std::scoped_lock hold(lock);
    schedule->unschedule();
    EXPECT_GE(ticks.front(), released);
    for (std::size_t k = 1; k < ticks.size(); ++k) {
        EXPECT_GE(ticks[k], ticks[k - 1]);
        EXPECT_GE(ticks[k], t0 + static_cast<int64_t>(k + 1) * ms);
    }
    // The points that passed while the lock was held were all run, none twice.
    const int64_t last_point = (ticks.back() - t0) / ms;
    EXPECT_LE(static_cast<int64_t>(ticks.size()), last_point);
    EXPECT_GE(static_cast<int64_t>(ticks.size()), last_point - 10);
    EXPECT_EQ(schedule->dropped(), 0U);
}

TEST(TickThread, ATickMayStopOrRestartItsOwnSchedule) {
    TickThread thread = quiet_thread();
    std::recursive_mutex lock;
    int ticks = 0;
    std::unique_ptr<TickThread::Schedule> schedule;
    schedule = thread.add(lock, [&] {
        if (++ticks == 3) {
            schedule->unschedule();
        } else {
            schedule->schedule(2);
        }
    });
    {
        const std::scoped_lock hold(lock);
        schedule->schedule(2);
    }
    ASSERT_TRUE(eventually(lock, [&] { return !schedule->scheduled(); }));
    std::this_thread::sleep_for(milliseconds(20));
    const std::scoped_lock hold(lock);
    EXPECT_EQ(ticks, 3);
}

} // namespace
} // namespace zqf
