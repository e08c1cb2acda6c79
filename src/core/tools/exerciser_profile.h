#pragma once

#include <span>
#include <string_view>

namespace zqf {

// How the exercisers step and write on one device. Only the fixed 25-bit
// modulus changes their course: a sweep then moves by one unit of the
// fraction and plans through compute_dividers, and each tick writes R1 (the
// fraction's lower half) before R0.
struct ExerciserProfile {
    bool fixed_modulus = false;
    std::span<const int> tick_writes;
};

ExerciserProfile exerciser_profile(std::string_view device_name);

} // namespace zqf
