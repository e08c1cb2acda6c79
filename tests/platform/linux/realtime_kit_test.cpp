// Asking RealtimeKit for the tick thread's priority: over a real bus daemon
// (a private one) to a stand-in for the service that answers as the
// published interface says; without a bus; and against a bus that never
// answers, which must cost neither start-up nor a tick.
#include "platform/linux/realtime_kit.h"
#include "platform/linux/tick_thread.h"
#include "temp_dir.h"

#include <dbus/dbus.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace zqf {
namespace {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

// A bus daemon of the test's own, ended with the test; no address where
// none can be started.
class PrivateBus {
  public:
    explicit PrivateBus(const std::string& folder) : socket_(folder + "/bus") {
        const std::string command = "dbus-daemon --session --fork --print-address=1 "
                                    "--print-pid=1 --address=unix:path=" +
                                    socket_ + " 2>/dev/null";
        FILE* printed = popen(command.c_str(), "r");
        if (printed == nullptr) {
            return;
        }
        char address[512] = {};
        if (std::fscanf(printed, "%511s %d", address, &pid_) == 2) {
            address_ = address;
        }
        pclose(printed);
    }
    // The daemon removes its socket as it goes; the folder is removed only
    // after that, or the two would race over the socket file.
    ~PrivateBus() {
        if (pid_ <= 0) {
            return;
        }
        kill(pid_, SIGTERM);
        for (int i = 0; i < 200 && access(socket_.c_str(), F_OK) == 0; ++i) {
            std::this_thread::sleep_for(milliseconds(10));
        }
    }
    PrivateBus(const PrivateBus&) = delete;
    PrivateBus& operator=(const PrivateBus&) = delete;

    const std::string& address() const { return address_; }

  private:
    const std::string socket_;
    pid_t pid_ = 0;
    std::string address_;
};

// What the stand-in was asked.
struct Asked {
    std::optional<uint64_t> thread;
    std::optional<int32_t> priority;
    std::optional<int32_t> nice;
    rlimit rttime_then{};
};

// Answers on the bus as org.freedesktop.RealtimeKit1 does: three properties
// and the two methods, granting real-time or refusing it.
class StandIn {
  public:
    StandIn(const std::string& address, bool refuse_realtime) : refuse_(refuse_realtime) {
        DBusError error;
        dbus_error_init(&error);
        bus_ = dbus_connection_open_private(address.c_str(), &error);
        if (bus_ == nullptr || !dbus_bus_register(bus_, &error) ||
            dbus_bus_request_name(bus_, "org.freedesktop.RealtimeKit1", DBUS_NAME_FLAG_DO_NOT_QUEUE,
                                  &error) != DBUS_REQUEST_NAME_REPLY_PRIMARY_OWNER) {
            dbus_error_free(&error);
            return;
        }
        ready_ = true;
        thread_ = std::thread([this] {
            while (!stop_) {
                dbus_connection_read_write(bus_, 20);
                while (DBusMessage* message = dbus_connection_pop_message(bus_)) {
                    answer(message);
                    dbus_message_unref(message);
                }
            }
        });
    }
    ~StandIn() {
        stop_ = true;
        if (thread_.joinable()) {
            thread_.join();
        }
        if (bus_ != nullptr) {
            dbus_connection_close(bus_);
            dbus_connection_unref(bus_);
        }
    }
    StandIn(const StandIn&) = delete;
    StandIn& operator=(const StandIn&) = delete;

    bool ready() const { return ready_; }
    Asked asked() const {
        const std::scoped_lock hold(mutex_);
        return asked_;
    }

