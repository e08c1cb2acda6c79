#pragma once

#include "core/state/shared_state.h"

#include <cstdint>
#include <optional>

namespace zqf {

// The IF divider N split around the dual-modulus prescaler P/P+1: N = B x P + A.
struct SwallowCounters {
    int32_t b;
    int32_t a;
};

// B = N / P toward minus infinity, A the rest; nothing for a prescaler of 0.
std::optional<SwallowCounters> split_counter(int32_t n, int32_t prescaler);

// The IF counters that follow from the IF plan after a change of the IF
// prescaler: R = reference / IF PFD, N = IF VCO / IF PFD (each rounded, a half
// to even), then B and A around state.if_prescaler.
struct IfCounters {
    int32_t r;
    int32_t n;
    SwallowCounters swallow;
};

// Nothing when the plan gives no whole 32-bit R or N (a zero IF PFD, say) or
// the prescaler is 0.
std::optional<IfCounters> counters_from_if_plan(const SharedState& state);

} // namespace zqf
