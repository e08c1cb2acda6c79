#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace zqf {

// How the system schedules a thread that asked for better timing.
struct ThreadScheduling {
    enum class Kind {
        asking,        // the request is under way; the thread runs as a normal one
        realtime,      // real-time round robin at `level`
        high_priority, // a normal thread at nice `level`
        normal,        // a normal thread with a short timer slack
        unavailable,   // there is no thread: the system would not give one
    };
    Kind kind = Kind::asking;
    int level = 0;
    // Why nothing better was granted, in the bus's or the service's words;
    // why there is no thread at all.
    std::string reason;
    // The kernel took the thread's request for a short time slice.
    bool short_slice = false;
};

// The timer slack the tick thread asks for, in nanoseconds.
inline constexpr unsigned long tick_timer_slack_ns = 1000;
// The time slice it asks for as a normal thread: the shortest the kernel
// takes, which lets it run sooner when it wakes on a busy machine.
inline constexpr uint64_t tick_slice_ns = 100'000;

// One sentence on how exerciser ticks are scheduled, for the about window.
std::string describe_tick_scheduling(const ThreadScheduling& scheduling);

// The system bus: $DBUS_SYSTEM_BUS_ADDRESS, or the standard socket.
std::string system_bus_address();

// Asks RealtimeKit, the desktop's broker of scheduling priorities, over the
// D-Bus at `bus_address` to make thread `thread_id` of this process real-time;
// failing that, to raise its priority. The service wants the process's
// RLIMIT_RTTIME no larger than its own maximum, so that limit is lowered
// first. Never needs privileges; every
// step waits at most `timeout`, so a bus that hangs costs a few of them.
// Nothing is granted where there is no bus or no service: the answer is then
// `normal` with the reason.
ThreadScheduling ask_realtime_kit(int64_t thread_id, const std::string& bus_address,
                                  std::chrono::milliseconds timeout);

} // namespace zqf