  private:
    void answer(DBusMessage* call) {
        if (dbus_message_get_type(call) != DBUS_MESSAGE_TYPE_METHOD_CALL) {
            return;
        }
        DBusMessage* reply = nullptr;
        DBusError error;
        dbus_error_init(&error);
        const std::string method = dbus_message_get_member(call);
        if (method == "Get") {
            const char* interface = nullptr;
            const char* name = nullptr;
            dbus_message_get_args(call, &error, DBUS_TYPE_STRING, &interface, DBUS_TYPE_STRING,
                                  &name, DBUS_TYPE_INVALID);
            reply = property(call, name == nullptr ? "" : name);
        } else if (method == "MakeThreadRealtime" || method == "MakeThreadHighPriority") {
            // (t thread, u priority) and (t thread, i nice level)
            const bool realtime = method == "MakeThreadRealtime";
            dbus_uint64_t thread = 0;
            dbus_int32_t level = 0;
            dbus_message_get_args(call, &error, DBUS_TYPE_UINT64, &thread,
                                  realtime ? DBUS_TYPE_UINT32 : DBUS_TYPE_INT32, &level,
                                  DBUS_TYPE_INVALID);
            const std::scoped_lock hold(mutex_);
            asked_.thread = thread;
            (realtime ? asked_.priority : asked_.nice) = level;
            getrlimit(RLIMIT_RTTIME, &asked_.rttime_then);
            reply = realtime && refuse_
                        ? dbus_message_new_error(call, DBUS_ERROR_ACCESS_DENIED, "not now")
                        : dbus_message_new_method_return(call);
        }
        dbus_error_free(&error);
        if (reply != nullptr) {
            dbus_connection_send(bus_, reply, nullptr);
            dbus_connection_flush(bus_);
            dbus_message_unref(reply);
        }
    }

    static DBusMessage* property(DBusMessage* call, const std::string& name) {
        DBusMessage* reply = dbus_message_new_method_return(call);
        DBusMessageIter iter;
        DBusMessageIter variant;
        dbus_message_iter_init_append(reply, &iter);
        if (name == "RTTimeUSecMax") {
            const dbus_int64_t value = 200000;
            dbus_message_iter_open_container(&iter, DBUS_TYPE_VARIANT, "x", &variant);
            dbus_message_iter_append_basic(&variant, DBUS_TYPE_INT64, &value);
        } else {
            const dbus_int32_t value = name == "MaxRealtimePriority" ? 17 : -11;
            dbus_message_iter_open_container(&iter, DBUS_TYPE_VARIANT, "i", &variant);
            dbus_message_iter_append_basic(&variant, DBUS_TYPE_INT32, &value);
        }
        dbus_message_iter_close_container(&iter, &variant);
        return reply;
    }

    DBusConnection* bus_ = nullptr;
    const bool refuse_;
    bool ready_ = false;
    std::atomic<bool> stop_{false};
    std::thread thread_;
    mutable std::mutex mutex_;
    Asked asked_;
};

// The stand-in on a bus of its own; the bus address is empty where no daemon runs.
struct ServiceOnBus {
    explicit ServiceOnBus(bool refuse_realtime)
        : bus(folder.path().string()), service(bus.address(), refuse_realtime) {}

