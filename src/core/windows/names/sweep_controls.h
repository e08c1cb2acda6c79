#pragma once

// The controls of the frequency sweep, by the names scripts, views and remote
// commands know them.

#include "core/ui/control_name.h"

namespace zqf::sweep_controls {

inline constexpr ControlName<CaptionControl> Frame1{"Frame1"};
inline constexpr ControlName<CaptionControl> Label1{"Label1"};
inline constexpr ControlName<TextBox> Text1{"Text1"};
inline constexpr ControlName<CaptionControl> Label2{"Label2"};
inline constexpr ControlName<TextBox> Text3{"Text3"};
inline constexpr ControlName<CaptionControl> Frame2{"Frame2"};
inline constexpr ControlName<TextBox> Text4{"Text4"};
inline constexpr ControlName<CaptionControl> Label3{"Label3"};
inline constexpr ControlName<ProgressBar> sweep_progress{"sweep_progress"};
inline constexpr ControlName<CaptionControl> Command3{"Command3"};
inline constexpr ControlName<CaptionControl> Command4{"Command4"};
inline constexpr ControlName<CaptionControl> Command2{"Command2"};
inline constexpr ControlName<Timer> Timer1{"Timer1"};

// clang-format off
inline constexpr NamedControl table[] = {
    row(Frame1), row(Label1), row(Text1), row(Label2), row(Text3), row(Frame2), row(Text4),
    row(Label3), row(sweep_progress), row(Command3), row(Command4), row(Command2), row(Timer1),
};
// clang-format on

} // namespace zqf::sweep_controls
