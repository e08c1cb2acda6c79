#include "core/planning/if_counters.h"

#include "core/text/convert.h"

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

std::optional<IfCounters> counters_from_if_plan(const SharedState& state) {
    const auto r = to_int32(state.refin_freq / 1000.0 / state.if_pfd_freq);
    const auto n = to_int32(state.if_vco_freq * 1000.0 / state.if_pfd_freq);
    if (!r || !n) {
        return std::nullopt;
    }
    const std::optional<SwallowCounters> swallow = split_counter(*n, state.if_prescaler);
    if (!swallow) {
        return std::nullopt;
    }
    return IfCounters{*r, *n, *swallow};
}

} // namespace zqf
