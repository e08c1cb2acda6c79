#pragma once

// The controls of the RF planner, by the names scripts, views and remote
// commands know them.

#include "core/ui/control_name.h"

namespace zqf::synth_controls {

inline constexpr ControlName<CaptionControl> Label1{"Label1"};
inline constexpr ControlName<TextBox> Text1{"Text1"};
inline constexpr ControlName<CaptionControl> Label2{"Label2"};
inline constexpr ControlName<TextBox> Text4{"Text4"};
inline constexpr ControlName<CaptionControl> Label3{"Label3"};
inline constexpr ControlName<TextBox> Text5{"Text5"};
inline constexpr ControlName<CaptionControl> Label12{"Label12"};
inline constexpr ControlName<TextBox> Text3{"Text3"};
inline constexpr ControlName<CaptionControl> Label4{"Label4"};
inline constexpr ControlName<TextBox> Text2{"Text2"};
inline constexpr ControlName<ToggleSwitch> Toggle1{"Toggle1"};
inline constexpr ControlName<CaptionControl> Label29{"Label29"};
inline constexpr ControlName<ToggleSwitch> Toggle2{"Toggle2"};
inline constexpr ControlName<CaptionControl> Label7{"Label7"};
inline constexpr ControlName<CaptionControl> Label5{"Label5"};
inline constexpr ControlName<CaptionControl> Label25{"Label25"};
inline constexpr ControlName<CaptionControl> Label6{"Label6"};
inline constexpr ControlName<CaptionControl> Label24{"Label24"};
inline constexpr ControlName<CaptionControl> Label8{"Label8"};
inline constexpr ControlName<CaptionControl> Label23{"Label23"};
inline constexpr ControlName<CaptionControl> Label9{"Label9"};
inline constexpr ControlName<CaptionControl> Label22{"Label22"};
inline constexpr ControlName<CaptionControl> Label10{"Label10"};
inline constexpr ControlName<CaptionControl> Label27{"Label27"};
inline constexpr ControlName<CaptionControl> Label11{"Label11"};
inline constexpr ControlName<CaptionControl> Label17{"Label17"};
inline constexpr ControlName<CaptionControl> grid_note{"grid_note"};
inline constexpr ControlName<CaptionControl> Command3{"Command3"};
inline constexpr ControlName<CaptionControl> Command8{"Command8"};
inline constexpr ControlName<CaptionControl> Command11{"Command11"};
inline constexpr ControlName<CaptionControl> Command10{"Command10"};
inline constexpr ControlName<CaptionControl> Command4{"Command4"};
inline constexpr ControlName<CaptionControl> Command5{"Command5"};
inline constexpr ControlName<CaptionControl> Command6{"Command6"};
inline constexpr ControlName<CaptionControl> Command7{"Command7"};
inline constexpr ControlName<CaptionControl> Command2{"Command2"};
inline constexpr ControlName<CaptionControl> Label13{"Label13"};
inline constexpr ControlName<CaptionControl> Label14{"Label14"};
inline constexpr ControlName<CaptionControl> Label15{"Label15"};
inline constexpr ControlName<CaptionControl> Label16{"Label16"};
inline constexpr ControlName<CaptionControl> Label18{"Label18"};
inline constexpr ControlName<CaptionControl> Label19{"Label19"};
inline constexpr ControlName<CaptionControl> Label20{"Label20"};
inline constexpr ControlName<CaptionControl> Label21{"Label21"};

// clang-format off
inline constexpr NamedControl table[] = {
    row(Label1), row(Text1), row(Label2), row(Text4), row(Label3), row(Text5), row(Label12),
    row(Text3), row(Label4), row(Text2), row(Toggle1), row(Label29), row(Toggle2), row(Label7),
    row(Label5), row(Label25), row(Label6), row(Label24), row(Label8), row(Label23), row(Label9),
    row(Label22), row(Label10), row(Label27), row(Label11), row(Label17), row(grid_note),
    row(Command3), row(Command8), row(Command11), row(Command10), row(Command4), row(Command5),
    row(Command6), row(Command7), row(Command2), row(Label13), row(Label14), row(Label15),
    row(Label16), row(Label18), row(Label19), row(Label20), row(Label21),
};
// clang-format on

} // namespace zqf::synth_controls
