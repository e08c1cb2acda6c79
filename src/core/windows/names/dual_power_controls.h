#pragma once

// The controls of the dual power-down window, by the names scripts, views and remote
// commands know them.

#include "core/ui/control_name.h"

namespace zqf::dual_power_controls {

inline constexpr ControlName<CaptionControl> Frame1{"Frame1"};
inline constexpr ControlName<OptionButton> Option1{"Option1"};
inline constexpr ControlName<OptionButton> Option2{"Option2"};
inline constexpr ControlName<CaptionControl> Frame2{"Frame2"};
inline constexpr ControlName<OptionButton> Option3{"Option3"};
inline constexpr ControlName<OptionButton> Option4{"Option4"};
inline constexpr ControlName<CaptionControl> Frame3{"Frame3"};
inline constexpr ControlName<OptionButton> Option5{"Option5"};
inline constexpr ControlName<OptionButton> Option6{"Option6"};
inline constexpr ControlName<CaptionControl> Command3{"Command3"};
inline constexpr ControlName<CaptionControl> Command2{"Command2"};
inline constexpr ControlName<CaptionControl> Command1{"Command1"};

// clang-format off
inline constexpr NamedControl table[] = {
    row(Frame1), row(Option1), row(Option2), row(Frame2), row(Option3), row(Option4), row(Frame3),
    row(Option5), row(Option6), row(Command3), row(Command2), row(Command1),
};
// clang-format on

} // namespace zqf::dual_power_controls
