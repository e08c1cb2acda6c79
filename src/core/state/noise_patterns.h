#pragma once

#include "core/state/bit_weight.h"
#include "core/state/shared_state.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zqf {

// The bit patterns a noise-and-spur mode stores, one field per family; the
// other bits of those fields stay 0.
struct NoisePattern {
    std::string_view option;  // the main window's button
    std::string_view caption; // its caption
    int32_t ns_bits_4r;
    std::optional<int32_t> ns_bits_5r; // nothing: left as the previous mode set it
    int32_t ns_bits_dual;
};

inline constexpr std::array<NoisePattern, 3> noise_patterns{{
    {"Option1", "Lowest Spur Mode", 0, bit_weight<int32_t>(30) + bit_weight<int32_t>(29), 0},
    {"Option2", "Low Noise and Spur Mode",
     bit_weight<int32_t>(9) + bit_weight<int32_t>(8) + bit_weight<int32_t>(7), std::nullopt,
     bit_weight<int32_t>(6)},
    {"Option3", "Lowest Noise Mode",
     bit_weight<int32_t>(9) + bit_weight<int32_t>(8) + bit_weight<int32_t>(7) +
         bit_weight<int32_t>(6) + bit_weight<int32_t>(2),
     0, bit_weight<int32_t>(15) + bit_weight<int32_t>(11) + bit_weight<int32_t>(6)},
}};

inline void store_noise_pattern(SharedState& state, const NoisePattern& pattern) {
    state.ns_bits_4r = pattern.ns_bits_4r;
    if (pattern.ns_bits_5r) {
        state.ns_bits_5r = *pattern.ns_bits_5r;
    }
    state.ns_bits_dual = pattern.ns_bits_dual;
}

} // namespace zqf
