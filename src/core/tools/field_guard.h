#pragma once

#include "core/state/shared_state.h"

#include <optional>
#include <string>

namespace zqf {

// The warning for the first divider value of `state` that its register field
// cannot carry, or nothing when they all fit.
std::optional<std::string> divider_misfit(const SharedState& state);

} // namespace zqf
