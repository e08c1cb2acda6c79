#include "core/planning/if_counters.h"

#include <cmath>

namespace zqf {

std::optional<SwallowCounters> split_counter(int32_t n, int32_t prescaler) {
    if (prescaler == 0) {
        return std::nullopt;
    }
    const double b = std::floor(static_cast<double>(n) / prescaler);
    // |B| <= |N| and 0 <= A < |P| for either sign, so both fit 32 bits.
    const auto b_int = static_cast<int64_t>(b);
    const int64_t a = static_cast<int64_t>(n) - b_int * prescaler;
    return SwallowCounters{static_cast<int32_t>(b_int), static_cast<int32_t>(a)};
}

} // namespace zqf
