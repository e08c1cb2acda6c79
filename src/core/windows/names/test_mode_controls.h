#pragma once

// The controls of the two test-mode windows, by the names scripts, views and remote
// commands know them.

#include "core/ui/control_name.h"

namespace zqf::test_mode_controls {

inline constexpr ControlName<OptionButton> Option1{"Option1"};
inline constexpr ControlName<OptionButton> Option2{"Option2"};
inline constexpr ControlName<OptionButton> Option3{"Option3"};
inline constexpr ControlName<OptionButton> Option4{"Option4"};
inline constexpr ControlName<OptionButton> Option5{"Option5"};
inline constexpr ControlName<OptionButton> Option6{"Option6"};
inline constexpr ControlName<OptionButton> Option7{"Option7"};
inline constexpr ControlName<OptionButton> Option8{"Option8"};
inline constexpr ControlName<OptionButton> Option9{"Option9"};
inline constexpr ControlName<OptionButton> Option10{"Option10"};
inline constexpr ControlName<OptionButton> Option11{"Option11"};
inline constexpr ControlName<OptionButton> Option12{"Option12"};
inline constexpr ControlName<OptionButton> Option13{"Option13"};
inline constexpr ControlName<OptionButton> Option14{"Option14"};
inline constexpr ControlName<OptionButton> Option15{"Option15"};
inline constexpr ControlName<OptionButton> Option16{"Option16"};
inline constexpr ControlName<OptionButton> Option17{"Option17"};
inline constexpr ControlName<OptionButton> Option18{"Option18"};
inline constexpr ControlName<OptionButton> Option19{"Option19"};
inline constexpr ControlName<OptionButton> Option20{"Option20"};
inline constexpr ControlName<OptionButton> Option21{"Option21"};
inline constexpr ControlName<OptionButton> Option22{"Option22"};
inline constexpr ControlName<OptionButton> Option23{"Option23"};
inline constexpr ControlName<OptionButton> Option24{"Option24"};
inline constexpr ControlName<OptionButton> Option25{"Option25"};
inline constexpr ControlName<OptionButton> Option26{"Option26"};
inline constexpr ControlName<OptionButton> Option27{"Option27"};
inline constexpr ControlName<OptionButton> Option28{"Option28"};
inline constexpr ControlName<OptionButton> Option29{"Option29"};
inline constexpr ControlName<OptionButton> Option30{"Option30"};
inline constexpr ControlName<OptionButton> Option31{"Option31"};
inline constexpr ControlName<OptionButton> Option32{"Option32"};
inline constexpr ControlName<CaptionControl> Command3{"Command3"};
inline constexpr ControlName<CaptionControl> Command2{"Command2"};
inline constexpr ControlName<CaptionControl> Command1{"Command1"};

// clang-format off
inline constexpr NamedControl table[] = {
    row(Option1), row(Option2), row(Option3), row(Option4), row(Option5), row(Option6),
    row(Option7), row(Option8), row(Option9), row(Option10), row(Option11), row(Option12),
    row(Option13), row(Option14), row(Option15), row(Option16), row(Option17), row(Option18),
    row(Option19), row(Option20), row(Option21), row(Option22), row(Option23), row(Option24),
    row(Option25), row(Option26), row(Option27), row(Option28), row(Option29), row(Option30),
    row(Option31), row(Option32), row(Command3), row(Command2), row(Command1),
};
// clang-format on

} // namespace zqf::test_mode_controls
