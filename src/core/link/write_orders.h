#pragma once

#include <array>
#include <span>
#include <string_view>

namespace zqf {

// The fixed orders in which groups of registers are written.
std::span<const int> send_all_order(std::string_view device_name);
std::span<const int> send_every_order(std::string_view device_name);
inline constexpr std::array<int, 4> if_set_order{6, 5, 4, 3};

} // namespace zqf
