#pragma once

#include "core/state/devices.h"
#include "platform/virtual_board.h"

#include <string_view>

namespace zqf {

// The geometry of the chip a device name stands for.
inline ChipGeometry chip_geometry(std::string_view device_name) {
    return {transfer_bits(device_name), control_bits(family_of(device_name))};
}

} // namespace zqf
