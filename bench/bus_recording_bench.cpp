// Cost of one register write while the bus is recorded: the same write as in
// send_register_bench, each port write or USB word also drawn into a Value
// Change Dump whose text is handed to a sink that keeps nothing.
#include "core/link/register_link.h"
#include "core/state/start_values.h"
#include "platform/null_platform.h"
#include "platform/recording_platform.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zqf;

class DiscardingSink final : public RecordingSink {
  public:
    bool write(std::string_view text) override {
        benchmark::DoNotOptimize(text.data());
        return true;
    }
    bool finish() override { return true; }
    const std::string& error() const override { return error_; }

  private:
    std::string error_;
};

void recorded(benchmark::State& bench, const char* device, const char* link, bool monotonic) {
    SharedState state;
    apply_first_start_values(state);
    state.device_name = device;
    apply_device_defaults(state);
    apply_confirmation_field_values(state);
    state.comm_link = link;
    NullPlatform board;
    RecordingPlatform recorder(
        board, monotonic ? MonotonicClock{steady_nanoseconds} : MonotonicClock{},
        [](const std::string&, std::string&) {
            return std::unique_ptr<RecordingSink>(std::make_unique<DiscardingSink>());
        });
    recorder.start("bench.vcd");
    RegisterLink registers(state, recorder);
    int index = 0;
    for (auto _ : bench) {
        registers.send(index);
        index = (index + 1) & 3;
    }
    recorder.stop();
}

} // namespace

BENCHMARK_CAPTURE(recorded, par_24bit_ZQF7310, "ZQF7310", "par", false);
BENCHMARK_CAPTURE(recorded, par_32bit_ZQF7340, "ZQF7340", "par", false);
BENCHMARK_CAPTURE(recorded, usb_24bit_ZQF7620, "ZQF7620", "usb", false);
BENCHMARK_CAPTURE(recorded, par_24bit_ZQF7310_monotonic, "ZQF7310", "par", true);
