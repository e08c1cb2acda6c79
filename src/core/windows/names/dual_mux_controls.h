#pragma once

// The controls of the dual muxout window, by the names scripts, views and remote
// commands know them.

#include "core/ui/control_name.h"

namespace zqf::dual_mux_controls {

inline constexpr ControlName<CaptionControl> Label1{"Label1"};
inline constexpr ControlName<TextBox> Text1{"Text1"};
inline constexpr ControlName<CaptionControl> Label2{"Label2"};
inline constexpr ControlName<TextBox> Text2{"Text2"};
inline constexpr ControlName<CaptionControl> Label3{"Label3"};
inline constexpr ControlName<TextBox> Text3{"Text3"};
inline constexpr ControlName<CaptionControl> Label4{"Label4"};
inline constexpr ControlName<TextBox> Text4{"Text4"};
inline constexpr ControlName<CaptionControl> Command3{"Command3"};
inline constexpr ControlName<CaptionControl> Command2{"Command2"};
inline constexpr ControlName<CaptionControl> Command1{"Command1"};

// clang-format off
inline constexpr NamedControl table[] = {
    row(Label1), row(Text1), row(Label2), row(Text2), row(Label3), row(Text3), row(Label4),
    row(Text4), row(Command3), row(Command2), row(Command1),
};
// clang-format on

} // namespace zqf::dual_mux_controls
