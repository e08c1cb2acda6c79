#include "core/link/usb_link.h"

#include "core/state/devices.h"
#include "core/text/convert.h"

#include <algorithm>

namespace zqf {

int16_t shift_word_usb(SharedState& state, Platform& platform) {
    state.usb_bits = static_cast<int16_t>(transfer_bits(state.device_name));
    const uint32_t w = word_bits(state.tx_word);
    state.usb_buffer[0] = static_cast<uint8_t>(w & 0xFFU);
    state.usb_buffer[1] = static_cast<uint8_t>((w >> 8) & 0xFFU);
    state.usb_buffer[2] = static_cast<uint8_t>((w >> 16) & 0xFFU);
    state.usb_buffer[3] = static_cast<uint8_t>((w >> 24) & 0xFFU);
    state.usb_buffer[4] = static_cast<uint8_t>(state.usb_bits);
    return platform.vendor_request(usb_word_request, 0, 0, 0, 5, state.usb_buffer.data());
}

FirmwareLoad load_firmware(SharedState& state, Platform& platform, std::string_view program_dir) {
    state.fw_path = std::string(program_dir) + "/" + std::string(firmware_file_name);
    const std::size_t capacity = state.fw_path_bytes.size() - 1;
    if (state.fw_path.size() > capacity) {
        state.usb_status = -1;
        return {true,
                "The firmware path is longer than " + std::to_string(capacity) +
                    " characters, so the USB adapter cannot be loaded from it: " + state.fw_path};
    }
    state.fw_path_bytes.fill(0);
    std::copy(state.fw_path.begin(), state.fw_path.end(), state.fw_path_bytes.begin());
    state.usb_status = platform.load_firmware(state.fw_path_bytes.data());
    return {};
}

} // namespace zqf
