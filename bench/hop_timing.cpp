// How closely the desktop program keeps the lock-time hopper to its beat: the
// real Qt host (offscreen) with its window timers, the hopper opened and
// started as a user would, and every word the virtual board latches stamped on
// the monotonic clock. Tick k is due at t0 + k x interval; its error is how far
// the k-th latch lies from that, the drift is the last tick's signed error.
//
//   hop_timing [RUNS] [--bus-log] [--plot] [--no-status-line]
//       runs each interval RUNS times (default 1), one line a run; --bus-log
//       hops with the bus log window open beside the panel, --plot with the
//       frequency plot open, --no-status-line with the main window's status
//       line hidden (it follows the link only while shown)
#include "core/windows/program.h"
#include "platform/chip_geometry.h"
#include "platform/linux/monotonic_timer.h"
#include "platform/virtual_board.h"
#include "qt/host/qt_host.h"
#include "qt/views/views.h"

#include <QApplication>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string_view>
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

void click(Program& program, const char* form, const char* control) {
    program.find(form)->find(control)->user_click();
    program.collect();
}

void report(int interval_ms, int64_t t0, const std::vector<int64_t>& latches) {
    const int64_t interval = int64_t{interval_ms} * 1'000'000;
    std::vector<double> errors;
    double drift = 0.0;
    for (std::size_t k = 0; k < latches.size(); ++k) {
        const auto due = t0 + static_cast<int64_t>(k + 1) * interval;
        drift = static_cast<double>(latches[k] - due) / 1e6;
        errors.push_back(std::fabs(drift));
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
    std::printf("hop timing: interval %d ms, ticks %zu, error p50 %.2f ms, p99 %.2f ms, "
                "max %.2f ms, drift %.2f ms\n",
                interval_ms, latches.size(), rank(0.50), rank(0.99),
                errors.empty() ? 0.0 : errors.back(), drift);
    std::fflush(stdout);
}

// What is open beside the hopper while it runs.
struct Watchers {
    bool bus_log = false;
    bool plot = false;
    bool status_line = true;
};

void measure(int interval_ms, int duration_ms, const Watchers& watchers) {
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
    program.start();
    click(program, "deviceform", "Option1");
    click(program, "deviceform", "option_par");
    click(program, "deviceform", "Command1");
    if (watchers.bus_log) {
        click(program, "Main", "mnuBusLog");
    }
    if (watchers.plot) {
        click(program, "Main", "mnuFreqPlot");
    }
    if (!watchers.status_line) {
        if (QWidget* line =
                host.window_of(*program.find("Main"))->findChild<QWidget*>("status_line")) {
            line->hide();
        }
    }
    click(program, "Main", "Command11");
    program.find("locktime")->find("Text3")->user_type(std::to_string(interval_ms));

    // One hop, one latch of R0; the run ends with the last one due, or gives
    // up well after it.
    QEventLoop loop;
    stamped.latches.clear();
    stamped.wanted = static_cast<std::size_t>(duration_ms / interval_ms);
    stamped.on_all_in = [&loop] { loop.quit(); };
    const int64_t t0 = monotonic_ns();
    click(program, "locktime", "Command1");
    QTimer::singleShot(duration_ms + 5000, &loop, &QEventLoop::quit);
    loop.exec();
    click(program, "locktime", "Command3");
    report(interval_ms, t0, stamped.latches);
    program.end();
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    Watchers watchers;
    for (int i = 2; i < argc; ++i) {
        const std::string_view flag(argv[i]);
        watchers.bus_log = watchers.bus_log || flag == "--bus-log";
        watchers.plot = watchers.plot || flag == "--plot";
        watchers.status_line = watchers.status_line && flag != "--no-status-line";
    }
    const auto open = [](bool shown) { return shown ? "open" : "closed"; };
    std::printf("bus log window: %s, frequency plot: %s, status line: %s\n", open(watchers.bus_log),
                open(watchers.plot), watchers.status_line ? "shown" : "hidden");
    for (const auto& [interval_ms, duration_ms] : {std::pair{10, 10'000}, std::pair{1, 2'000}}) {
        for (int run = 0; run < runs; ++run) {
            measure(interval_ms, duration_ms, watchers);
        }
    }
    return 0;
}
