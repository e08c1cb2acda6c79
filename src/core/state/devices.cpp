#include "core/state/devices.h"

#include "core/state/device_profile.h"

namespace zqf {

Family family_of(std::string_view device_name) {
    return device_profile(device_name).family;
}

int transfer_bits(std::string_view device_name) {
    return device_profile(device_name).transfer_bits;
}

int control_bits(Family family) {
    return family == Family::four_register ? 2 : 3;
}

} // namespace zqf
