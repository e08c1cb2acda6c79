#pragma once

// The controls of the chip-state view, by the names scripts, views and remote
// commands know them.

#include "core/ui/control_name.h"

namespace zqf::chip_state_controls {

inline constexpr ControlName<CaptionControl> cmdClose{"cmdClose"};

// clang-format off
inline constexpr NamedControl table[] = {
    row(cmdClose),
};
// clang-format on

} // namespace zqf::chip_state_controls
