#pragma once

#include "core/state/family_table.h"

#include <span>
#include <string_view>

namespace zqf {

// One selection of the start window. What the stored name stands for is the
// row of its device profile (device_profile.h).
struct DeviceEntry {
    std::string_view option;         // start-window option button
    std::string_view caption;        // its caption
    std::string_view stored_name;    // what device_name holds
    std::string_view device_caption; // what the main window's Device label shows
};

// In the order the start window tests its options. Kept beside the device
// profiles (device_profile.cpp), so that a new device is written in one place.
extern const std::span<const DeviceEntry> device_catalogue;

inline constexpr std::string_view zqf7310 = "ZQF7310";
inline constexpr std::string_view zqf7320 = "ZQF7320";
inline constexpr std::string_view zqf7340 = "ZQF7340";
inline constexpr std::string_view zqf7350 = "ZQF7350";
inline constexpr std::string_view zqf7620 = "ZQF7620";
inline constexpr std::string_view zqf7360 = "ZQF7360";

// The family of a stored device name; Family::none for any other text.
Family family_of(std::string_view device_name);

// 32 for ZQF7340, ZQF7350 and ZQF7360, 24 for every other name.
int transfer_bits(std::string_view device_name);

// Number of low word bits that carry the register number; 3 for Family::none.
int control_bits(Family family);

} // namespace zqf
