#pragma once

#include <array>
#include <string_view>

namespace zqf {

enum class Family { none, four_register, five_register, dual };

// One selection of the start window.
struct DeviceEntry {
    std::string_view option;         // start-window option button
    std::string_view caption;        // its caption
    std::string_view stored_name;    // what device_name holds
    std::string_view device_caption; // what the main window's Device label shows
    Family family;
};

// In the order the start window tests its options.
inline constexpr std::array<DeviceEntry, 6> device_catalogue{{
    {"Option1", "ZQF7310", "ZQF7310", "ZQF7310", Family::four_register},
    {"Option2", "ZQF7320", "ZQF7320", "ZQF7320", Family::four_register},
    {"Option3", "ZQF7610", "ZQF7620", "ZQF7610", Family::dual},
    {"Option6", "ZQF7620", "ZQF7620", "ZQF7620", Family::dual},
    {"Option4", "ZQF7340", "ZQF7340", "ZQF7340", Family::five_register},
    {"Option5", "ZQF7350", "ZQF7350", "ZQF7350", Family::five_register},
}};

inline constexpr std::string_view zqf7310 = "ZQF7310";
inline constexpr std::string_view zqf7320 = "ZQF7320";
inline constexpr std::string_view zqf7340 = "ZQF7340";
inline constexpr std::string_view zqf7350 = "ZQF7350";
inline constexpr std::string_view zqf7620 = "ZQF7620";
// A name no selection stores; the transmission and the RF planner still count
// it with the 32-bit devices.
inline constexpr std::string_view zqf7360 = "ZQF7360";

// The family of a stored device name; Family::none for any other text.
Family family_of(std::string_view device_name);

// 32 for ZQF7340, ZQF7350 and ZQF7360, 24 for every other name.
int transfer_bits(std::string_view device_name);

// Number of low word bits that carry the register number.
int control_bits(Family family);

// The entry of `four`, `five` or `dual` that belongs to the device's family,
// or `none` for a name outside the catalogue.
template <typename T>
T per_family(std::string_view device_name, T four, T five, T dual, T none = T{}) {
    switch (family_of(device_name)) {
    case Family::four_register:
        return four;
    case Family::five_register:
        return five;
    case Family::dual:
        return dual;
    case Family::none:
        break;
    }
    return none;
}

inline bool is_dual(std::string_view device_name) {
    return device_name == zqf7620;
}
inline bool is_four_register(std::string_view device_name) {
    return family_of(device_name) == Family::four_register;
}
inline bool is_five_register(std::string_view device_name) {
    return family_of(device_name) == Family::five_register;
}

} // namespace zqf
