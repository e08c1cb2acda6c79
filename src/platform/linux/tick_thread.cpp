#include "platform/linux/tick_thread.h"

#include "platform/linux/monotonic_timer.h"

#include <pthread.h>
#include <sched.h>
#include <sys/epoll.h>
#include <sys/eventfd.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <future>
#include <system_error>

namespace zqf {

namespace {

constexpr int64_t ns_per_ms = 1'000'000;
// The longest stretch of late ticks that is still caught up.
constexpr int64_t catch_up_ns = 250 * ns_per_ms;
// How long late ticks run back to back before the thread sleeps a moment: a
// real-time thread that never sleeps is stopped by the kernel, and the rest
// of the program gets a core meanwhile.
constexpr int64_t busy_ns = 20 * ns_per_ms;
constexpr auto breather = std::chrono::microseconds(100);

std::string system_error(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// Asks the kernel's fair scheduler for a short time slice for the calling
// thread, at its present nice level: a thread that wakes with a short slice
// is let run sooner on a busy machine. Needs no privileges; older kernels
// refuse or ignore it.
bool ask_short_slice() {
    struct {
        uint32_t size;
        uint32_t policy;
        uint64_t flags;
        int32_t nice;
        uint32_t priority;
        uint64_t runtime;
        uint64_t deadline;
        uint64_t period;
    } attributes{};
    attributes.size = sizeof attributes;
    attributes.policy = SCHED_OTHER;
    attributes.nice = getpriority(PRIO_PROCESS, 0);
    attributes.runtime = tick_slice_ns;
    return syscall(SYS_sched_setattr, 0, &attributes, 0) == 0;
}

} // namespace

// A schedule as the thread sees it. Everything below `id` changes only with
// `lock` held.
struct TickThread::Entry {
    Entry(std::recursive_mutex& l, std::function<void()> t) : lock(l), tick(std::move(t)) {}

    bool scheduled() const { return interval_ns > 0; }
    bool running() const { return scheduled() && !paused && clock != nullptr; }
    // The last point of the grid at or before `now_ns` (0 before the first).
    int64_t point_at(int64_t now_ns) const {
        return now_ns > anchor_ns ? (now_ns - anchor_ns) / interval_ns : 0;
    }
    void arm() {
        if (!running()) {
            if (clock != nullptr) {
                clock->disarm();
            }
            return;
        }
        const int64_t due =
            anchor_ns + (std::max(point_at(monotonic_ns()), done) + 1) * interval_ns;
        clock->arm(due, interval_ns);
    }

