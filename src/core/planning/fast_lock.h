#pragma once

#include "core/state/device_profile.h"

#include <optional>
#include <string_view>

namespace zqf {

// The largest fast-lock timer count, a 12-bit number; it is loaded through the
// modulus field, where a larger count would carry into the bits beside it.
inline constexpr double max_fast_lock_count = 4095.0;

// The timer count an entry stands for: a whole number of PFD cycles that the
// device's MOD field carries (0 to 4095 where the device places no MOD).
// Nothing for any other entry.
std::optional<double> fast_lock_count(std::string_view text, const DeviceProfile& device);

// The interval a count of PFD cycles lasts, in microseconds, with the PFD in
// MHz as its box shows it. Nothing when either is no number or the PFD is 0.
std::optional<double> fast_lock_interval_us(std::string_view count_text,
                                            std::string_view pfd_mhz_text);

} // namespace zqf
