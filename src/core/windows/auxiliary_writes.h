#pragma once

#include "core/state/device_profile.h"

#include <span>

namespace zqf {

// What an auxiliary window writes once it has stored its fields, as the device
// wants it: on the dual devices a refresh and the window's own register, on
// the 4-register devices a refresh and every register, elsewhere nothing. A
// window without a register of its own (`own_register` empty) writes nothing
// on the dual devices either.
RegisterWrites auxiliary_writes(const DeviceProfile& device, std::span<const int> own_register);

} // namespace zqf
