#pragma once

// The controls of the remote control window, by the names scripts, views and remote
// commands know them.

#include "core/ui/control_name.h"

namespace zqf::remote_control_controls {

inline constexpr ControlName<CaptionControl> Label1{"Label1"};
inline constexpr ControlName<TextBox> txtAddress{"txtAddress"};
inline constexpr ControlName<CaptionControl> Label2{"Label2"};
inline constexpr ControlName<TextBox> txtFolder{"txtFolder"};
inline constexpr ControlName<CaptionControl> cmdStart{"cmdStart"};
inline constexpr ControlName<CaptionControl> cmdStop{"cmdStop"};
inline constexpr ControlName<CaptionControl> lblState{"lblState"};
inline constexpr ControlName<CaptionControl> lblRemote{"lblRemote"};
inline constexpr ControlName<CaptionControl> lblClients{"lblClients"};
inline constexpr ControlName<CaptionControl> Label3{"Label3"};
inline constexpr ControlName<CaptionControl> Label4{"Label4"};
inline constexpr ControlName<CaptionControl> cmdClose{"cmdClose"};

// clang-format off
inline constexpr NamedControl table[] = {
    row(Label1), row(txtAddress), row(Label2), row(txtFolder), row(cmdStart), row(cmdStop),
    row(lblState), row(lblRemote), row(lblClients), row(Label3), row(Label4), row(cmdClose),
};
// clang-format on

} // namespace zqf::remote_control_controls
