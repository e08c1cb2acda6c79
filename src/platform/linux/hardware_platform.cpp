#include "platform/linux/hardware_platform.h"

#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

namespace zqf {

namespace {

// Paths longer than this are refused rather than read past a missing terminator.
constexpr std::size_t max_path_bytes = 4096;

} // namespace

HardwarePlatform::HardwarePlatform(HardwareParts parts, int32_t port_address, std::ostream& log)
    : ports_(std::move(parts.ports)), usb_(std::move(parts.usb)), log_(log),
      parallel_(*ports_, std::move(parts.root), port_address, log),
      adapter_(*usb_, std::move(parts.adapter_ids), std::move(parts.sleep), log, parts.timing) {}

// The port is chosen by its address; the program's arguments 1 and -1 select nothing here.
int16_t HardwarePlatform::claim_parallel_port(int32_t, int32_t) {
    return parallel_.claim() ? 1 : 0;
}

void HardwarePlatform::out_byte(int32_t port, int32_t value) {
    parallel_.write(port, value);
}

int16_t HardwarePlatform::load_firmware(const uint8_t* path) {
    if (path == nullptr) {
        log_ << "USB adapter: no firmware path given\n";
        return adapter_bad_firmware;
    }
    std::string text;
    for (std::size_t i = 0; path[i] != 0; ++i) {
        if (i == max_path_bytes) {
            log_ << "USB adapter: the firmware path is longer than " << max_path_bytes
                 << " bytes\n";
            return adapter_bad_firmware;
        }
        text.push_back(static_cast<char>(path[i]));
    }
    return adapter_.load_firmware(text);
}

// value1 and value2 are the request's value and index; value3 has no meaning on this link.
int16_t HardwarePlatform::vendor_request(int16_t request, int32_t value1, int32_t value2, int16_t,
                                         int16_t length, uint8_t* buffer) {
    const bool fits = request >= 0 && request <= 0xFF && value1 >= 0 && value1 <= 0xFFFF &&
                      value2 >= 0 && value2 <= 0xFFFF && length >= 0 &&
                      (length == 0 || buffer != nullptr);
    if (!fits) {
        log_ << "USB adapter: request " << request << " (" << value1 << ", " << value2 << ", "
             << length << " bytes) cannot be sent\n";
        return -1;
    }
    const std::span<const uint8_t> data(buffer, static_cast<std::size_t>(length));
    return adapter_.send(static_cast<uint8_t>(request), static_cast<uint16_t>(value1),
                         static_cast<uint16_t>(value2), data);
}

std::unique_ptr<Platform> make_hardware_platform(int32_t port_address) {
    HardwareParts parts;
    parts.ports = make_linux_port_system();
    parts.usb = make_libusb_transport();
    const auto config = adapter_config_path(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    parts.adapter_ids = load_adapter_ids(config, std::cerr);
    parts.sleep = [](std::chrono::milliseconds pause) { std::this_thread::sleep_for(pause); };
    return std::make_unique<HardwarePlatform>(std::move(parts), port_address, std::cerr);
}

} // namespace zqf