    std::recursive_mutex& lock;
    const std::function<void()> tick;
    std::unique_ptr<MonotonicTimer> clock; // none when the system gave none
    uint64_t id = 0;
    int64_t anchor_ns = 0;
    int64_t interval_ns = 0;
    int64_t done = 0; // the grid points whose tick has run or been dropped
    bool paused = false;
    uint64_t generation = 0; // moves on every schedule, pause and resume
    uint64_t dropped = 0;
};

TickThread::TickThread(std::string bus_address, std::chrono::milliseconds timeout) {
    epoll_ = epoll_create1(EPOLL_CLOEXEC);
    wake_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    epoll_event wake{};
    wake.events = EPOLLIN;
    wake.data.u64 = 0;
    if (epoll_ < 0 || wake_ < 0 || epoll_ctl(epoll_, EPOLL_CTL_ADD, wake_, &wake) != 0) {
        scheduling_ = {ThreadScheduling::Kind::unavailable, 0, system_error("no event descriptor")};
        return;
    }
    std::promise<int64_t> started;
    std::future<int64_t> id = started.get_future();
    try {
        thread_ = std::thread([this, started = std::move(started)]() mutable {
            prctl(PR_SET_TIMERSLACK, tick_timer_slack_ns, 0, 0, 0);
            short_slice_ = ask_short_slice();
            // What `top -H` and a profiler call it.
            pthread_setname_np(pthread_self(), "exerciser ticks");
            started.set_value(gettid());
            run();
        });
    } catch (const std::system_error& error) {
        scheduling_ = {ThreadScheduling::Kind::unavailable, 0, error.what()};
        return;
    }
    thread_id_ = id.get();
    try {
        asking_ = std::thread([this, address = std::move(bus_address), timeout] {
            set_scheduling(ask_realtime_kit(thread_id_, address, timeout));
        });
    } catch (const std::system_error& error) {
        scheduling_ = {ThreadScheduling::Kind::normal, 0, error.what()};
    }
}

TickThread::~TickThread() {
    stopping_ = true;
    if (thread_.joinable()) {
        const uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = write(wake_, &one, sizeof one);
        thread_.join();
    }
    if (asking_.joinable()) {
        asking_.join();
    }
    for (const int fd : {wake_, epoll_}) {
        if (fd >= 0) {
            close(fd);
        }
    }
}

ThreadScheduling TickThread::scheduling() const {
    const std::scoped_lock hold(status_mutex_);
    ThreadScheduling scheduling = scheduling_;
    scheduling.short_slice = short_slice_;
    return scheduling;
}

void TickThread::set_scheduling(ThreadScheduling scheduling) {
    const std::scoped_lock hold(status_mutex_);
    scheduling_ = std::move(scheduling);
}

std::unique_ptr<TickThread::Schedule> TickThread::add(std::recursive_mutex& lock,
                                                      std::function<void()> tick) {
    auto entry = std::make_shared<Entry>(lock, std::move(tick));
    if (thread_.joinable()) {
        entry->clock = MonotonicTimer::create();
    }
    if (entry->clock != nullptr) {
        const std::scoped_lock hold(registry_mutex_);
        entry->id = ++next_id_;
        epoll_event ready{};
        ready.events = EPOLLIN;
        ready.data.u64 = entry->id;
        if (epoll_ctl(epoll_, EPOLL_CTL_ADD, entry->clock->fd(), &ready) == 0) {
            registry_.emplace(entry->id, entry);
        } else {
            entry->clock.reset();
        }
    }
    return std::unique_ptr<Schedule>(new Schedule(*this, std::move(entry)));
}

std::shared_ptr<TickThread::Entry> TickThread::find(uint64_t id) const {
    const std::scoped_lock hold(registry_mutex_);
    const auto it = registry_.find(id);
    return it == registry_.end() ? nullptr : it->second;
}

void TickThread::remove(const Entry& entry) {
    const std::scoped_lock hold(registry_mutex_);
    if (registry_.erase(entry.id) != 0) {
        epoll_ctl(epoll_, EPOLL_CTL_DEL, entry.clock->fd(), nullptr);
    }
}

void TickThread::run() {
    std::array<epoll_event, 8> events{};
    while (!stopping_) {
        const int ready = epoll_wait(epoll_, events.data(), static_cast<int>(events.size()), -1);
        if (ready < 0 && errno != EINTR) {
            set_scheduling(
                {ThreadScheduling::Kind::unavailable, 0, system_error("waiting failed")});
            return;
        }
        for (int i = 0; i < ready && !stopping_; ++i) {
            const uint64_t id = events[static_cast<std::size_t>(i)].data.u64;
            if (id == 0) {
                continue;
            }
            // Held here, the entry (and its descriptor) outlives a removal
            // made meanwhile; the removal shows in its state.
            if (const std::shared_ptr<Entry> entry = find(id)) {
                run_due(*entry);
            }
        }
    }
}

void TickThread::run_due(Entry& entry) {
    const int64_t woke = monotonic_ns();
    std::unique_lock hold(entry.lock);
    const int64_t held = monotonic_ns();
    if (entry.clock == nullptr) {
        return;
    }
    entry.clock->take_expiries();
    if (!entry.running()) {
        return;
    }
    const int64_t due = entry.anchor_ns + (entry.done + 1) * entry.interval_ns;
    if (woke >= due) {
        wake_latency_.add(woke - due);
        lock_wait_.add(held - woke);
    }
    const int64_t reached = entry.point_at(held);
    const int64_t most = std::max<int64_t>(1, catch_up_ns / entry.interval_ns);
    if (reached - entry.done > most) {
        entry.dropped += static_cast<uint64_t>(reached - entry.done - most);
        entry.done = reached - most;
    }
    // A tick may stop, restart or pause its schedule; what was due then is no
    // longer this loop's business.
    const uint64_t generation = entry.generation;
    int64_t busy_since = held;
    while (entry.done < reached && generation == entry.generation && !stopping_) {
        ++entry.done;
        entry.tick();
        if (entry.done == reached) {
            break;
        }
        hold.unlock();
        if (monotonic_ns() - busy_since > busy_ns) {
            std::this_thread::sleep_for(breather);
            busy_since = monotonic_ns();
        }
        hold.lock();
    }
}

TickThread::Schedule::~Schedule() {
    {
        const std::scoped_lock hold(entry_->lock);
        ++entry_->generation;
        entry_->interval_ns = 0;
        entry_->arm();
    }
    if (entry_->clock != nullptr) {
        thread_.remove(*entry_);
    }
}

bool TickThread::Schedule::schedule(int interval_ms) {
    if (interval_ms <= 0) {
        unschedule();
        return true;
    }
    const std::scoped_lock hold(entry_->lock);
    ++entry_->generation;
    entry_->anchor_ns = monotonic_ns();
    entry_->interval_ns = int64_t{interval_ms} * ns_per_ms;
    entry_->done = 0;
    entry_->arm();
    return entry_->clock != nullptr;
}

void TickThread::Schedule::unschedule() {
    const std::scoped_lock hold(entry_->lock);
    ++entry_->generation;
    entry_->interval_ns = 0;
    entry_->arm();
}

void TickThread::Schedule::set_paused(bool paused) {
    const std::scoped_lock hold(entry_->lock);
    Entry& e = *entry_;
    if (paused == e.paused) {
        return;
    }
    ++e.generation;
    e.paused = paused;
    if (e.scheduled() && !paused) {
        const int64_t now = e.point_at(monotonic_ns());
        e.dropped += static_cast<uint64_t>(std::max<int64_t>(now - e.done, 0));
        e.done = std::max(e.done, now);
    }
    e.arm();
}

bool TickThread::Schedule::scheduled() const {
    const std::scoped_lock hold(entry_->lock);
    return entry_->scheduled();
}

bool TickThread::Schedule::running() const {
    const std::scoped_lock hold(entry_->lock);
    return entry_->running();
}

uint64_t TickThread::Schedule::dropped() const {
    const std::scoped_lock hold(entry_->lock);
    return entry_->dropped;
}

} // namespace zqf
