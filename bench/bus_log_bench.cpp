// What the bus log costs a fast hop. One hop of the lock-time hopper writes R0:
// here R0 of a ZQF7310 over the parallel port into the virtual board, with new
// dividers each time, without the log and with it attached as the program
// attaches it, the log full so that every row also drops the oldest. The
// difference is the log's cost per row. The whole hopper tick as the program
// runs it (the hopper's timer handler: plan, refresh the panel, write R0, log
// the row) sets it against the 1 ms a hop may take. The views that watch the
// link pay at screen rate, not per hop: what the status line costs to work
// out once, and what the frequency plot costs to take a frame's worth of a
// 1 ms hop (16 rows), both on the GUI thread between ticks.
#include "core/link/bus_log.h"
#include "core/link/register_link.h"
#include "core/state/start_values.h"
#include "core/ui/quiet_host.h"
#include "core/windows/frequency_plot_form.h"
#include "core/windows/main_form.h"
#include "core/windows/program.h"
#include "core/windows/status_line.h"
#include "platform/chip_geometry.h"
#include "platform/virtual_board.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

namespace {

using namespace zqf;

SharedState confirmed_zqf7310() {
    SharedState s;
    apply_first_start_values(s);
    s.device_name = "ZQF7310";
    apply_device_defaults(s);
    apply_confirmation_field_values(s);
    s.comm_link = "par";
    return s;
}

void hop_word(benchmark::State& bench, bool logged) {
    SharedState state = confirmed_zqf7310();
    VirtualBoard board([&state] { return chip_geometry(state.device_name); });
    RegisterLink link(state, board);
    int64_t now = 0;
    BusLog log([&now] { return ++now; }, [&state] { return transfer_bits(state.device_name); });
    if (logged) {
        link.add_transfer_observer([&log](const Transfer& transfer) { log.add(transfer); });
        for (std::size_t i = 0; i < BusLog::capacity; ++i) {
            link.send(0);
        }
    }
    int hop = 0;
    for (auto _ : bench) {
        // The two frequencies of a hop: 1850 and 1860.4 MHz at a 10 MHz PFD.
        hop ^= 1;
        state.int_val = hop != 0 ? 185.0 : 186.0;
        state.frac_val = hop != 0 ? 0.0 : 2.0;
        link.send(0);
        benchmark::DoNotOptimize(board.latch_count());
    }
    bench.counters["rows kept"] = static_cast<double>(log.size());
}

// The log's own work for one word, alone: the row taken from the link's
// report, the oldest dropped.
void bus_log_row(benchmark::State& bench) {
    int64_t now = 0;
    BusLog log([&now] { return ++now; }, [] { return 24; });
    Transfer transfer{0, 0x2E4000, LinkKind::parallel_port, Delivery::sent, {}};
    for (std::size_t i = 0; i < BusLog::capacity; ++i) {
        log.add(transfer);
    }
    for (auto _ : bench) {
        transfer.word ^= 0x8;
        log.add(transfer);
        benchmark::DoNotOptimize(log.revision());
    }
}

void click(Program& program, const char* form, const char* control) {
    program.find(form)->find(control)->user_click();
    program.collect();
}

// A program confirmed with a device option over the parallel port, and, where
// the chip must be known, with every register written once.
template <typename Body> void with_program(const char* device_option, bool write_all, Body body) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("zqf_bus_log_bench_" + std::to_string(std::random_device{}()));
    std::filesystem::create_directory(folder);
    {
        QuietHost host(true);
        Program* running = nullptr;
        VirtualBoard board([&running] { return chip_geometry(running->state().device_name); });
        Program program(host, board, {folder.string(), (folder / "comms_option.txt").string()});
        running = &program;
        program.start();
        click(program, "deviceform", device_option);
        click(program, "deviceform", "option_par");
        click(program, "deviceform", "Command1");
        if (write_all) {
            click(program, "Main", "Command8");
        }
        body(program, board);
        program.end();
    }
    std::filesystem::remove_all(folder);
}

void status_line(benchmark::State& bench, const char* device_option) {
    with_program(device_option, true, [&bench](Program& program, VirtualBoard&) {
        const MainForm& main = *program.main_form();
        for (auto _ : bench) {
            benchmark::DoNotOptimize(main.status());
        }
    });
}

void plot_frame(benchmark::State& bench) {
    with_program("Option1", true, [&bench](Program& program, VirtualBoard&) {
        click(program, "Main", "mnuFreqPlot");
        const auto& plot = dynamic_cast<const FrequencyPlotForm&>(*program.find("freqplot"));
        int hop = 0;
        for (auto _ : bench) {
            bench.PauseTiming();
            for (int i = 0; i < 16; ++i) {
                hop ^= 1;
                program.state().int_val = hop != 0 ? 185.0 : 186.0;
                program.link().send(0);
            }
            bench.ResumeTiming();
            plot.follow();
        }
        bench.counters["chip points"] = static_cast<double>(plot.trace().chip_rf().points().size());
    });
}

void hopper_tick(benchmark::State& bench) {
    with_program("Option1", false, [&bench](Program& program, VirtualBoard& board) {
        click(program, "Main", "Command11");
        Form& hopper = *program.find("locktime");
        hopper.find("Text2")->user_type("1860.4");
        hopper.find("Text3")->user_type("1");
        click(program, "locktime", "Command1");
        Timer& timer = hopper.get<Timer>("Timer1");
        for (std::size_t i = 0; i < BusLog::capacity; ++i) {
            timer.fire();
        }
        for (auto _ : bench) {
            timer.fire();
            benchmark::DoNotOptimize(board.latch_count());
        }
        bench.counters["rows kept"] = static_cast<double>(program.bus_log().size());
    });
}

} // namespace

BENCHMARK_CAPTURE(hop_word, without_bus_log, false);
BENCHMARK_CAPTURE(hop_word, with_bus_log, true);
BENCHMARK(bus_log_row);
BENCHMARK(hopper_tick);
BENCHMARK_CAPTURE(status_line, zqf7310, "Option1");
BENCHMARK_CAPTURE(status_line, zqf7620, "Option6");
BENCHMARK(plot_frame);
