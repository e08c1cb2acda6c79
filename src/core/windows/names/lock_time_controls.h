#pragma once

// The controls of the lock-time hopper, by the names scripts, views and remote
// commands know them.

#include "core/ui/control_name.h"

namespace zqf::lock_time_controls {

inline constexpr ControlName<CaptionControl> Label1{"Label1"};
inline constexpr ControlName<TextBox> Text1{"Text1"};
inline constexpr ControlName<CaptionControl> Label2{"Label2"};
inline constexpr ControlName<TextBox> Text2{"Text2"};
inline constexpr ControlName<CaptionControl> Label3{"Label3"};
inline constexpr ControlName<TextBox> Text3{"Text3"};
inline constexpr ControlName<CaptionControl> Label4{"Label4"};
inline constexpr ControlName<CaptionControl> Label5{"Label5"};
inline constexpr ControlName<CaptionControl> hop_frequency{"hop_frequency"};
inline constexpr ControlName<CaptionControl> Label6{"Label6"};
inline constexpr ControlName<CaptionControl> hop_count{"hop_count"};
inline constexpr ControlName<CaptionControl> Command1{"Command1"};
inline constexpr ControlName<CaptionControl> Command3{"Command3"};
inline constexpr ControlName<CaptionControl> Command2{"Command2"};
inline constexpr ControlName<Timer> Timer1{"Timer1"};

// clang-format off
inline constexpr NamedControl table[] = {
    row(Label1), row(Text1), row(Label2), row(Text2), row(Label3), row(Text3), row(Label4),
    row(Label5), row(hop_frequency), row(Label6), row(hop_count), row(Command1), row(Command3),
    row(Command2), row(Timer1),
};
// clang-format on

} // namespace zqf::lock_time_controls
