#pragma once

#include "core/state/family_table.h"

#include <string_view>

namespace zqf {

// What every device of a register family shares at the level of words.
struct FamilyProfile {
    Family family;
    // The family's name where the program keeps something per family (the
    // main window's place on the screen).
    std::string_view key;
    int register_count; // registers the map assembles
    int transfer_bits;  // bits sent per word
    int control_bits;   // low word bits that carry the register number
};

inline constexpr FamilyTable<FamilyProfile> family_profiles{{
    {.family = Family::four_register,
     .key = "four-register",
     .register_count = 4,
     .transfer_bits = 24,
     .control_bits = 2},
    {.family = Family::five_register,
     .key = "five-register",
     .register_count = 5,
     .transfer_bits = 32,
     .control_bits = 3},
    {.family = Family::dual,
     .key = "dual",
     .register_count = 8,
     .transfer_bits = 24,
     .control_bits = 3},
}};
static_assert(has_every_family(family_profiles));

// The family's row; nullptr for Family::none.
constexpr const FamilyProfile* family_profile(Family family) {
    return family_row(family_profiles, family);
}

} // namespace zqf
