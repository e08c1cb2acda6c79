#pragma once

#include "core/link/platform.h"
#include "core/state/shared_state.h"

#include <cstdint>

namespace zqf {

// Data-line values of the parallel port's data register.
namespace lines {
inline constexpr int32_t clock = 1;       // D0
inline constexpr int32_t data = 2;        // D1
inline constexpr int32_t load_enable = 4; // D2
inline constexpr int32_t always_high = 8; // D3
inline constexpr int32_t low_half = 16;   // D4: high except for the upper half of a 32-bit word
} // namespace lines

// Shifts tx_word out on the data lines, most significant bit first: the start
// byte, then one triple (set up, clock high, clock low) per bit.
void shift_word_parallel(const SharedState& state, Platform& platform);

// The load-enable strobe that latches the shifted word.
void pulse_le_parallel(const SharedState& state, Platform& platform);

} // namespace zqf
