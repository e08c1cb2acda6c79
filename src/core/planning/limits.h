#pragma once

#include "core/state/shared_state.h"

#include <optional>
#include <string_view>

namespace zqf {

// A plan the chip cannot run: the warning to show and the entry to correct
// (empty when the focus stays where it is).
struct LimitFailure {
    std::string_view message;
    std::string_view focus;
};

// The highest comparison frequency the phase detector takes, in Hz.
inline constexpr double max_pfd_hz = 32000000.0;

// Tests the stored plan against the device's limits in their fixed order and
// returns the first one it breaks.
std::optional<LimitFailure> check_limits(const SharedState& state);

} // namespace zqf
