#pragma once

#include "core/link/platform.h"
#include "core/state/shared_state.h"

#include <string>
#include <string_view>

namespace zqf {

inline constexpr std::string_view firmware_file_name = "zqf7xxx_usb_fw_1_0.hex";
inline constexpr int16_t usb_word_request = 221;

// Builds usb_buffer from tx_word (four bytes little-endian and the word
// length) and sends it as one vendor request. No strobe follows. Returns what
// the request returned (negative: the adapter did not take it).
int16_t shift_word_usb(SharedState& state, Platform& platform);

// What the firmware load reports beyond usb_status.
struct FirmwareLoad {
    bool path_too_long = false;
    std::string message; // empty unless the load was refused before the library was called
};

// Builds fw_path (program folder, '/', the firmware file name) and
// fw_path_bytes, asks the platform to load the firmware and stores the result
// in usb_status. A path longer than the 512 characters the library takes is
// refused without calling it (usb_status -1).
FirmwareLoad load_firmware(SharedState& state, Platform& platform, std::string_view program_dir);

} // namespace zqf
