// Cost of one register write by the program itself: assembly, both texts and
// the parallel-port byte sequence, into a platform that does nothing and into
// the virtual board that decodes every byte.
#include "core/link/register_link.h"
#include "core/state/start_values.h"
#include "platform/chip_geometry.h"
#include "platform/null_platform.h"
#include "platform/virtual_board.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zqf;

SharedState confirmed(const char* device, const char* link) {
    SharedState s;
    apply_first_start_values(s);
    s.device_name = device;
    apply_device_defaults(s);
    apply_confirmation_field_values(s);
    s.comm_link = link;
    return s;
}

void run(benchmark::State& bench, const char* device, const char* link, Platform& platform,
         SharedState& state) {
    state = confirmed(device, link);
    RegisterLink registers(state, platform);
    int index = 0;
    for (auto _ : bench) {
        registers.send(index);
        index = (index + 1) & 3;
        benchmark::DoNotOptimize(state.tx_word);
    }
}

void null_platform(benchmark::State& bench, const char* device, const char* link) {
    NullPlatform platform;
    SharedState state;
    run(bench, device, link, platform, state);
}

void virtual_board(benchmark::State& bench, const char* device, const char* link) {
    SharedState state;
    VirtualBoard board([&state] { return chip_geometry(state.device_name); });
    run(bench, device, link, board, state);
}

} // namespace

BENCHMARK_CAPTURE(null_platform, par_24bit_ZQF7310, "ZQF7310", "par");
BENCHMARK_CAPTURE(null_platform, par_32bit_ZQF7340, "ZQF7340", "par");
BENCHMARK_CAPTURE(null_platform, usb_24bit_ZQF7620, "ZQF7620", "usb");
BENCHMARK_CAPTURE(virtual_board, par_24bit_ZQF7310, "ZQF7310", "par");
BENCHMARK_CAPTURE(virtual_board, par_32bit_ZQF7340, "ZQF7340", "par");
