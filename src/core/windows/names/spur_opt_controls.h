#pragma once

// The controls of the spurious optimisation sweep, by the names scripts, views and remote
// commands know them.

#include "core/ui/control_name.h"

namespace zqf::spur_opt_controls {

inline constexpr ControlName<CaptionControl> Label1{"Label1"};
inline constexpr ControlName<TextBox> fvco_box{"fvco_box"};
inline constexpr ControlName<CaptionControl> Label2{"Label2"};
inline constexpr ControlName<TextBox> phase_value_box{"phase_value_box"};
inline constexpr ControlName<CaptionControl> Label3{"Label3"};
inline constexpr ControlName<TextBox> sweep_rate_box{"sweep_rate_box"};
inline constexpr ControlName<ProgressBar> phase_progress{"phase_progress"};
inline constexpr ControlName<CaptionControl> Label4{"Label4"};
inline constexpr ControlName<CaptionControl> Command1{"Command1"};
inline constexpr ControlName<CaptionControl> Command2{"Command2"};
inline constexpr ControlName<CaptionControl> Command4{"Command4"};
inline constexpr ControlName<CaptionControl> Command5{"Command5"};
inline constexpr ControlName<CaptionControl> Command3{"Command3"};
inline constexpr ControlName<Timer> Timer1{"Timer1"};

// clang-format off
inline constexpr NamedControl table[] = {
    row(Label1), row(fvco_box), row(Label2), row(phase_value_box), row(Label3),
    row(sweep_rate_box), row(phase_progress), row(Label4), row(Command1), row(Command2),
    row(Command4), row(Command5), row(Command3), row(Timer1),
};
// clang-format on

} // namespace zqf::spur_opt_controls
