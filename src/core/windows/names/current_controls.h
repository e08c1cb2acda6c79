#pragma once

// The controls of the four charge-pump current windows, by the names scripts, views and remote
// commands know them.

#include "core/ui/control_name.h"

namespace zqf::current_controls {

inline constexpr ControlName<CaptionControl> Frame1{"Frame1"};
inline constexpr ControlName<CaptionControl> Label2{"Label2"};
inline constexpr ControlName<TextBox> Text2{"Text2"};
inline constexpr ControlName<CaptionControl> ohms_label{"ohms_label"};
inline constexpr ControlName<CaptionControl> Label1{"Label1"};
inline constexpr ControlName<CaptionControl> Label3{"Label3"};
inline constexpr ControlName<RotarySelector> Selector1{"Selector1"};
inline constexpr ControlName<CaptionControl> Command3{"Command3"};
inline constexpr ControlName<CaptionControl> Command2{"Command2"};
inline constexpr ControlName<ToggleSwitch> Toggle1{"Toggle1"};

// clang-format off
inline constexpr NamedControl table[] = {
    row(Frame1), row(Label2), row(Text2), row(ohms_label), row(Label1), row(Label3),
    row(Selector1), row(Command3), row(Command2), row(Toggle1),
};
// clang-format on

} // namespace zqf::current_controls
