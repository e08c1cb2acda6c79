#pragma once

#include "core/state/bit_weight.h"

#include <array>
#include <cstdint>

namespace zqf {

// Values the panel's switches and windows store that more than one place of
// the program needs: the control that stores them and the domain check that
// accepts them from a file read the same constant.

// The test-mode windows store mode x 2048, modes 0 to 31, whatever the device.
inline constexpr int32_t test_mode_window_unit = bit_weight<int32_t>(11);
inline constexpr int test_mode_window_modes = 32;

// The panel's test-mode lists store their position, 0 to 31.
inline constexpr int test_mode_list_entries = 32;

// The RF phase resync switch stores test code 25 in the IF test-mode bits.
inline constexpr int32_t phase_resync_on =
    bit_weight<int32_t>(15) + bit_weight<int32_t>(14) + bit_weight<int32_t>(11);

// The clock divider modes of the five-register devices' list: "Disabled",
// "Reserved", "Phase Resync Enabled".
inline constexpr std::array<int32_t, 3> clock_divider_modes{0, bit_weight<int32_t>(19),
                                                            bit_weight<int32_t>(20)};

// The dual devices' muxout read-out names sixteen codes.
inline constexpr int dual_muxout_codes = 16;

} // namespace zqf
