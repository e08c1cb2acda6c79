#include "platform/linux/realtime_kit.h"

#include <dbus/dbus.h>
#include <sys/resource.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>

namespace zqf {

namespace {

constexpr const char* service = "org.freedesktop.RealtimeKit1";
constexpr const char* service_path = "/org/freedesktop/RealtimeKit1";

// An error as libdbus reports it, freed at the end of its scope.
class BusError {
  public:
    BusError() { dbus_error_init(&error_); }
    ~BusError() { dbus_error_free(&error_); }
    BusError(const BusError&) = delete;
    BusError& operator=(const BusError&) = delete;

    DBusError* get() { return &error_; }
    bool set() const { return dbus_error_is_set(&error_) != 0; }
    // A call that got no answer in time: the other side hangs, asking on is useless.
    bool hung() const {
        return set() && (dbus_error_has_name(&error_, DBUS_ERROR_NO_REPLY) != 0 ||
                         dbus_error_has_name(&error_, DBUS_ERROR_TIMEOUT) != 0);
    }
    std::string text() const { return set() && error_.message != nullptr ? error_.message : ""; }

  private:
    DBusError error_;
};

struct MessageFree {
    void operator()(DBusMessage* message) const { dbus_message_unref(message); }
};
using Message = std::unique_ptr<DBusMessage, MessageFree>;

// A private connection to one bus, closed when done; every call waits at most
// the timeout, authentication and the greeting included.
class BusConnection {
  public:
    BusConnection(const std::string& address, std::chrono::milliseconds timeout)
        : timeout_ms_(static_cast<int>(timeout.count())) {
        BusError error;
        connection_ = dbus_connection_open_private(address.c_str(), error.get());
        if (connection_ == nullptr) {
            failure_ = error.text();
            return;
        }
        dbus_connection_set_exit_on_disconnect(connection_, FALSE);
        if (!authenticate(timeout)) {
            return;
        }
        // A bus takes nothing else from a connection that has not said hello.
        greeted_ =
            call(Message(dbus_message_new_method_call(DBUS_SERVICE_DBUS, DBUS_PATH_DBUS,
                                                      DBUS_INTERFACE_DBUS, "Hello"))) != nullptr;
    }
    ~BusConnection() {
        if (connection_ != nullptr) {
            dbus_connection_close(connection_);
            dbus_connection_unref(connection_);
        }
    }
    BusConnection(const BusConnection&) = delete;
    BusConnection& operator=(const BusConnection&) = delete;

    // Usable: connected, greeted, and nothing has hung so far.
    bool usable() const { return greeted_ && !hung_; }
    // Why the last call failed.
    const std::string& failure() const { return failure_; }

    // The reply, or nothing with failure() telling why.
    Message call(Message message) {
        if (message == nullptr || connection_ == nullptr || hung_) {
            failure_ = hung_ ? failure_ : "out of memory";
            return nullptr;
        }
        BusError error;
        Message reply(dbus_connection_send_with_reply_and_block(connection_, message.get(),
                                                                timeout_ms_, error.get()));
        if (reply == nullptr) {
            failure_ = error.text();
            hung_ = error.hung();
            return nullptr;
        }
        failure_.clear();
        return reply;
    }

  private:
    // libdbus would wait for the bus's half of the handshake without a
    // limit: the handshake is driven here, with one.
    bool authenticate(std::chrono::milliseconds timeout) {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point deadline = Clock::now() + timeout;
        while (!dbus_connection_get_is_authenticated(connection_)) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) {
                failure_ =
                    "the bus did not answer within " + std::to_string(timeout.count()) + " ms";
                hung_ = true;
                return false;
            }
            if (!dbus_connection_read_write(connection_, static_cast<int>(left.count()))) {
                failure_ = "the bus closed the connection";
                return false;
            }
        }
        return true;
    }

    DBusConnection* connection_ = nullptr;
    int timeout_ms_;
    std::string failure_;
    bool greeted_ = false;
    bool hung_ = false;
};

// A whole-number property of the service (its types are int32 and int64).
std::optional<int64_t> property(BusConnection& bus, const char* name) {
    Message get(
        dbus_message_new_method_call(service, service_path, DBUS_INTERFACE_PROPERTIES, "Get"));
    const char* interface = service;
    if (get == nullptr || !dbus_message_append_args(get.get(), DBUS_TYPE_STRING, &interface,
                                                    DBUS_TYPE_STRING, &name, DBUS_TYPE_INVALID)) {
        return std::nullopt;
    }
    const Message reply = bus.call(std::move(get));
    DBusMessageIter iter;
    if (reply == nullptr || !dbus_message_iter_init(reply.get(), &iter) ||
        dbus_message_iter_get_arg_type(&iter) != DBUS_TYPE_VARIANT) {
        return std::nullopt;
    }
    DBusMessageIter value;
    dbus_message_iter_recurse(&iter, &value);
    switch (dbus_message_iter_get_arg_type(&value)) {
    case DBUS_TYPE_INT32: {
        dbus_int32_t v = 0;
        dbus_message_iter_get_basic(&value, &v);
        return v;
    }
    case DBUS_TYPE_INT64: {
        dbus_int64_t v = 0;
        dbus_message_iter_get_basic(&value, &v);
        return v;
    }
    default:
        return std::nullopt;
    }
}