    const testing::TempDir folder;
    const PrivateBus bus;
    const StandIn service;
};

ThreadScheduling settled(const TickThread& thread) {
    for (int i = 0; i < 500 && thread.scheduling().kind == ThreadScheduling::Kind::asking; ++i) {
        std::this_thread::sleep_for(milliseconds(10));
    }
    return thread.scheduling();
}

TEST(RealtimeKit, TheTickThreadIsMadeRealtimeWithTheRunTimeLimitTheServiceWants) {
    const ServiceOnBus on(false);
    if (on.bus.address().empty()) {
        GTEST_SKIP() << "no dbus-daemon to run a private bus";
    }
    ASSERT_TRUE(on.service.ready());

    TickThread thread(on.bus.address(), milliseconds(2000));
    const ThreadScheduling scheduling = settled(thread);
    EXPECT_EQ(scheduling.kind, ThreadScheduling::Kind::realtime) << scheduling.reason;
    EXPECT_EQ(scheduling.level, 17);
    const Asked asked = on.service.asked();
    EXPECT_EQ(asked.priority, 17);
    EXPECT_LE(asked.rttime_then.rlim_max, 200000U);
    EXPECT_EQ(asked.rttime_then.rlim_cur, asked.rttime_then.rlim_max);
    // The thread asked for is the one the ticks run on.
    std::recursive_mutex lock;
    int64_t ticked_on = 0;
    const auto schedule = thread.add(lock, [&ticked_on] { ticked_on = gettid(); });
    schedule->schedule(1);
    const auto ticked = [&] {
        const std::scoped_lock hold(lock);
        return ticked_on;
    };
    for (int i = 0; i < 500 && ticked() == 0; ++i) {
        std::this_thread::sleep_for(milliseconds(2));
    }
    ASSERT_TRUE(asked.thread.has_value());
    EXPECT_EQ(static_cast<int64_t>(*asked.thread), ticked());
}

TEST(RealtimeKit, RealtimeRefusedGivesTheBestNiceLevel) {
    const ServiceOnBus on(true);
    if (on.bus.address().empty()) {
        GTEST_SKIP() << "no dbus-daemon to run a private bus";
    }
    ASSERT_TRUE(on.service.ready());

    const ThreadScheduling scheduling =
        ask_realtime_kit(4242, on.bus.address(), milliseconds(2000));
    EXPECT_EQ(scheduling.kind, ThreadScheduling::Kind::high_priority) << scheduling.reason;
    EXPECT_EQ(scheduling.level, -11);
    EXPECT_EQ(on.service.asked().nice, -11);
    EXPECT_EQ(on.service.asked().thread, 4242U);
}

TEST(RealtimeKit, NoBusMeansANormalThreadWithTheReason) {
    const auto start = Clock::now();
    const ThreadScheduling scheduling =
        ask_realtime_kit(1, "unix:path=/nonexistent/system_bus_socket", milliseconds(200));
    EXPECT_LT(Clock::now() - start, milliseconds(1000));
    EXPECT_EQ(scheduling.kind, ThreadScheduling::Kind::normal);
    EXPECT_NE(scheduling.reason.find("/nonexistent/system_bus_socket"), std::string::npos);
    EXPECT_NE(describe_tick_scheduling(scheduling).find("normal priority"), std::string::npos);
}

// A bus that takes the connection and never says a word: the question gives
// up after its timeout, and the ticks never waited for it.
TEST(RealtimeKit, ABusThatNeverAnswersDelaysNoTick) {
    const testing::TempDir folder;
    const std::string path = folder.path().string() + "/silent";
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un where{};
    where.sun_family = AF_UNIX;
    std::strncpy(where.sun_path, path.c_str(), sizeof where.sun_path - 1);
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&where), sizeof where), 0);
    ASSERT_EQ(listen(listener, 4), 0);

    const auto start = Clock::now();
    TickThread thread("unix:path=" + path, milliseconds(600));
    EXPECT_LT(Clock::now() - start, milliseconds(100));
    std::recursive_mutex lock;
    int ticks = 0;
    const auto schedule = thread.add(lock, [&ticks] { ++ticks; });
    schedule->schedule(1);
    for (int i = 0; i < 300; ++i) {
        std::this_thread::sleep_for(milliseconds(1));
        const std::scoped_lock hold(lock);
        if (ticks >= 20) {
            break;
        }
    }
    {
        const std::scoped_lock hold(lock);
        EXPECT_GE(ticks, 20);
    }
    EXPECT_EQ(thread.scheduling().kind, ThreadScheduling::Kind::asking);
    const ThreadScheduling scheduling = settled(thread);
    EXPECT_EQ(scheduling.kind, ThreadScheduling::Kind::normal);
    EXPECT_LT(Clock::now() - start, milliseconds(3000));
    close(listener);
}

} // namespace
} // namespace zqf
