#pragma once

#include <array>

namespace zqf {

// The IF set, written by "Update All IF Registers" in this order. The
// device-dependent orders are the device profiles' (send_all_order, send_every_order).
inline constexpr std::array<int, 4> if_set_order{6, 5, 4, 3};

} // namespace zqf
