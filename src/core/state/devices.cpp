#include "core/state/devices.h"

#include "core/state/device_profile.h"
#include "core/state/family_profile.h"

namespace zqf {

Family family_of(std::string_view device_name) {
    return device_profile(device_name).family;
}

int transfer_bits(std::string_view device_name) {
    return device_profile(device_name).transfer_bits;
}

int control_bits(Family family) {
    // A name outside the catalogue is framed as most families' words are.
    constexpr int most_families = 3;
    const FamilyProfile* row = family_profile(family);
    return row != nullptr ? row->control_bits : most_families;
}

} // namespace zqf
