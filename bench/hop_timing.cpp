// How closely the desktop program keeps the lock-time hopper to its beat: the
// real Qt host (offscreen) with the main panel, the bus log and the chip state
// open, the hopper opened and started as a user would, its read-outs and the
// panel's changing with every hop, and every word the virtual board latches
// stamped on the monotonic clock. Tick k is due at t0 + k x interval; its
// error is how far the k-th latch lies from that, the drift is the last
// tick's signed error. In the same run a bare thread on a timer descriptor
// with the same interval measures the limit: how late the kernel wakes a
// thread here at all.
//
//   hop_timing [RUNS] [--load] [--histogram] [--bus-log] [--plot] [--no-status-line]
//     RUNS         runs each interval RUNS times (default 1), three lines a run:
//                  ours ("hop timing: ..."), the limit ("limit: ...") and
//                  their ratio; with more than one run, the medians follow
//     --load       keeps both cores busy meanwhile: two child processes that
//                  spin on a fixed loop, so a figure under load repeats
//     --histogram  after each run, where the time of ours went: the tick
//                  thread's wake-up latency and its wait for the model lock
//     --bus-log    accepted as before; the bus log is always open now
//     --plot       with the frequency plot open too
//     --no-status-line  with the main window's status line hidden (it follows
//                  the link only while shown)
#include "core/windows/program.h"
#include "platform/chip_geometry.h"
#include "platform/linux/monotonic_timer.h"
#include "platform/linux/tick_thread.h"
#include "platform/virtual_board.h"
#include "qt/host/qt_host.h"
#include "qt/views/views.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <mutex>
#include <string_view>
#include <thread>
#include <vector>

namespace {

using namespace zqf;

// The virtual board, with the moment of every latch.
class StampedBoard final : public Platform {
  public:
    explicit StampedBoard(VirtualBoard& board) : board_(board) {}

    int16_t claim_parallel_port(int32_t port_number, int32_t mode) override {
        return board_.claim_parallel_port(port_number, mode);
    }
    void out_byte(int32_t port, int32_t value) override {
        const int before = board_.latch_count();
        board_.out_byte(port, value);
        stamp(before);
    }
    int16_t load_firmware(const uint8_t* path) override { return board_.load_firmware(path); }
    int16_t vendor_request(int16_t request, int32_t value1, int32_t value2, int16_t value3,
                           int16_t length, uint8_t* buffer) override {
        const int before = board_.latch_count();
        const int16_t result =
            board_.vendor_request(request, value1, value2, value3, length, buffer);
        stamp(before);
        return result;
    }
    int16_t os_version() override { return board_.os_version(); }
    std::string parallel_port_name() const override { return board_.parallel_port_name(); }

    // Written on the tick thread with the model lock held.
    std::vector<int64_t> latches;
    // Runs once the wanted number of latches is in.
    std::size_t wanted = 0;
    std::function<void()> on_all_in;

