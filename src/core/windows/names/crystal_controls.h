#pragma once

// The controls of the reference window, by the names scripts, views and remote
// commands know them.

#include "core/ui/control_name.h"

namespace zqf::crystal_controls {

inline constexpr ControlName<CaptionControl> Label1{"Label1"};
inline constexpr ControlName<TextBox> Text1{"Text1"};
inline constexpr ControlName<CaptionControl> Command3{"Command3"};
inline constexpr ControlName<CaptionControl> Command1{"Command1"};
inline constexpr ControlName<CaptionControl> Command2{"Command2"};

// clang-format off
inline constexpr NamedControl table[] = {
    row(Label1), row(Text1), row(Command3), row(Command1), row(Command2),
};
// clang-format on

} // namespace zqf::crystal_controls
