#include "core/tools/exerciser_profile.h"

#include "core/state/device_profile.h"

#include <array>

namespace zqf {

namespace {

constexpr std::array<int, 1> r0{0};
constexpr std::array<int, 2> r1_r0{1, 0};

} // namespace

ExerciserProfile exerciser_profile(std::string_view device_name) {
    if (device_profile(device_name).fraction == FractionKind::fixed_25_bit) {
        return {true, r1_r0};
    }
    return {false, r0};
}

} // namespace zqf
