#pragma once

#include "core/link/platform.h"
#include "platform/linux/adapter_ids.h"
#include "platform/linux/parallel_port.h"
#include "platform/linux/port_system.h"
#include "platform/linux/usb_adapter.h"
#include "platform/linux/usb_transport.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <vector>

namespace zqf {

// Everything the hardware platform reaches outside the process; the factory
// fills it with the real system, tests with fakes.
struct HardwareParts {
    std::unique_ptr<PortSystem> ports;
    std::unique_ptr<UsbTransport> usb;
    std::filesystem::path root = "/";
    std::vector<AdapterId> adapter_ids;
    Sleep sleep;
    ReturnTiming timing;
};

// The real evaluation-board link on Linux: the parallel port through ppdev or
// direct I/O, the USB adapter through libusb. Reasons for every failure go to `log`.
class HardwarePlatform final : public Platform {
  public:
    HardwarePlatform(HardwareParts parts, int32_t port_address, std::ostream& log);

    int16_t claim_parallel_port(int32_t port_number, int32_t mode) override;
    void out_byte(int32_t port, int32_t value) override;
    int16_t load_firmware(const uint8_t* path) override;
    int16_t vendor_request(int16_t request, int32_t value1, int32_t value2, int16_t value3,
                           int16_t length, uint8_t* buffer) override;
    int16_t os_version() override { return native_os_version; }

  private:
    // Declared before the users that hold references to them.
    const std::unique_ptr<PortSystem> ports_;
    const std::unique_ptr<UsbTransport> usb_;
    std::ostream& log_;
    ParallelPort parallel_;
    UsbAdapter adapter_;
};

// The platform on the real system, with the adapter ids of the user's
// ~/.config/zqfeval/usb-adapter.conf (read now) and messages on stderr.
std::unique_ptr<Platform> make_hardware_platform(int32_t port_address = 888);

} // namespace zqf
