#include "core/state/devices.h"

namespace zqf {

Family family_of(std::string_view device_name) {
    if (device_name == zqf7310 || device_name == zqf7320) {
        return Family::four_register;
    }
    if (device_name == zqf7340 || device_name == zqf7350) {
        return Family::five_register;
    }
    if (device_name == zqf7620) {
        return Family::dual;
    }
    return Family::none;
}

int transfer_bits(std::string_view device_name) {
    const bool wide = device_name == zqf7340 || device_name == zqf7350 || device_name == zqf7360;
    return wide ? 32 : 24;
}

int control_bits(Family family) {
    return family == Family::four_register ? 2 : 3;
}

} // namespace zqf