  private:
    void stamp(int before) {
        if (board_.latch_count() == before || latches.size() >= wanted) {
            return;
        }
        latches.push_back(monotonic_ns());
        if (latches.size() == wanted && on_all_in) {
            on_all_in();
        }
    }
    VirtualBoard& board_;
};

struct Figures {
    double p50 = 0.0;
    double p99 = 0.0;
    double max = 0.0;
    double drift = 0.0;
};

Figures figures(int interval_ms, int64_t t0, const std::vector<int64_t>& times) {
    const int64_t interval = int64_t{interval_ms} * 1'000'000;
    std::vector<double> errors;
    Figures out;
    for (std::size_t k = 0; k < times.size(); ++k) {
        const auto due = t0 + static_cast<int64_t>(k + 1) * interval;
        out.drift = static_cast<double>(times[k] - due) / 1e6;
        errors.push_back(std::fabs(out.drift));
    }
    std::sort(errors.begin(), errors.end());
    const auto rank = [&errors](double share) {
        if (errors.empty()) {
            return 0.0;
        }
        const auto n = static_cast<double>(errors.size());
        const auto index = static_cast<std::size_t>(std::max(0.0, std::ceil(share * n) - 1.0));
        return errors[std::min(index, errors.size() - 1)];
    };
    out.p50 = rank(0.50);
    out.p99 = rank(0.99);
    out.max = errors.empty() ? 0.0 : errors.back();
    return out;
}

// Ours and the limit in one run.
struct Run {
    std::size_t ticks = 0;
    Figures ours;
    Figures limit;
};

void print(const char* what, int interval_ms, std::size_t ticks, const Figures& f) {
    std::printf("%s: interval %d ms, ticks %zu, error p50 %.2f ms, p99 %.2f ms, "
                "max %.2f ms, drift %.2f ms\n",
                what, interval_ms, ticks, f.p50, f.p99, f.max, f.drift);
}

void print_ratio(const char* what, const Figures& ours, const Figures& limit) {
    const auto ratio = [](double a, double b) { return b > 0.0 ? a / b : 0.0; };
    std::printf("%s: p50 %.2f, p99 %.2f, max %.2f\n", what, ratio(ours.p50, limit.p50),
                ratio(ours.p99, limit.p99), ratio(ours.max, limit.max));
}

// The median of each figure over the runs, ours and the limit apart.
void print_medians(int interval_ms, const std::vector<Run>& runs) {
    const auto median = [&runs](auto field) {
        std::vector<double> values;
        for (const Run& run : runs) {
            values.push_back(field(run));
        }
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    const auto of = [&median](Figures Run::*side) {
        return Figures{median([side](const Run& r) { return (r.*side).p50; }),
                       median([side](const Run& r) { return (r.*side).p99; }),
                       median([side](const Run& r) { return (r.*side).max; }),
                       median([side](const Run& r) { return (r.*side).drift; })};
    };
    const auto ticks =
        static_cast<std::size_t>(median([](const Run& r) { return static_cast<double>(r.ticks); }));
    std::printf("median of %zu runs:\n", runs.size());
    print("  hop timing", interval_ms, ticks, of(&Run::ours));
    print("  limit", interval_ms, ticks, of(&Run::limit));
    print_ratio("  ratio of the medians", of(&Run::ours), of(&Run::limit));
}

void print_histogram(const char* what, const LatencyHistogram& histogram) {
    std::printf("  %s (us):", what);
    int64_t low = 0;
    for (std::size_t range = 0; range < LatencyHistogram::ranges; ++range) {
        const uint64_t count = histogram.count(range);
        if (range < LatencyHistogram::bounds_us.size()) {
            const int64_t high = LatencyHistogram::bounds_us[range];
            std::printf(" %lld-%lld: %llu", static_cast<long long>(low),
                        static_cast<long long>(high), static_cast<unsigned long long>(count));
            low = high;
        } else {
            std::printf(" %lld+: %llu\n", static_cast<long long>(low),
                        static_cast<unsigned long long>(count));
        }
    }
}

// The limit: a thread of its own that does nothing but wait on a timer
// descriptor with the same absolute expiries, stamping each wake-up.
std::vector<int64_t> bare_timer(int interval_ms, std::size_t ticks, int64_t& t0) {
    std::vector<int64_t> times;
    // The windows stay alive meanwhile, as they are while ours ticks.
    QEventLoop loop;
    std::thread thread([&] {
        prctl(PR_SET_TIMERSLACK, tick_timer_slack_ns, 0, 0, 0);
        const std::unique_ptr<MonotonicTimer> timer = MonotonicTimer::create();
        const int64_t interval = int64_t{interval_ms} * 1'000'000;
        t0 = monotonic_ns();
        if (timer != nullptr && timer->arm(t0 + interval, interval)) {
            pollfd ready{timer->fd(), POLLIN, 0};
            while (times.size() < ticks && poll(&ready, 1, 5000) > 0) {
                const uint64_t expiries = timer->take_expiries();
                const int64_t now = monotonic_ns();
                for (uint64_t i = 0; i < expiries && times.size() < ticks; ++i) {
                    times.push_back(now);
                }
            }
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    thread.join();
    return times;
}

void click(qt::QtHost& host, Program& program, const char* form, const char* control) {
    host.run([&] { program.find(form)->find(control)->user_click(); });
}

struct Options {
    int runs = 1;
    bool load = false;
    bool histogram = false;
    bool plot = false;
    bool status_line = true;
};

Run measure(int interval_ms, int duration_ms, const Options& options) {
    const QTemporaryDir folder;
    qt::QtHost host(qt::default_views(), std::make_unique<qt::QtDialogs>());
    Program* running = nullptr;
    VirtualBoard board([&running] {
        return running ? chip_geometry(running->state().device_name) : ChipGeometry{};
    });
    StampedBoard stamped(board);
    Program program(host, stamped,
                    {folder.path().toStdString(),
                     folder.filePath(QStringLiteral("comms_option.txt")).toStdString()});
    running = &program;
    host.attach(program);
    host.set_quit([] {});
    host.run([&program] { program.start(); });
    click(host, program, "deviceform", "Option1");
    click(host, program, "deviceform", "option_par");
    click(host, program, "deviceform", "Command1");
    click(host, program, "Main", "mnuBusLog");
    click(host, program, "Main", "mnuChipState");
    if (options.plot) {
        click(host, program, "Main", "mnuFreqPlot");
    }
    if (!options.status_line) {
        if (QWidget* line =
                host.window_of(*program.find("Main"))->findChild<QWidget*>("status_line")) {
            line->hide();
        }
    }
    click(host, program, "Main", "Command11");
    host.run(
        [&] { program.find("locktime")->find("Text3")->user_type(std::to_string(interval_ms)); });

    // One hop, one latch of R0; the run ends with the last one due, or gives
    // up well after it.
    QEventLoop loop;
    const auto wanted = static_cast<std::size_t>(duration_ms / interval_ms);
    host.run([&] {
        stamped.latches.clear();
        stamped.latches.reserve(wanted);
        stamped.wanted = wanted;
        stamped.on_all_in = [&loop] {
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        };
    });
    host.tick_thread().wake_latency().clear();
    host.tick_thread().lock_wait().clear();
    const int64_t t0 = monotonic_ns();
    click(host, program, "locktime", "Command1");
    QTimer::singleShot(duration_ms + 5000, &loop, &QEventLoop::quit);
    loop.exec();
    click(host, program, "locktime", "Command3");
    std::vector<int64_t> latches;
    host.run([&] { latches = stamped.latches; });
    const Figures ours = figures(interval_ms, t0, latches);

    int64_t bare_t0 = 0;
    const std::vector<int64_t> bare = bare_timer(interval_ms, wanted, bare_t0);
    const Figures limit = figures(interval_ms, bare_t0, bare);

    print("hop timing", interval_ms, latches.size(), ours);
    print("limit", interval_ms, bare.size(), limit);
    print_ratio("ratio", ours, limit);
    if (options.histogram) {
        print_histogram("tick thread wake-up", host.tick_thread().wake_latency());
        print_histogram("tick thread lock wait", host.tick_thread().lock_wait());
    }
    std::fflush(stdout);
    host.run([&program] { program.end(); });
    return {latches.size(), ours, limit};
}

// Spins until its parent goes: a fixed load, the same on every run.
[[noreturn]] void spin(pid_t parent) {
    prctl(PR_SET_PDEATHSIG, SIGKILL, 0, 0, 0);
    if (getppid() != parent) {
        _exit(0);
    }
    volatile uint64_t turns = 0;
    for (;;) {
        turns = turns + 1;
    }
}

std::vector<pid_t> start_load(int children) {
    std::vector<pid_t> pids;
    const pid_t parent = getpid();
    for (int i = 0; i < children; ++i) {
        const pid_t pid = fork();
        if (pid == 0) {
            spin(parent);
        }
        if (pid > 0) {
            pids.push_back(pid);
        }
    }
    return pids;
}

void stop_load(const std::vector<pid_t>& pids) {
    for (const pid_t pid : pids) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
}

// How the tick thread is scheduled, once the answer to its request is in.
std::string scheduling_once_known() {
    qt::QtHost host(qt::default_views(), std::make_unique<qt::QtDialogs>());
    for (int i = 0;
         i < 300 && host.tick_thread().scheduling().kind == ThreadScheduling::Kind::asking; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return host.tick_scheduling();
}

Options parse(int argc, char* argv[]) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "--load") {
            options.load = true;
        } else if (arg == "--histogram") {
            options.histogram = true;
        } else if (arg == "--plot") {
            options.plot = true;
        } else if (arg == "--no-status-line") {
            options.status_line = false;
        } else if (arg != "--bus-log") {
            options.runs = std::max(1, std::atoi(argv[i]));
        }
    }
    return options;
}

} // namespace

int main(int argc, char* argv[]) {
    const Options options = parse(argc, argv);
    // Before any thread exists: the children only spin.
    const std::vector<pid_t> load = options.load ? start_load(2) : std::vector<pid_t>{};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    std::printf("windows: main panel, bus log, chip state, hopper%s; status line %s\n",
                options.plot ? ", frequency plot" : "", options.status_line ? "shown" : "hidden");
    std::printf("load: %s\n", load.empty() ? "none" : "two child processes spinning");
    std::printf("%s\n", scheduling_once_known().c_str());
    for (const auto& [interval_ms, duration_ms] : {std::pair{10, 10'000}, std::pair{1, 2'000}}) {
        std::vector<Run> runs;
        for (int run = 0; run < options.runs; ++run) {
            runs.push_back(measure(interval_ms, duration_ms, options));
        }
        if (runs.size() > 1) {
            print_medians(interval_ms, runs);
        }
    }
    stop_load(load);
    return 0;
}