// Calls one of the service's two methods for the thread; true when granted.
bool make_thread(BusConnection& bus, const char* method, int64_t thread_id, int level) {
    Message call(dbus_message_new_method_call(service, service_path, service, method));
    const auto thread = static_cast<dbus_uint64_t>(thread_id);
    const auto priority = static_cast<dbus_uint32_t>(level);
    const auto nice = static_cast<dbus_int32_t>(level);
    const bool realtime = std::string_view(method) == "MakeThreadRealtime";
    const bool built =
        call != nullptr &&
        (realtime ? dbus_message_append_args(call.get(), DBUS_TYPE_UINT64, &thread,
                                             DBUS_TYPE_UINT32, &priority, DBUS_TYPE_INVALID)
                  : dbus_message_append_args(call.get(), DBUS_TYPE_UINT64, &thread, DBUS_TYPE_INT32,
                                             &nice, DBUS_TYPE_INVALID));
    return built && bus.call(std::move(call)) != nullptr;
}

ThreadScheduling normal(std::string reason) {
    return {ThreadScheduling::Kind::normal, 0, std::move(reason)};
}

ThreadScheduling ask_for_realtime(BusConnection& bus, int64_t thread_id) {
    const std::optional<int64_t> priority = property(bus, "MaxRealtimePriority");
    const std::optional<int64_t> rttime = property(bus, "RTTimeUSecMax");
    if (!priority || !rttime || *priority < 1 || *rttime < 1) {
        return normal(bus.failure());
    }
    // The service grants real-time only to a process that cannot spin for
    // longer than its limit of CPU time between two sleeps. The lowered limit
    // stays if real-time is refused: it binds only real-time threads, and a
    // process without privileges could not raise it again anyway.
    rlimit limit{};
    getrlimit(RLIMIT_RTTIME, &limit);
    limit.rlim_max = std::min<rlim_t>(limit.rlim_max, static_cast<rlim_t>(*rttime));
    limit.rlim_cur = limit.rlim_max;
    if (setrlimit(RLIMIT_RTTIME, &limit) != 0) {
        return normal(std::string("the run-time limit cannot be set: ") + std::strerror(errno));
    }
    if (!make_thread(bus, "MakeThreadRealtime", thread_id, static_cast<int>(*priority))) {
        return normal(bus.failure());
    }
    return {ThreadScheduling::Kind::realtime, static_cast<int>(*priority), {}};
}

} // namespace

std::string system_bus_address() {
    const char* address = std::getenv("DBUS_SYSTEM_BUS_ADDRESS");
    return address != nullptr && *address != '\0' ? address
                                                  : "unix:path=/run/dbus/system_bus_socket";
}

ThreadScheduling ask_realtime_kit(int64_t thread_id, const std::string& bus_address,
                                  std::chrono::milliseconds timeout) {
    BusConnection bus(bus_address, timeout);
    if (!bus.usable()) {
        return normal(bus.failure());
    }
    ThreadScheduling realtime = ask_for_realtime(bus, thread_id);
    if (realtime.kind == ThreadScheduling::Kind::realtime || !bus.usable()) {
        return realtime;
    }
    // Refused real-time: the best nice level the service gives out.
    const std::optional<int64_t> nice = property(bus, "MinNiceLevel");
    if (nice && *nice < 0 &&
        make_thread(bus, "MakeThreadHighPriority", thread_id, static_cast<int>(*nice))) {
        return {ThreadScheduling::Kind::high_priority, static_cast<int>(*nice), {}};
    }
    return realtime;
}

std::string describe_tick_scheduling(const ThreadScheduling& scheduling) {
    const std::string head = "Exerciser ticks run on a thread of their own";
    switch (scheduling.kind) {
    case ThreadScheduling::Kind::asking:
        return head + "; RealtimeKit is being asked for real-time priority.";
    case ThreadScheduling::Kind::realtime:
        return head + " at real-time priority " + std::to_string(scheduling.level) +
               ", granted by RealtimeKit.";
    case ThreadScheduling::Kind::high_priority:
        return head + " at nice level " + std::to_string(scheduling.level) +
               ", granted by RealtimeKit.";
    case ThreadScheduling::Kind::unavailable:
        return "Exerciser timers cannot run: " + scheduling.reason + ".";
    case ThreadScheduling::Kind::normal:
        break;
    }
    std::string text = head + " at normal priority with a " +
                       std::to_string(tick_timer_slack_ns / 1000) + " \u00b5s timer slack" +
                       (scheduling.short_slice ? " and a " + std::to_string(tick_slice_ns / 1000) +
                                                     " \u00b5s time slice"
                                               : "") +
                       ": RealtimeKit granted nothing better";
    return text + (scheduling.reason.empty() ? "." : " (" + scheduling.reason + ").");
}

} // namespace zqf
