#pragma once

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

} // namespace zqf
