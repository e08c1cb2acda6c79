#pragma once

#include "platform/linux/latency_histogram.h"
#include "platform/linux/realtime_kit.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace zqf {

// A thread of its own for periodic ticks that must keep time whatever else
// the program is busy with (painting, a dialog, a log window). Each schedule
// wakes on a timer descriptor with absolute expiries: tick k is due at
// start + k x interval, whatever the ticks before it cost.
//
// A tick runs with its schedule's lock held, the lock that every other reader
// and writer of the same models takes as well, so a tick never interleaves
// with anything else inside one step. Ticks run once each and in order: those
// that came due while the thread waited run one after the other, each a step
// of its own (what else waits for the lock may go between two). Only a
// backlog of more than a quarter of a second is cut short; ticks due while a
// schedule is paused are dropped.
//
// The thread asks RealtimeKit for real-time priority on a helper thread of
// its own, so neither start-up nor any tick waits for the answer; until then,
// and where nothing is granted, it runs as a normal thread with a short timer
// slack and a short time slice.
class TickThread {
  public:
    class Schedule;

    explicit TickThread(std::string bus_address = system_bus_address(),
                        std::chrono::milliseconds timeout = std::chrono::milliseconds(250));
    // Stops the thread. Never call it with a schedule's lock held: a tick may
    // be waiting for that lock. Every schedule must be gone before.
    ~TickThread();
    TickThread(const TickThread&) = delete;
    TickThread& operator=(const TickThread&) = delete;

    // A schedule whose ticks run `tick` on this thread with `lock` held; it
    // stays off until scheduled. The lock must outlive the thread.
    std::unique_ptr<Schedule> add(std::recursive_mutex& lock, std::function<void()> tick);

    // How the system schedules the thread (`asking` while the answer is out).
    ThreadScheduling scheduling() const;
    // The thread's id in the kernel, 0 where there is no thread.
    int64_t thread_id() const { return thread_id_; }

    // From the moment a tick was due to the moment the thread ran: the
    // kernel's part of a late tick.
    LatencyHistogram& wake_latency() { return wake_latency_; }
    // From the moment the thread ran to the moment it held the lock: the
    // part of the rest of the program.
    LatencyHistogram& lock_wait() { return lock_wait_; }

  private:
    struct Entry;
    void run();
    void run_due(Entry& entry);
    std::shared_ptr<Entry> find(uint64_t id) const;
    void remove(const Entry& entry);
    void set_scheduling(ThreadScheduling scheduling);

    int epoll_ = -1;
    int wake_ = -1; // an event descriptor that ends the wait when the thread stops
    std::atomic<bool> stopping_{false};
    std::thread thread_;
    std::thread asking_;
    int64_t thread_id_ = 0;
    bool short_slice_ = false; // set before thread_id_ is known
    mutable std::mutex status_mutex_;
    ThreadScheduling scheduling_;
    mutable std::mutex registry_mutex_;
    std::map<uint64_t, std::shared_ptr<Entry>> registry_;
    uint64_t next_id_ = 0;
    LatencyHistogram wake_latency_;
    LatencyHistogram lock_wait_;
};

// One periodic timer on the tick thread. Each call takes the schedule's lock
// (again, where the caller holds it), so the schedule may be changed from
// any thread, a tick of its own included.
class TickThread::Schedule {
  public:
    ~Schedule();
    Schedule(const Schedule&) = delete;
    Schedule& operator=(const Schedule&) = delete;

    // A fresh schedule: ticks due at now + k x interval_ms, k = 1, 2, ...
    // False when no tick can come (the system gave no thread or timer).
    bool schedule(int interval_ms);
    // No more ticks until the next schedule.
    void unschedule();
    // Paused, the schedule is kept but nothing fires; resumed, the next tick
    // is the first one due after that moment.
    void set_paused(bool paused);

    bool scheduled() const;
    // Scheduled and not paused: ticks will come.
    bool running() const;
    // Ticks given up: due while paused, or beyond the backlog that is caught up.
    uint64_t dropped() const;

  private:
    friend class TickThread;
    Schedule(TickThread& thread, std::shared_ptr<Entry> entry)
        : thread_(thread), entry_(std::move(entry)) {}

    TickThread& thread_;
    std::shared_ptr<Entry> entry_;
};

} // namespace zqf
