#pragma once

// The controls of the bus log, by the names scripts, views and remote
// commands know them.

#include "core/ui/control_name.h"

namespace zqf::bus_log_controls {

inline constexpr ControlName<CaptionControl> cmdCopy{"cmdCopy"};
inline constexpr ControlName<CaptionControl> cmdClear{"cmdClear"};
inline constexpr ControlName<CaptionControl> cmdClose{"cmdClose"};

// clang-format off
inline constexpr NamedControl table[] = {
    row(cmdCopy), row(cmdClear), row(cmdClose),
};
// clang-format on

} // namespace zqf::bus_log_controls
