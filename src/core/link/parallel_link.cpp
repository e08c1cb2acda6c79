#include "core/link/parallel_link.h"

#include "core/state/devices.h"
#include "core/text/convert.h"

namespace zqf {

namespace {

void out_byte(const SharedState& state, Platform& platform, int32_t value) {
    platform.out_byte(state.port_address, value);
}

// One bit: data set up with the clock low, clock high, clock low again.
void send_bit(const SharedState& state, Platform& platform, bool one, int32_t idle) {
    const int32_t level = idle | (one ? lines::data : 0);
    out_byte(state, platform, level);
    out_byte(state, platform, level | lines::clock);
    out_byte(state, platform, level);
}

} // namespace

void shift_word_parallel(const SharedState& state, Platform& platform) {
    const uint32_t w = word_bits(state.tx_word);
    const int32_t idle = lines::always_high | lines::low_half;
    out_byte(state, platform, idle);
    if (transfer_bits(state.device_name) == 32) {
        const uint32_t hi = w >> 16;
        for (int bit = 15; bit >= 0; --bit) {
            send_bit(state, platform, ((hi >> bit) & 1U) != 0, lines::always_high);
        }
        for (int bit = 15; bit >= 0; --bit) {
            send_bit(state, platform, ((w >> bit) & 1U) != 0, idle);
        }
        return;
    }
    for (int bit = 23; bit >= 0; --bit) {
        send_bit(state, platform, ((w >> bit) & 1U) != 0, idle);
    }
}

void pulse_le_parallel(const SharedState& state, Platform& platform) {
    const int32_t idle = lines::always_high | lines::low_half;
    out_byte(state, platform, idle);
    out_byte(state, platform, idle | lines::load_enable);
    out_byte(state, platform, idle);
}

} // namespace zqf
