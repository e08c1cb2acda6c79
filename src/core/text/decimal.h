#pragma once

#include <string>

namespace zqf::detail {

// A finite double rounded to 15 significant digits, as decimal digits:
// value = sign * 0.d1d2d3... * 10^point. `digits` has no trailing zeros and is
// empty for zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int point = 0;
};

Decimal to_decimal15(double value);

} // namespace zqf::detail
