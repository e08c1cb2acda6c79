#pragma once

#include <array>
#include <string_view>

namespace zqf {

// Where the main window shows a register: the two labels of its display pair
// (the last word written, as bits and in hexadecimal) and the update indicator
// that writes it. R7 has none of them.
struct DisplayPair {
    int index;
    std::string_view bits_label;
    std::string_view hex_label;
    std::string_view indicator;
};

inline constexpr std::array<DisplayPair, 7> display_pairs{{
    {0, "Label17", "Label21", "Toggle19"},
    {1, "Label9", "Label22", "Toggle20"},
    {2, "Label14", "Label23", "Toggle21"},
    {3, "Label15", "Label24", "Toggle22"},
    {4, "Label33", "Label26", "Toggle23"},
    {5, "Label32", "Label27", "Toggle24"},
    {6, "Label31", "Label28", "Toggle25"},
}};

// The group indicators: the RF set, the IF set and every register.
inline constexpr std::string_view all_rf_indicator = "Toggle30";
inline constexpr std::string_view all_if_indicator = "Toggle29";
inline constexpr std::string_view all_indicator = "Toggle26";

} // namespace zqf
