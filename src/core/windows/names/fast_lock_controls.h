#pragma once

// The controls of the fast-lock timer window, by the names scripts, views and remote
// commands know them.

#include "core/ui/control_name.h"

namespace zqf::fast_lock_controls {

inline constexpr ControlName<CaptionControl> Label1{"Label1"};
inline constexpr ControlName<TextBox> Text1{"Text1"};
inline constexpr ControlName<CaptionControl> Label2{"Label2"};
inline constexpr ControlName<TextBox> PFD{"PFD"};
inline constexpr ControlName<CaptionControl> Label3{"Label3"};
inline constexpr ControlName<TextBox> BWinterval{"BWinterval"};
inline constexpr ControlName<CaptionControl> Command3{"Command3"};
inline constexpr ControlName<CaptionControl> Command2{"Command2"};

// clang-format off
inline constexpr NamedControl table[] = {
    row(Label1), row(Text1), row(Label2), row(PFD), row(Label3), row(BWinterval), row(Command3),
    row(Command2),
};
// clang-format on

} // namespace zqf::fast_lock_controls
