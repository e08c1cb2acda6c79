#pragma once

// The controls of the help window, by the names scripts, views and remote
// commands know them.

#include "core/ui/control_name.h"

namespace zqf::help_controls {

inline constexpr ControlName<CaptionControl> Label1{"Label1"};
inline constexpr ControlName<CaptionControl> Label2{"Label2"};
inline constexpr ControlName<CaptionControl> Label3{"Label3"};
inline constexpr ControlName<CaptionControl> Label4{"Label4"};
inline constexpr ControlName<CaptionControl> Label5{"Label5"};
inline constexpr ControlName<CaptionControl> Label6{"Label6"};
inline constexpr ControlName<CaptionControl> Label7{"Label7"};
inline constexpr ControlName<CaptionControl> Label8{"Label8"};
inline constexpr ControlName<CaptionControl> Label9{"Label9"};
inline constexpr ControlName<CaptionControl> Label10{"Label10"};
inline constexpr ControlName<CaptionControl> Label11{"Label11"};
inline constexpr ControlName<CaptionControl> Command1{"Command1"};

// clang-format off
inline constexpr NamedControl table[] = {
    row(Label1), row(Label2), row(Label3), row(Label4), row(Label5), row(Label6), row(Label7),
    row(Label8), row(Label9), row(Label10), row(Label11), row(Command1),
};
// clang-format on

} // namespace zqf::help_controls
