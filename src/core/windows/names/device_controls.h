#pragma once

// The controls of the start window, by the names scripts, views and remote
// commands know them.

#include "core/ui/control_name.h"

namespace zqf::device_controls {

inline constexpr ControlName<CaptionControl> Label1{"Label1"};
inline constexpr ControlName<CaptionControl> Frame1{"Frame1"};
inline constexpr ControlName<OptionButton> Option1{"Option1"};
inline constexpr ControlName<OptionButton> Option2{"Option2"};
inline constexpr ControlName<OptionButton> Option3{"Option3"};
inline constexpr ControlName<OptionButton> Option6{"Option6"};
inline constexpr ControlName<OptionButton> Option4{"Option4"};
inline constexpr ControlName<OptionButton> Option5{"Option5"};
inline constexpr ControlName<CaptionControl> Frame2{"Frame2"};
inline constexpr ControlName<OptionButton> option_par{"option_par"};
inline constexpr ControlName<OptionButton> option_usb{"option_usb"};
inline constexpr ControlName<CaptionControl> Command1{"Command1"};
inline constexpr ControlName<CaptionControl> Command2{"Command2"};
inline constexpr ControlName<CaptionControl> Picture1{"Picture1"};

// clang-format off
inline constexpr NamedControl table[] = {
    row(Label1), row(Frame1), row(Option1), row(Option2), row(Option3), row(Option6), row(Option4),
    row(Option5), row(Frame2), row(option_par), row(option_usb), row(Command1), row(Command2),
    row(Picture1),
};
// clang-format on

} // namespace zqf::device_controls
