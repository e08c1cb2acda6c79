#pragma once

#include "core/registers/register_export.h"
#include "core/state/device_profile.h"
#include "core/state/shared_state.h"

#include <span>
#include <string>
#include <variant>
#include <vector>

namespace zqf {

// The registers of the device's full write, in its order: all eight of the
// dual family as "Update All Registers" writes them, send_all_registers'
// order for the others; nothing for a device without a register map.
std::span<const int> full_write_order(const DeviceProfile& device);

// The words a full write would send now, as send_register assembles them,
// cut to the bits the device transfers; or, when one of them would not go
// out, why not, naming the register. The state is not touched.
std::variant<std::vector<RegisterWord>, std::string> full_write_words(const SharedState& state);

} // namespace zqf
