#pragma once

// The controls of the about window, by the names scripts, views and remote
// commands know them.

#include "core/ui/control_name.h"

namespace zqf::about_controls {

inline constexpr ControlName<CaptionControl> Label1{"Label1"};
inline constexpr ControlName<CaptionControl> Label3{"Label3"};
inline constexpr ControlName<CaptionControl> Label4{"Label4"};
inline constexpr ControlName<CaptionControl> Label2{"Label2"};
inline constexpr ControlName<CaptionControl> tick_timing{"tick_timing"};
inline constexpr ControlName<CaptionControl> Command1{"Command1"};

// clang-format off
inline constexpr NamedControl table[] = {
    row(Label1), row(Label3), row(Label4), row(Label2), row(tick_timing), row(Command1),
};
// clang-format on

} // namespace zqf::about_controls
