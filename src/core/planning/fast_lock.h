#pragma once

#include <optional>
#include <string_view>

namespace zqf {

// The largest fast-lock timer count: it is loaded through the 12-bit modulus
// field, and a larger count would carry into the R counter beside it.
inline constexpr double max_fast_lock_count = 4095.0;

// The timer count an entry stands for: a whole number of PFD cycles from 0 to
// 4095. Nothing for any other entry, which the modulus field cannot carry
// without spilling into the register's neighbouring bits.
std::optional<double> fast_lock_count(std::string_view text);

// The interval a count of PFD cycles lasts, in microseconds, with the PFD in
// MHz as its box shows it. Nothing when either is no number or the PFD is 0.
std::optional<double> fast_lock_interval_us(std::string_view count_text,
                                            std::string_view pfd_mhz_text);

} // namespace zqf
