#pragma once

#include <cmath>
#include <optional>

namespace zqf {

// The planners' arithmetic faults: a division by zero, or a result beyond
// what a real can hold. Either ends the step that meets it, so callers get
// nothing instead of an infinity or a NaN that would reach a register.
inline std::optional<double> finite(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

inline std::optional<double> quotient(double dividend, double divisor) {
    if (divisor == 0.0) {
        return std::nullopt;
    }
    return finite(dividend / divisor);
}

} // namespace zqf
