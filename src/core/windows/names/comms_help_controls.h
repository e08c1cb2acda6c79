#pragma once

// The controls of the communications help window, by the names scripts, views and remote
// commands know them.

#include "core/ui/control_name.h"

namespace zqf::comms_help_controls {

inline constexpr ControlName<CaptionControl> Frame1{"Frame1"};
inline constexpr ControlName<CaptionControl> Label4{"Label4"};
inline constexpr ControlName<CaptionControl> Label3{"Label3"};
inline constexpr ControlName<CaptionControl> Command1{"Command1"};

// clang-format off
inline constexpr NamedControl table[] = {
    row(Frame1), row(Label4), row(Label3), row(Command1),
};
// clang-format on

} // namespace zqf::comms_help_controls
