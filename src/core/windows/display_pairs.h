#pragma once

#include "core/state/shared_state.h"
#include "core/windows/names/main_controls.h"

#include <array>

namespace zqf {

// Where the main window shows a register: the two labels of its display pair
// (the last word written, as bits and in hexadecimal) and the update indicator
// that writes it. R7 has none of them.
struct DisplayPair {
    int index;
    ControlName<CaptionControl> bits_label;
    ControlName<CaptionControl> hex_label;
    ControlName<ToggleSwitch> indicator;
};

inline constexpr std::array<DisplayPair, shown_registers> display_pairs{{
    {0, main_controls::Label17, main_controls::Label21, main_controls::Toggle19},
    {1, main_controls::Label9, main_controls::Label22, main_controls::Toggle20},
    {2, main_controls::Label14, main_controls::Label23, main_controls::Toggle21},
    {3, main_controls::Label15, main_controls::Label24, main_controls::Toggle22},
    {4, main_controls::Label33, main_controls::Label26, main_controls::Toggle23},
    {5, main_controls::Label32, main_controls::Label27, main_controls::Toggle24},
    {6, main_controls::Label31, main_controls::Label28, main_controls::Toggle25},
}};

// The registers of the RF set (R0 to R3) and of the IF set (R3 to R6), by
// their indicators.
inline constexpr std::array<ControlName<ToggleSwitch>, 4> rf_set_indicators{
    display_pairs[0].indicator, display_pairs[1].indicator, display_pairs[2].indicator,
    display_pairs[3].indicator};
inline constexpr std::array<ControlName<ToggleSwitch>, 4> if_set_indicators{
    display_pairs[3].indicator, display_pairs[4].indicator, display_pairs[5].indicator,
    display_pairs[6].indicator};

// The group indicators: the RF set, the IF set and every register.
inline constexpr ControlName<ToggleSwitch> all_rf_indicator = main_controls::Toggle30;
inline constexpr ControlName<ToggleSwitch> all_if_indicator = main_controls::Toggle29;
inline constexpr ControlName<ToggleSwitch> all_indicator = main_controls::Toggle26;

} // namespace zqf
